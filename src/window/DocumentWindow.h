#pragma once

#include <QMainWindow>

class HelpWindow;
class MainWindow;

// Lumetra as a desktop program: the window of controls and picture under a
// menu bar, titled by its session, asking before unsaved changes are lost,
// and opening a session file dropped on it. The controls keep their places
// inside: the window is taller by the menu bar.
class DocumentWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit DocumentWindow(QWidget *parent = nullptr);
    ~DocumentWindow() override;

    MainWindow *Form() const { return form; }
    // The title: the session's file name (or "Untitled"), marked while the
    // scene differs from the file.
    void ShowDocumentState();
    void ShowUserGuide();
    void ShowAbout();

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    MainWindow *form;
    HelpWindow *help = nullptr;
    void BuildMenus();
    void BuildFileMenu();
    void BuildEditMenu();
    void BuildViewMenu();
    void BuildHelpMenu();
    void FillRecentMenu(QMenu *menu);
    void ShowLayerEntries(QMenu *menu);
    // The menu bar owns its keys: entries of the picture's menu give up the same ones.
    void YieldPictureShortcuts();
    QAction *AddEntry(QMenu *menu, const QString &text, const QKeySequence &keys, std::function<void()> handler);
};

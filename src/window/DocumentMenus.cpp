// The menu bar: every command of the window where a desktop user looks for
// it, with the desktop's standard keys. Entries the picture's menu has too
// are the same actions, so each key has one owner.
#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

#include "window/DocumentWindow.h"
#include "window/MainWindow.h"
#include "window/PictureBox.h"
#include "window/RecentSessions.h"

namespace {

// The desktop's keys for a command, or ours where this desktop has none
// (Save as has none outside KDE and GNOME).
QList<QKeySequence> StandardOr(QKeySequence::StandardKey standard, const QKeySequence &fallback)
{
    const QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
    return keys.isEmpty() ? QList<QKeySequence>{fallback} : keys;
}

}  // namespace

QAction *DocumentWindow::AddEntry(QMenu *menu, const QString &text, const QKeySequence &keys,
                                  std::function<void()> handler)
{
    QAction *entry = CommandAction(text, keys, std::move(handler), menu);
    menu->addAction(entry);
    return entry;
}

void DocumentWindow::BuildMenus()
{
    BuildFileMenu();
    BuildEditMenu();
    BuildViewMenu();
    BuildHelpMenu();
    YieldPictureShortcuts();
}

void DocumentWindow::BuildFileMenu()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(form->pictureActions.openSession);
    QMenu *recent = file->addMenu(QStringLiteral("Open &recent"));
    connect(recent, &QMenu::aboutToShow, this, [this, recent] { FillRecentMenu(recent); });
    FillRecentMenu(recent);
    AddEntry(file, QStringLiteral("&Save session"), QKeySequence::Save, [this] { form->SaveSessionClick(); });
    AddEntry(file, QStringLiteral("Save session &as\u2026"), QKeySequence(), [this] {
        form->SaveSessionAsClick();
    })->setShortcuts(StandardOr(QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)));
    file->addSeparator();
    AddEntry(file, QStringLiteral("&Export picture\u2026"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E),
             [this] { form->SavePictureClick(); });
    AddEntry(file, QStringLiteral("Export a&nimation\u2026"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M),
             [this] { form->ExportAnimationClick(); });
    file->addSeparator();
    AddEntry(file, QStringLiteral("&Quit"), QKeySequence::Quit, [this] { close(); });
}

void DocumentWindow::FillRecentMenu(QMenu *menu)
{
    menu->clear();
    const QStringList paths = RecentSessions();
    for (int i = 0; i < paths.size(); ++i) {
        const QString path = paths[i];
        QAction *entry = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        entry->setToolTip(path);
        entry->setStatusTip(path);
        connect(entry, &QAction::triggered, this, [this, path] { RunHandler([&] { form->OpenDocument(path); }); });
    }
    menu->setEnabled(!paths.isEmpty());
}

void DocumentWindow::BuildEditMenu()
{
    QMenu *edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->addAction(form->pictureActions.undo);
    edit->addAction(form->pictureActions.redo);
    edit->addSeparator();
    edit->addAction(form->pictureActions.copyPicture);
    AddEntry(edit, QStringLiteral("&Own curve\u2026"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O),
             [this] { form->OwnCurveClick(); });
}

void DocumentWindow::BuildViewMenu()
{
    QMenu *view = menuBar()->addMenu(QStringLiteral("&View"));
    const auto zoom = [this](double notches) {
        const QWidget *picture = form->Picture;
        form->PictureWheel(picture->width() / 2, picture->height() / 2, notches);
    };
    QAction *zoomIn = AddEntry(view, QStringLiteral("Zoom &in"), QKeySequence::ZoomIn, [zoom] { zoom(1); });
    // Ctrl+= is Ctrl++ without Shift on most keyboards.
    zoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    AddEntry(view, QStringLiteral("Zoom &out"), QKeySequence::ZoomOut, [zoom] { zoom(-1); });
    AddEntry(view, QStringLiteral("&Reset view"), QKeySequence(Qt::CTRL | Qt::Key_0),
             [this] { form->ResetViewClick(); });
    view->addSeparator();
    view->addAction(form->pictureActions.formulas);
    view->addSeparator();
    connect(view, &QMenu::aboutToShow, this, [this, view] { ShowLayerEntries(view); });
    ShowLayerEntries(view);
}

// One checkable entry per layer toggle, after the last separator; made
// afresh each time, as the window's list of layers may have changed.
void DocumentWindow::ShowLayerEntries(QMenu *menu)
{
    for (QAction *entry : menu->actions()) {
        if (entry->property("layer").isValid())
            delete entry;
    }
    for (const Layer &layer : form->Layers()) {
        if (!layer.HasToggle())
            continue;
        const std::string id = layer.id;
        QAction *entry = menu->addAction(layer.caption);
        entry->setProperty("layer", QString::fromStdString(id));
        entry->setCheckable(true);
        entry->setChecked(form->scene.Shows(id));
        connect(entry, &QAction::triggered, this,
                [this, id](bool on) { RunHandler([&] { form->LayerToggled(id, on); }); });
    }
}

void DocumentWindow::BuildHelpMenu()
{
    QMenu *helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    AddEntry(helpMenu, QStringLiteral("&User guide"), QKeySequence::HelpContents, [this] { ShowUserGuide(); });
    AddEntry(helpMenu, QStringLiteral("&About Lumetra"), QKeySequence(), [this] { ShowAbout(); });
}

void DocumentWindow::YieldPictureShortcuts()
{
    QList<QKeySequence> taken;
    for (QAction *entry : findChildren<QAction *>()) {
        if (!form->Picture->actions().contains(entry))
            taken += entry->shortcuts();
    }
    for (QAction *entry : form->Picture->actions()) {
        QList<QKeySequence> kept;
        for (const QKeySequence &keys : entry->shortcuts()) {
            if (!taken.contains(keys))
                kept += keys;
        }
        entry->setShortcuts(kept);
    }
}

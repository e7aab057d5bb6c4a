// The window as a desktop program: its menus through their keys, the
// session as a document with its title mark and its question before changes
// are lost, the guide and the About box, and a dropped session file.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDoubleSpinBox>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressDialog>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

#include "window/AnimationDialog.h"
#include "window/DocumentWindow.h"
#include "window/MainWindow.h"
#include "window/PictureBox.h"
#include "window/RecentSessions.h"
#include "window/SessionFile.h"

namespace {

// Answers each modal dialog that opens while `action` runs, in order: a
// file dialog gets a path, a question gets a button. Returns how many opened.
class Answers {
public:
    std::vector<std::function<void(QWidget *)>> replies;
    int Run(const std::function<void()> &action)
    {
        int answered = 0;
        QWidget *seen = nullptr;
        QTimer poll;
        poll.setInterval(20);
        // A dialog is answered once it has been seen settled on one poll:
        // a file dialog fills in its start name just after it shows.
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            // Progress is no question: it closes by itself.
            if (!modal || !modal->isVisible() || qobject_cast<QProgressDialog *>(modal))
                return;
            if (modal != seen) {
                seen = modal;
                return;
            }
            seen = nullptr;
            // A dialog nobody expected is closed, and counted, so the test cannot hang.
            if (answered < int(replies.size()))
                replies[answered](modal);
            else if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
            ++answered;
        });
        poll.start();
        action();
        QTest::qWait(50);
        return answered;
    }
};

std::function<void(QWidget *)> ChooseFile(const QString &path)
{
    return [path](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        // Typed into its name field, as a user does (selectFile leaves a focused field alone).
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(path);
        static_cast<QDialog *>(dialog)->accept();  // the file dialog's own accept is protected
    };
}

std::function<void(QWidget *)> Press(QMessageBox::StandardButton button)
{
    return [button](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        ASSERT_NE(box, nullptr);
        box->button(button)->click();
    };
}

class Document : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<DocumentWindow>();
        form = window->Form();
        form->tickTimer->stop();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    // Keys reach the window as the user's keyboard does: through the focused control.
    // Shortcuts reach the active window only; without a window manager a
    // closed dialog does not give the activation back by itself.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(form->Picture, key, modifiers);
    }
    // A change by hand, rested so that it counts as a step.
    void ChangePlane()
    {
        QTest::mouseClick(form->minkowskiCheck, Qt::LeftButton);
        QTest::qWait(600);
    }
    QString Path(const char *name) const { return folder.filePath(QString::fromLatin1(name)); }
    QTemporaryDir folder;
    std::unique_ptr<DocumentWindow> window;
    MainWindow *form = nullptr;
};

TEST_F(Document, PanelsKeepTheirPlacesUnderTheMenuBar)
{
    EXPECT_EQ(form->ClientWidth(), MainWindow::DesignedClientWidth);
    EXPECT_EQ(form->ClientHeight(), MainWindow::DesignedClientHeight);
    EXPECT_EQ(form->y(), window->menuBar()->height());
    EXPECT_EQ(window->height(), MainWindow::DesignedClientHeight + window->menuBar()->height());
    QStringList titles;
    for (QAction *menu : window->menuBar()->actions())
        titles << menu->text();
    EXPECT_EQ(titles, QStringList({"&File", "&Edit", "&View", "&Help"}));
}

TEST_F(Document, FileMenuSavesOpensAndExportsThroughItsKeys)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Untitled[*] \u2014 Lumetra"));
    EXPECT_FALSE(window->isWindowModified());
    ChangePlane();
    EXPECT_TRUE(window->isWindowModified());

    // Save asks for a file the first time only.
    EXPECT_EQ((Answers{{ChooseFile(Path("a.lumetra"))}}).Run([&] { Key(Qt::Key_S, Qt::ControlModifier); }), 1);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("a.lumetra[*] \u2014 Lumetra"));
    EXPECT_FALSE(window->isWindowModified());
    QTest::mouseClick(form->gridCheck, Qt::LeftButton);
    QTest::qWait(600);
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_EQ(Answers{}.Run([&] { Key(Qt::Key_S, Qt::ControlModifier); }), 0);
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_TRUE(ReadSessionFile(Path("a.lumetra"), ToggleIds(form->Layers())).session == form->CaptureSession());

    EXPECT_EQ((Answers{{ChooseFile(Path("b.lumetra"))}}).Run([&] {
        Key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    }),
              1);
    EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral("b.lumetra")));
    EXPECT_EQ(RecentSessions().mid(0, 2), QStringList({Path("b.lumetra"), Path("a.lumetra")}));

    // Open: the first session's scene comes back.
    QTest::mouseClick(form->euclideanCheck, Qt::LeftButton);
    QTest::qWait(600);
    EXPECT_EQ((Answers{{Press(QMessageBox::Discard), ChooseFile(Path("a.lumetra"))}}).Run([&] {
        Key(Qt::Key_O, Qt::ControlModifier);
    }),
              2);
    EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral("a.lumetra")));
    EXPECT_EQ(form->scene.plane, Plane::Minkowski);

    // Export picture: the picture as shown.
    EXPECT_EQ(
        (Answers{{ChooseFile(Path("c.png"))}}).Run([&] { Key(Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier); }),
        1);
    EXPECT_EQ(QImage(Path("c.png")).size(), form->Picture->size());

    Key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Document, ExportAnimationFilmsWithProgress)
{
    const auto fill = [this](QWidget *modal) {
        auto *dialog = qobject_cast<AnimationDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->pathEdit->setText(Path("film.gif"));
        dialog->widthSpin->setValue(64);
        dialog->heightSpin->setValue(48);
        dialog->secondsSpin->setValue(0.5);
        dialog->pedalPointMoves->setChecked(true);
        dialog->accept();
    };
    (Answers{{fill}}).Run([&] { Key(Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier); });
    QFile film(Path("film.gif"));
    ASSERT_TRUE(film.open(QIODevice::ReadOnly));
    EXPECT_TRUE(film.read(6).startsWith("GIF8"));
}

TEST_F(Document, UnsavedChangesAskSaveDiscardOrCancel)
{
    ChangePlane();
    EXPECT_EQ((Answers{{Press(QMessageBox::Cancel)}}).Run([&] { window->close(); }), 1);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isWindowModified());

    // Opening another session asks too; Cancel keeps the scene.
    WriteSessionFile(Session(), Path("start.lumetra"));
    EXPECT_EQ((Answers{{Press(QMessageBox::Cancel)}}).Run([&] { form->OpenDocument(Path("start.lumetra")); }), 1);
    EXPECT_EQ(form->scene.plane, Plane::Minkowski);

    // Save, then the window closes with its changes in the file.
    EXPECT_EQ((Answers{{Press(QMessageBox::Save), ChooseFile(Path("kept.lumetra"))}}).Run([&] { window->close(); }), 2);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(ReadSessionFile(Path("kept.lumetra"), ToggleIds(form->Layers())).session.minkowski);

    // Discard: closes without writing.
    window->show();
    ChangePlane();
    EXPECT_EQ((Answers{{Press(QMessageBox::Discard)}}).Run([&] { window->close(); }), 1);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(ReadSessionFile(Path("kept.lumetra"), ToggleIds(form->Layers())).session.minkowski);
}

TEST_F(Document, EditMenuUndoesCopiesAndTypesACurve)
{
    ChangePlane();
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form->scene.plane, Plane::Euclidean);
    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form->scene.plane, Plane::Minkowski);

    QGuiApplication::clipboard()->clear();
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), form->Picture->size());

    const auto cancel = [](QWidget *dialog) { qobject_cast<QDialog *>(dialog)->reject(); };
    EXPECT_EQ((Answers{{cancel}}).Run([&] { Key(Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier); }), 1);
}

TEST_F(Document, ViewMenuZoomsResetsAndTogglesEachLayer)
{
    const float width = form->scene.xMax - form->scene.xMin;
    Key(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_NEAR(form->scene.xMax - form->scene.xMin, width / 1.25, 1e-4);
    Key(Qt::Key_Minus, Qt::ControlModifier);
    Key(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_NEAR(form->scene.xMax - form->scene.xMin, width * 1.25, 1e-4);
    Key(Qt::Key_0, Qt::ControlModifier);
    EXPECT_FLOAT_EQ(form->scene.xMax - form->scene.xMin, width);

    // The menu opens from its key and shows each toggle's state; a click on
    // an entry toggles its layer.
    Key(Qt::Key_V, Qt::AltModifier);
    QMenu *view = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_NE(view, nullptr);
    QAction *grid = nullptr;
    int layerEntries = 0;
    for (QAction *entry : view->actions()) {
        if (!entry->property("layer").isValid())
            continue;
        ++layerEntries;
        EXPECT_EQ(entry->isChecked(), form->scene.Shows(entry->property("layer").toString().toStdString()));
        if (entry->text() == QStringLiteral("Draw grid"))
            grid = entry;
    }
    EXPECT_EQ(layerEntries, int(ToggleIds(form->Layers()).size()));
    ASSERT_NE(grid, nullptr);
    const bool gridShown = form->scene.Shows("grid");
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, view->actionGeometry(grid).center());
    EXPECT_EQ(form->scene.Shows("grid"), !gridShown);
    EXPECT_EQ(form->gridCheck->isChecked(), !gridShown);
}

TEST_F(Document, HelpShowsTheGuideWithItsPicturesAndTheAboutBox)
{
    Key(Qt::Key_F1);
    auto *guide = window->findChild<QTextBrowser *>(QStringLiteral("HelpWindow"));
    ASSERT_NE(guide, nullptr);
    EXPECT_TRUE(guide->isVisible());
    EXPECT_TRUE(guide->toPlainText().contains(QStringLiteral("The pedal curve's relatives")));
    EXPECT_FALSE(guide->toPlainText().contains(QStringLiteral("Building by hand")));
    const QVariant picture =
        guide->document()->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("docs/circle-pedal.png")));
    EXPECT_FALSE(picture.value<QImage>().isNull());

    window->ShowAbout();
    auto *about = window->findChild<QMessageBox *>(QStringLiteral("AboutBox"));
    ASSERT_NE(about, nullptr);
    for (const char *part : {"Lumetra 1.", "GPL-3.0-or-later", "Qt 6", "GiNaC", "FFmpeg"})
        EXPECT_TRUE(about->text().contains(QLatin1String(part))) << part;
    about->close();
}

TEST_F(Document, ADroppedSessionFileOpens)
{
    Session minkowski;
    minkowski.minkowski = true;
    WriteSessionFile(minkowski, Path("dropped.lumetra"));
    const auto drop = [&](const QString &path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        const QPoint at = form->Picture->geometry().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &dropped);
        QTest::qWait(50);
        return true;
    };
    EXPECT_FALSE(drop(Path("notes.txt")));
    EXPECT_TRUE(drop(Path("dropped.lumetra")));
    EXPECT_EQ(form->scene.plane, Plane::Minkowski);
    EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral("dropped.lumetra")));
}

}  // namespace

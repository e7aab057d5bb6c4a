// The picture: its events go to the window's handlers and its frames to
// RenderScene; its own menu saves what is shown as PNG, SVG or PDF, or copies it.
// The animation is exported from here too.
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProgressDialog>
#include <QStandardPaths>

#include "window/AnimationDialog.h"
#include "window/MainWindow.h"
#include "window/PictureBox.h"
#include "window/PictureExport.h"
#include "window/RenderScene.h"

void MainWindow::ConnectPicture()
{
    PictureCalls &calls = Picture->calls;
    MainWindow *window = this;
    calls.created = [window] { window->FormCreate(); };
    calls.resized = [window] { window->FormResize(); };
    calls.clientSize = [window] { return ClientSize{window->ClientWidth(), window->ClientHeight()}; };
    calls.renderScene = [window] { RenderScene(*window); };
    calls.frameInputs = [window] { return FrameInputs(*window); };
    calls.mouseDown = [window](int x, int y) { RunHandler([&] { window->FormMouseDown(x, y); }); };
    calls.mouseMove = [window](int x, int y, bool leftButtonHeld) {
        RunHandler([&] { window->FormMouseMove(x, y, leftButtonHeld); });
    };
    calls.pointerMoved = [window](int x, int y) { RunHandler([&] { window->PointerMoved(x, y); }); };
    calls.pointerLeft = [window] { RunHandler([&] { window->PointerLeft(); }); };
    calls.wheel = [window](int x, int y, double notches) { RunHandler([&] { window->PictureWheel(x, y, notches); }); };
    calls.pan = [window](int dx, int dy) { RunHandler([&] { window->PicturePan(dx, dy); }); };
    calls.arrowKey = [window](int dx, int dy) { RunHandler([&] { window->MovePedalPointBy(dx, dy); }); };
    calls.resetView = [window] { RunHandler([&] { window->ResetViewClick(); }); };
}

QAction *MainWindow::AddPictureAction(const QString &text, const QKeySequence &keys, std::function<void()> handler)
{
    QAction *action = CommandAction(text, keys, std::move(handler), Picture);
    action->setShortcutContext(Qt::WindowShortcut);
    Picture->addAction(action);
    return action;
}

void MainWindow::AddPictureMenu()
{
    AddPictureAction(QStringLiteral("Save picture\u2026"), QKeySequence::Save, [this] { SavePictureClick(); });
    pictureActions.copyPicture =
        AddPictureAction(QStringLiteral("Copy picture"), QKeySequence::Copy, [this] { CopyPictureClick(); });
    pictureActions.formulas = AddPictureAction(QStringLiteral("Formulas\u2026"), QKeySequence(Qt::CTRL | Qt::Key_E),
                                               [this] { FormulasClick(); });
    // Home belongs to the picture only: in a field it still moves the cursor.
    AddPictureAction(QStringLiteral("Reset view"), QKeySequence(Qt::Key_Home), [this] {
        ResetViewClick();
    })->setShortcutContext(Qt::WidgetShortcut);
    Picture->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void MainWindow::SavePictureClick()
{
    // The pixels are taken before the dialog covers anything; shapes are
    // drawn afresh from the same inputs, which the dialog does not touch.
    const QImage picture = CurrentPicture(*this);
    QString filter;
    const QString chosen = QFileDialog::getSaveFileName(this, QStringLiteral("Save picture"),
                                                        QStringLiteral("lumetra.png"), PictureFilters(), &filter);
    if (chosen.isEmpty())
        return;
    const PictureFormat format = PictureFormatOf(chosen, filter);
    const QString path = PicturePathFor(chosen, format);
    if (format == PictureFormat::Png)
        SavePicture(picture, path);
    else
        SaveVectorPicture(CurrentVectorPicture(*this), path, format);
}

void MainWindow::CopyPictureClick()
{
    QGuiApplication::clipboard()->setImage(CurrentPicture(*this));
}

void MainWindow::ExportAnimationClick()
{
    // Films go beside the session, or to the user's videos.
    const QString folder = sessionPath.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::MoviesLocation)
                                                 : QFileInfo(sessionPath).absolutePath();
    AnimationDialog dialog(this, Picture->size(), QDir(folder).filePath(QStringLiteral("lumetra.mp4")));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const AnimationPlan plan = dialog.Plan();
    // Frame by frame on the event loop: the window stays live and Cancel is heard.
    QProgressDialog progress(QStringLiteral("Exporting the animation\u2026"), QStringLiteral("Cancel"), 0,
                             FrameCount(plan), this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    ExportAnimation(scene, plan, dialog.Path(), [&progress](int done, int) {
        progress.setValue(done);
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    });
}

// Sessions: everything the window shows, saved to a file and brought back
// from one, from the menus, a dropped file or the command line. The session
// is the window's document: it knows its file and whether the scene still
// matches what was saved there.
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <algorithm>

#include "maths/Curves.h"
#include "maths/SessionCurve.h"
#include "maths/TypedCurve.h"
#include "model/NumberText.h"
#include "window/ExceptionBox.h"
#include "window/MainWindow.h"
#include "window/PictureBox.h"
#include "window/RecentSessions.h"
#include "window/SessionFile.h"
#include "window/TypedCurveSettings.h"
#include "window/controls/Adapters.h"

namespace {

const QString SessionFilter = QStringLiteral("Lumetra sessions (*.lumetra)");

// The fields show the session's values; the step field's own handler reads
// its new text back to the same step.
void ShowFields(MainWindow &form, const Session &s)
{
    ShowInField(form.pedalXEdit, FloatToStr(s.pedalX));
    ShowInField(form.pedalYEdit, FloatToStr(s.pedalY));
    ShowInField(form.selectedTEdit, FloatToStr(s.selectedT));
    ShowInField(form.tMinEdit, FloatToStr(s.tMin));
    ShowInField(form.tMaxEdit, FloatToStr(s.tMax));
    ShowInField(form.stepEdit, FloatToStr(s.step));
}

// What the document compares: the window's size is no change of the scene,
// and a running animation moves the selected point and turns it by itself.
Session Compared(Session s)
{
    s.clientWidth = s.clientHeight = 0;
    if (s.animation) {
        s.selectedT = s.trackPosition = 0;
        s.animationForward = true;
    }
    return s;
}

}  // namespace

Session MainWindow::CaptureSession() const
{
    Session s;
    // A window beyond a screen's size (several screens) is kept at the largest a session holds.
    s.clientWidth = std::min(ClientWidth(), MaxSessionWindowSide);
    s.clientHeight = std::min(ClientHeight(), MaxSessionWindowSide);
    int &shorter = s.clientWidth < s.clientHeight ? s.clientWidth : s.clientHeight;
    shorter = std::min(shorter, MaxSessionWindowShortSide);
    s.curve = SessionCurveOf(*scene.curve);
    StoreScene(scene, s);
    return s;
}

void MainWindow::ShowSession(const OpenedSession &opened)
{
    const Session &s = opened.session;
    int index = opened.curve.builtInIndex;
    if (opened.curve.typed) {
        Remember(typedCurves, opened.curve.typed);
        FillCurveList();
        index = CurveCount();
    }
    curveList->setCurrentIndex(index);
    shownCurve = index;
    ResizeClient(s.clientWidth, s.clientHeight);
    scene = SceneOfSession(s);
    scene.curve = CurveOfItem(index);
    ShowViewEdges();
    ShowTrack();
    ShowToggles();
    ShowFields(*this, s);
    Picture->Invalidate();
    Redraw();
}

// A typed curve opened joins the remembered ones, as one typed in would; an
// export from the command line leaves them alone.
void MainWindow::OpenSessionFile(const QString &path)
{
    const OpenedSession opened = ReadSessionFile(path, ToggleIds(layers));
    ShowSession(opened);
    if (opened.curve.typed)
        SaveTypedCurves(typedCurves);
}

bool MainWindow::Modified() const
{
    return !(Compared(CaptureSession()) == Compared(savedSession));
}

void MainWindow::MarkSaved(const QString &path)
{
    sessionPath = path;
    savedSession = CaptureSession();
    RememberSession(path);
    emit DocumentChanged();
}

void MainWindow::OpenDocument(const QString &path)
{
    if (MayDiscardChanges())
        ReplaceDocument(path);
}

void MainWindow::ReplaceDocument(const QString &path)
{
    try {
        OpenSessionFile(path);
    } catch (...) {
        if (!QFileInfo::exists(path))
            ForgetSession(path);
        throw;
    }
    RecordStep();
    MarkSaved(path);
}

bool MainWindow::SaveSessionClick()
{
    if (sessionPath.isEmpty())
        return SaveSessionAsClick();
    RecordStep();
    WriteSessionFile(CaptureSession(), sessionPath);
    MarkSaved(sessionPath);
    return true;
}

bool MainWindow::SaveSessionAsClick()
{
    RecordStep();
    const QString start = sessionPath.isEmpty() ? QStringLiteral("session.lumetra") : sessionPath;
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save session"), start, SessionFilter);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".lumetra");
    WriteSessionFile(CaptureSession(), path);
    MarkSaved(path);
    return true;
}

void MainWindow::OpenSessionClick()
{
    if (!MayDiscardChanges())
        return;
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open session"), QString(),
                                                      SessionFilter + QStringLiteral(";;All files (*)"));
    if (!path.isEmpty())
        ReplaceDocument(path);
}

bool MainWindow::MayDiscardChanges()
{
    RecordStep();
    if (!Modified())
        return true;
    const QString name = sessionPath.isEmpty() ? QStringLiteral("this session") : QFileInfo(sessionPath).fileName();
    const auto answer =
        QMessageBox::question(this, QStringLiteral("Lumetra"), QStringLiteral("Save the changes to %1?").arg(name),
                              QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Discard)
        return true;
    if (answer != QMessageBox::Save)
        return false;
    // A save that fails or is cancelled keeps the window and its changes.
    try {
        return SaveSessionClick();
    } catch (const std::exception &failure) {
        ShowException(QString::fromLocal8Bit(failure.what()));
        return false;
    }
}

void MainWindow::AddSessionMenu()
{
    AddPictureAction(QStringLiteral("Save session\u2026"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                     [this] { SaveSessionAsClick(); });
    pictureActions.openSession =
        AddPictureAction(QStringLiteral("Open session\u2026"), QKeySequence::Open, [this] { OpenSessionClick(); });
}

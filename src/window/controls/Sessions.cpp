// Sessions: everything the window shows, saved to a file and brought back
// from one, from the picture's menu or the command line.
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <algorithm>

#include "maths/Curves.h"
#include "maths/SessionCurve.h"
#include "maths/TypedCurve.h"
#include "model/NumberText.h"
#include "window/MainWindow.h"
#include "window/PictureBox.h"
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
    resize(s.clientWidth, s.clientHeight);
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

void MainWindow::SaveSessionClick()
{
    const Session session = CaptureSession();
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save session"), QStringLiteral("session.lumetra"),
                                                SessionFilter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".lumetra");
    WriteSessionFile(session, path);
}

void MainWindow::OpenSessionClick()
{
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open session"), QString(),
                                                      SessionFilter + QStringLiteral(";;All files (*)"));
    if (!path.isEmpty())
        OpenSessionFile(path);
}

void MainWindow::AddSessionMenu()
{
    AddPictureAction(QStringLiteral("Save session\u2026"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                     &MainWindow::SaveSessionClick);
    AddPictureAction(QStringLiteral("Open session\u2026"), QKeySequence(Qt::CTRL | Qt::Key_O),
                     &MainWindow::OpenSessionClick);
}

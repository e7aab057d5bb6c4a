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
#include "model/PlotState.h"
#include "window/Form1.h"
#include "window/PictureBox.h"
#include "window/SessionFile.h"
#include "window/TypedCurveSettings.h"
#include "window/controls/Adapters.h"

namespace {

const QString SessionFilter = QStringLiteral("Lumetra sessions (*.lumetra)");

void CaptureToggles(const TForm1 &form, Session &s)
{
    s.grid = form.gridCheck->isChecked();
    s.tangentAndNormal = form.tangentNormalCheck->isChecked();
    s.selectedPoint = form.selectedPointCheck->isChecked();
    s.singularTangents = form.singularTangentsCheck->isChecked();
    s.animation = form.animationCheck->isChecked();
}

// The values a session shares with the plot state, each under its name in both.
struct PlotValue {
    float Session::*saved;
    float PlotState::*shown;
};
constexpr PlotValue PlotValues[] = {
    {&Session::xMin, &PlotState::xMin},          {&Session::xMax, &PlotState::xMax},
    {&Session::yMin, &PlotState::yMin},          {&Session::yMax, &PlotState::yMax},
    {&Session::tMin, &PlotState::tMin},          {&Session::tMax, &PlotState::tMax},
    {&Session::selectedT, &PlotState::currentT}, {&Session::step, &PlotState::tStep},
    {&Session::pedalX, &PlotState::pedalX},      {&Session::pedalY, &PlotState::pedalY},
};

void CapturePlot(Session &s)
{
    for (const PlotValue &value : PlotValues)
        s.*value.saved = plot.*value.shown;
    s.minkowski = plot.minkowskiPlane;
    s.animationForward = plot.animationForward;
}

void ShowToggles(TForm1 &form, const Session &s)
{
    form.gridCheck->setChecked(s.grid);
    form.tangentNormalCheck->setChecked(s.tangentAndNormal);
    form.selectedPointCheck->setChecked(s.selectedPoint);
    form.singularTangentsCheck->setChecked(s.singularTangents);
    form.euclideanCheck->setChecked(!s.minkowski);
    form.minkowskiCheck->setChecked(s.minkowski);
    form.animationCheck->setChecked(s.animation);
}

void ShowPlot(const Session &s)
{
    for (const PlotValue &value : PlotValues)
        plot.*value.shown = s.*value.saved;
    plot.euclideanPlane = !s.minkowski;
    plot.minkowskiPlane = s.minkowski;
    plot.animationForward = s.animationForward;
}

// The fields show the session's values; the step field's own handler reads
// its new text back to the same step.
void ShowFields(TForm1 &form, const Session &s)
{
    ShowInField(form.pedalXEdit, FloatToStr(s.pedalX));
    ShowInField(form.pedalYEdit, FloatToStr(s.pedalY));
    ShowInField(form.selectedTEdit, FloatToStr(s.selectedT));
    ShowInField(form.tMinEdit, FloatToStr(s.tMin));
    ShowInField(form.tMaxEdit, FloatToStr(s.tMax));
    ShowInField(form.stepEdit, FloatToStr(s.step));
}

}  // namespace

Session TForm1::CaptureSession() const
{
    Session s;
    // A window beyond a screen's size (several screens) is kept at the largest a session holds.
    s.clientWidth = std::min(ClientWidth(), MaxSessionWindowSide);
    s.clientHeight = std::min(ClientHeight(), MaxSessionWindowSide);
    int &shorter = s.clientWidth < s.clientHeight ? s.clientWidth : s.clientHeight;
    shorter = std::min(shorter, MaxSessionWindowShortSide);
    // While "Own curve..." is open the list shows it; the curve shown is the one before.
    const CurveRow *curve = SelectedCurve() ? SelectedCurve() : CurveOfItem(shownCurve);
    s.curve = SessionCurveOf(*curve);
    s.trackMin = selectedPointTrack->Min();
    s.trackMax = selectedPointTrack->Max();
    s.trackPosition = selectedPointTrack->Position();
    CaptureToggles(*this, s);
    CapturePlot(s);
    return s;
}

void TForm1::ShowSession(const OpenedSession &opened)
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
    ShowPlot(s);
    ShowViewEdges();
    selectedPointTrack->SetMin(s.trackMin);
    selectedPointTrack->SetMax(s.trackMax);
    selectedPointTrack->SetPosition(s.trackPosition);
    ShowToggles(*this, s);
    ShowFields(*this, s);
    Picture->Invalidate();
    Redraw();
}

// A typed curve opened joins the remembered ones, as one typed in would; an
// export from the command line leaves them alone.
void TForm1::OpenSessionFile(const QString &path)
{
    const OpenedSession opened = ReadSessionFile(path);
    ShowSession(opened);
    if (opened.curve.typed)
        SaveTypedCurves(typedCurves);
}

void TForm1::SaveSessionClick()
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

void TForm1::OpenSessionClick()
{
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open session"), QString(),
                                                      SessionFilter + QStringLiteral(";;All files (*)"));
    if (!path.isEmpty())
        OpenSessionFile(path);
}

void TForm1::AddSessionMenu()
{
    AddPictureAction(QStringLiteral("Save session\u2026"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                     &TForm1::SaveSessionClick);
    AddPictureAction(QStringLiteral("Open session\u2026"), QKeySequence(Qt::CTRL | Qt::Key_O),
                     &TForm1::OpenSessionClick);
}

// Typed curves in the curve list: the remembered ones after the ten built-in
// curves, and "Own curve..." last, which opens the dialog.
#include <QAbstractItemView>
#include <QFontMetrics>
#include <stdexcept>

#include "maths/TypedCurve.h"
#include "window/FormulasDialog.h"
#include "window/MainWindow.h"
#include "window/OwnCurveDialog.h"
#include "window/TypedCurveSettings.h"
#include "window/controls/Adapters.h"

namespace {

const QString OwnCurveItem = QStringLiteral("Own curve...");

// The list opens wide enough for a formula, however narrow the box.
void WidenPopup(CurveListBox *list)
{
    int widest = 0;
    const QFontMetrics metrics(list->view()->font());
    for (int i = 0; i < list->count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(list->itemText(i)));
    list->view()->setMinimumWidth(std::min(widest + 40, 600));
}

}  // namespace

std::shared_ptr<const CurveRow> MainWindow::CurveOfItem(int index) const
{
    if (index < CurveCount())
        return SharedCurveAt(index);
    const size_t typed = size_t(index - CurveCount());
    return typed < typedCurves.size() ? SharedRowOf(typedCurves[typed]) : nullptr;
}

std::shared_ptr<const CurveRow> MainWindow::SelectedCurve() const
{
    return CurveOfItem(curveList->currentIndex());
}

void MainWindow::FillCurveList()
{
    const int shown = curveList->currentIndex();
    curveList->clear();
    curveList->addItems(CurveNames());
    for (const auto &curve : typedCurves) {
        const QString name = QString::fromStdString(curve->Row().name);
        curveList->addItem(name);
        curveList->setItemData(curveList->count() - 1, name, Qt::ToolTipRole);
    }
    curveList->addItem(OwnCurveItem);
    WidenPopup(curveList);
    curveList->setCurrentIndex(std::max(shown, 0));
}

void MainWindow::OwnCurveClick()
{
    // Back to the curve shown while the dialog is open: Cancel changes nothing.
    curveList->setCurrentIndex(shownCurve);
    // A typed curve shown is the one to edit, in the range it is shown in;
    // otherwise the dialog starts from an example.
    const CurveRow *shown = scene.curve.get();
    TypedCurveText start;
    if (shown && shown->typed) {
        start = shown->typed->Text();
        start.tMin = scene.tMin;
        start.tMax = scene.tMax;
    }
    OwnCurveDialog dialog(this, start);
    if (dialog.exec() != QDialog::Accepted || !dialog.Curve())
        return;
    Remember(typedCurves, dialog.Curve());
    SaveTypedCurves(typedCurves);
    FillCurveList();
    curveList->setCurrentIndex(CurveCount());
    CurveListChange();
    Redraw();
}

void MainWindow::FormulasClick()
{
    FormulasDialog dialog(this, scene, CaptureSession());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const TypedCurveBuild build = BuildTypedCurve(dialog.ChosenCurve());
    if (!build.curve)
        throw std::runtime_error("The formula could not be taken as an own curve: " + build.error + ".");
    Remember(typedCurves, build.curve);
    SaveTypedCurves(typedCurves);
    FillCurveList();
    curveList->setCurrentIndex(CurveCount());
    CurveListChange();
    Redraw();
}

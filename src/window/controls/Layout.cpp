// The three control panels and every control at its designed place.
#include <QAbstractButton>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimer>

#include "drawing/WindowLayout.h"
#include "maths/Curves.h"
#include "window/MainWindow.h"
#include "window/PictureBox.h"
#include "window/TypedCurveSettings.h"
#include "window/controls/Adapters.h"

namespace {

QFont PalatinoFont(int pixelHeight, bool bold, bool italic)
{
    QFont font(QStringLiteral("Palatino Linotype"));
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

template <class Control>
Control *Place(Control *control, const char *name, int left, int top, int width, int height)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(left, top, width, height);
    return control;
}

// Labels size themselves to their caption; the height stays as laid out.
QLabel *MakeLabel(QWidget *panel, const char *name, int left, int top, int width, int height, const char *caption,
                  int fontPixels, bool bold = true)
{
    QLabel *label = Place(new QLabel(QString::fromLatin1(caption), panel), name, left, top, width, height);
    label->setFont(PalatinoFont(fontPixels, bold, true));
    label->resize(std::max(width, label->sizeHint().width()), height);
    return label;
}

QCheckBox *MakeCheckBox(QWidget *panel, const char *name, int left, int top, int width, int height, const char *caption,
                        bool checked)
{
    QCheckBox *box = Place(new QCheckBox(QString::fromLatin1(caption), panel), name, left, top, width, height);
    box->setFont(PalatinoFont(13, true, true));
    box->setChecked(checked);
    // The caption stays whole where this font runs wider than the layout's.
    box->resize(std::max(width, box->sizeHint().width()), height);
    return box;
}

QPushButton *MakeButton(QWidget *panel, const char *name, int left, int top)
{
    QPushButton *button = Place(new QPushButton(QStringLiteral("Set"), panel), name, left, top, 75, 25);
    button->setFont(PalatinoFont(13, true, true));
    return button;
}

// The tooltip says what the field is for and shows its whole text, so a number
// longer than the narrow field can be read.
QLineEdit *MakeEdit(QWidget *panel, const char *name, int left, int top, int width, const QString &text,
                    const char *purpose)
{
    QLineEdit *edit = Place(new QLineEdit(panel), name, left, top, width, 23);
    const QString what = QString::fromLatin1(purpose);
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit, what](const QString &shown) {
        edit->setToolTip(shown.isEmpty() ? what : what + QStringLiteral(": ") + shown);
    });
    ShowInField(edit, text);
    return edit;
}

Spinner *MakeUpDown(QWidget *panel, const char *name, int left, int top)
{
    return Place(new Spinner(panel), name, left, top, 35, 20);
}

QFrame *MakeDivider(QWidget *panel, const char *name, int left, int top, int height)
{
    QFrame *line = Place(new QFrame(panel), name, left, top, 1, height);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, QColor(0xA0, 0xA0, 0xA4));  // medium grey
    line->setPalette(palette);
    line->setCursor(Qt::SplitHCursor);
    return line;
}

// Tab moves through a panel's controls in this order.
void TabChain(std::initializer_list<QWidget *> chain)
{
    for (auto it = chain.begin(); it + 1 != chain.end(); ++it)
        QWidget::setTabOrder(*it, *(it + 1));
}

// Initial texts in the locale's own decimal separator, so they convert.
QString DecimalText(const char *integerPart, const char *fraction)
{
    return QString::fromLatin1(integerPart) + QLocale().decimalPoint() + QString::fromLatin1(fraction);
}

// One line on what each control does; the edit fields say it in MakeEdit,
// with their text. A spinner's arrows show their spinner's tooltip.
void DescribeControls(MainWindow &form)
{
    const std::pair<QWidget *, const char *> tips[] = {
        {form.gridCheck, "Draw the half-unit grid with numbered lines, or only the axes"},
        {form.tangentNormalCheck, "Draw the tangent at the selected point and the perpendicular from P to it"},
        {form.selectedPointCheck, "Mark the selected point Q and the foot F of the perpendicular"},
        {form.singularTangentsCheck, "Draw the tangent of the pedal curve at its singular point"},
        {form.euclideanCheck, "Work in the Euclidean plane (inner product u1v1 + u2v2)"},
        {form.minkowskiCheck, "Work in the Minkowski plane (inner product u1v1 - u2v2)"},
        {form.animationCheck, "Run the selected point back and forth along the curve"},
        {form.stepSpinner, "Move the selected point by the step (left: back, right: on)"},
        {form.xMinSpinner, "Move the left edge x min by 0.5 (left: down, right: up)"},
        {form.xMaxSpinner, "Move the right edge x max by 0.5 (left: down, right: up)"},
        {form.yMinSpinner, "Move the bottom edge y min by 0.5 (left: down, right: up)"},
        {form.yMaxSpinner, "Move the top edge y max by 0.5 (left: down, right: up)"},
        {form.pedalPointSetButton, "Move the pedal point P to x, y"},
        {form.selectedPointSetButton, "Select the point of the curve at t"},
        {form.rangeSetButton, "Trace the curve from the start to the end of the range"},
        {form.curveList, "Choose the curve; it gets its own parameter range"},
        {form.selectedPointTrack, "The selected point, in hundredths of t"},
    };
    for (const auto &[control, tip] : tips)
        control->setToolTip(QString::fromLatin1(tip));
    form.Picture->setToolTip(QString::fromUtf8(
        u8"Left drag: move P \u00b7 Wheel: zoom \u00b7 Middle or Shift+left drag: pan \u00b7 Home: reset view \u00b7 "
        u8"Arrows: move P"));
}

}  // namespace

void MainWindow::BuildPanels()
{
    // The panels of the designed client area; PlacePanels keeps them there on a resize.
    const int freeHeight = DesignedClientHeight - PedalPanelHeight - ParameterPanelHeight;
    drawingPanel =
        Place(new QWidget(this), "drawingPanel", DesignedClientWidth - RightPanelWidth, 0, RightPanelWidth, freeHeight);
    parameterPanel =
        Place(new QWidget(this), "parameterPanel", 0, freeHeight, DesignedClientWidth, ParameterPanelHeight);
    pedalPanel = Place(new QWidget(this), "pedalPanel", 0, DesignedClientHeight - PedalPanelHeight, DesignedClientWidth,
                       PedalPanelHeight);

    QWidget *p = drawingPanel;
    drawingSettingsLabel = MakeLabel(p, "drawingSettingsLabel", 19, 15, 124, 21, "Drawing settings:", 16);
    xMaxLabel = MakeLabel(p, "xMaxLabel", 20, 90, 40, 20, "x max", 15);
    xMinLabel = MakeLabel(p, "xMinLabel", 20, 55, 36, 20, "x min", 15);
    yMinLabel = MakeLabel(p, "yMinLabel", 160, 55, 36, 20, "y min", 15);
    yMaxLabel = MakeLabel(p, "yMaxLabel", 160, 90, 40, 20, "y max", 15);
    curveSelectionLabel = MakeLabel(p, "curveSelectionLabel", 20, 240, 105, 20, "Curve selection:", 15);
    xMinValueLabel = MakeLabel(p, "xMinValueLabel", 70, 55, 14, 20, "-3", 15);
    xMaxValueLabel = MakeLabel(p, "xMaxValueLabel", 70, 90, 8, 20, "3", 15);
    yMinValueLabel = MakeLabel(p, "yMinValueLabel", 210, 55, 14, 20, "-3", 15);
    yMaxValueLabel = MakeLabel(p, "yMaxValueLabel", 210, 90, 8, 20, "3", 15);
    tMinLabel = MakeLabel(p, "tMinLabel", 20, 165, 34, 20, "t min", 15);
    tMaxLabel = MakeLabel(p, "tMaxLabel", 20, 200, 38, 20, "t max", 15);
    gridCheck = MakeCheckBox(p, "gridCheck", 20, 130, 106, 20, "Draw grid", true);
    curveList = Place(new CurveListBox(p), "curveList", 130, 240, 150, 23);
    typedCurves = LoadTypedCurves();
    FillCurveList();
    curveList->setCurrentIndex(0);
    curveList->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
    xMinSpinner = MakeUpDown(p, "xMinSpinner", 105, 55);
    xMaxSpinner = MakeUpDown(p, "xMaxSpinner", 105, 90);
    yMinSpinner = MakeUpDown(p, "yMinSpinner", 245, 55);
    yMaxSpinner = MakeUpDown(p, "yMaxSpinner", 245, 90);
    euclideanCheck = MakeCheckBox(p, "euclideanCheck", 20, 400, 120, 20, "Euclidean plane", true);
    minkowskiCheck = MakeCheckBox(p, "minkowskiCheck", 150, 400, 130, 20, "Minkowski plane", false);
    tMinEdit = MakeEdit(p, "tMinEdit", 100, 165, 30, QStringLiteral("0"), "Start of the parameter range");
    tMaxEdit = MakeEdit(p, "tMaxEdit", 100, 200, 30, DecimalText("6", "28"), "End of the parameter range");
    rangeSetButton = MakeButton(p, "rangeSetButton", 170, 180);
    TabChain({gridCheck, xMinSpinner, xMaxSpinner, yMinSpinner, yMaxSpinner, euclideanCheck, minkowskiCheck, tMinEdit,
              tMaxEdit, rangeSetButton});
    // The free area between the curve list and the plane boxes; not a tab stop.
    Readout = Place(new QLabel(p), "Readout", 20, 270, 260, 125);
    Readout->setFont(PalatinoFont(11, false, true));
    Readout->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Readout->setTextFormat(Qt::PlainText);
    Readout->setWordWrap(true);  // a line of two long numbers breaks at a blank, not cut off

    p = parameterPanel;
    tangentNormalTitleLabel =
        MakeLabel(p, "tangentNormalTitleLabel", 605, 8, 259, 21, "Tangent and normal line of the curve", 16);
    pointSelectionTitleLabel =
        MakeLabel(p, "pointSelectionTitleLabel", 170, 8, 227, 21, "Selection of a point on the curve", 16);
    bottomPanelSplitter = MakeDivider(p, "bottomPanelSplitter", 584, 1, 143);
    selectedPointTitleLabel = MakeLabel(p, "selectedPointTitleLabel", 16, 85, 83, 18, "Selected point:", 13);
    selectedTValueLabel = MakeLabel(p, "selectedTValueLabel", 114, 85, 21, 18, "t =0", 13, false);
    selectedTLabel = MakeLabel(p, "selectedTLabel", 114, 115, 5, 18, "t", 13);
    stepLabel = MakeLabel(p, "stepLabel", 510, 37, 25, 18, "Step", 13);
    selectedPointTrack = Place(new TrackBar(p), "selectedPointTrack", 8, 37, 457, 33);
    selectedPointTrack->SetMin(0);
    selectedPointTrack->SetMax(628);
    selectedPointTrack->SetPosition(0);
    selectedPointTrack->setTickInterval(5);
    stepSpinner = MakeUpDown(p, "stepSpinner", 465, 37);
    tangentNormalCheck =
        MakeCheckBox(p, "tangentNormalCheck", 603, 64, 273, 17, "Draw tangent and normal line of the curve", false);
    selectedPointCheck = MakeCheckBox(p, "selectedPointCheck", 435, 114, 139, 17, "Draw selected point", false);
    selectedTEdit =
        MakeEdit(p, "selectedTEdit", 134, 115, 30, QStringLiteral("0"), "Parameter t of the selected point");
    selectedPointSetButton = MakeButton(p, "selectedPointSetButton", 194, 114);
    stepEdit = MakeEdit(p, "stepEdit", 545, 37, 35, DecimalText("0", "05"), "Step of the arrows beside the bar, in t");
    TabChain({stepSpinner, tangentNormalCheck, selectedPointCheck, selectedTEdit, selectedPointSetButton, stepEdit});

    p = pedalPanel;
    pedalCurveTitleLabel =
        MakeLabel(p, "pedalCurveTitleLabel", 105, 4, 227, 21, "Pedal curve of the selected curve", 16);
    pedalPointTitleLabel = MakeLabel(p, "pedalPointTitleLabel", 16, 30, 69, 18, "Pedal point:", 13);
    pedalXLabel = MakeLabel(p, "pedalXLabel", 100, 60, 7, 18, "x", 13);
    pedalYLabel = MakeLabel(p, "pedalYLabel", 170, 60, 7, 18, "y", 13);
    pedalPointValueLabel = MakeLabel(p, "pedalPointValueLabel", 100, 30, 34, 18, "( 0, 0 )", 13, false);
    rightPanelSplitter = MakeDivider(p, "rightPanelSplitter", 1, 1, 98);
    animationCheck = MakeCheckBox(p, "animationCheck", 435, 30, 113, 17, "Start animation", false);
    pedalXEdit = MakeEdit(p, "pedalXEdit", 120, 60, 30, QStringLiteral("0"), "x of the pedal point P");
    pedalYEdit = MakeEdit(p, "pedalYEdit", 190, 60, 30, QStringLiteral("0"), "y of the pedal point P");
    pedalPointSetButton = MakeButton(p, "pedalPointSetButton", 250, 59);
    singularTangentsCheck = MakeCheckBox(p, "singularTangentsCheck", 603, 30, 305, 17,
                                         "Draw tangent line at singular point of pedal curve", false);
    TabChain({animationCheck, pedalXEdit, pedalYEdit, pedalPointSetButton, singularTangentsCheck});

    tickTimer = new QTimer(this);
    tickTimer->setObjectName(QStringLiteral("tickTimer"));
    tickTimer->setInterval(AnimationTickMs);
}

void MainWindow::ConnectKeyboard()
{
    // Return in a field does what its "Set" button does.
    const std::pair<QLineEdit *, QPushButton *> returns[] = {{pedalXEdit, pedalPointSetButton},
                                                             {pedalYEdit, pedalPointSetButton},
                                                             {selectedTEdit, selectedPointSetButton},
                                                             {tMinEdit, rangeSetButton},
                                                             {tMaxEdit, rangeSetButton}};
    for (const auto &[edit, button] : returns)
        connect(edit, &QLineEdit::returnPressed, button, &QPushButton::click);

    // Assistive tools read each field and spinner by the label beside it.
    const std::pair<QWidget *, QLabel *> named[] = {{pedalXEdit, pedalXLabel},
                                                    {pedalYEdit, pedalYLabel},
                                                    {selectedTEdit, selectedTLabel},
                                                    {tMinEdit, tMinLabel},
                                                    {tMaxEdit, tMaxLabel},
                                                    {stepEdit, stepLabel},
                                                    {stepSpinner, stepLabel},
                                                    {xMinSpinner, xMinLabel},
                                                    {xMaxSpinner, xMaxLabel},
                                                    {yMinSpinner, yMinLabel},
                                                    {yMaxSpinner, yMaxLabel},
                                                    {curveList, curveSelectionLabel},
                                                    {selectedPointTrack, selectedPointTitleLabel}};
    for (const auto &[control, label] : named)
        control->setAccessibleName(label->text());
    for (QAbstractButton *button : findChildren<QAbstractButton *>())
        if (!button->text().isEmpty())
            button->setAccessibleName(button->text());
    for (QLabel *label : findChildren<QLabel *>())
        label->setAccessibleName(label->text());
    // Its text changes every frame; ShowReadout keeps it as the description.
    Readout->setAccessibleName(QStringLiteral("Readout"));
    DescribeControls(*this);
    pedalPointSetButton->setAccessibleDescription(QStringLiteral("Set the pedal point"));
    selectedPointSetButton->setAccessibleDescription(QStringLiteral("Set the selected point"));
    rangeSetButton->setAccessibleDescription(QStringLiteral("Set the parameter range"));
}

void MainWindow::PlacePanels()
{
    const int w = ClientWidth();
    const int h = ClientHeight();
    pedalPanel->setGeometry(0, h - PedalPanelHeight, w, PedalPanelHeight);
    parameterPanel->setGeometry(0, h - PedalPanelHeight - ParameterPanelHeight, w, ParameterPanelHeight);
    const int freeHeight = std::max(0, h - PanelsHeight);
    drawingPanel->setGeometry(w - RightPanelWidth, 0, RightPanelWidth, freeHeight);
    Picture->setGeometry(0, 0, std::max(0, w - PanelsWidth), freeHeight);
    PlaceLayerGroup();
}

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
#include "window/Form1.h"
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

TUpDown *MakeUpDown(QWidget *panel, const char *name, int left, int top)
{
    return Place(new TUpDown(panel), name, left, top, 35, 20);
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
void DescribeControls(TForm1 &form)
{
    const std::pair<QWidget *, const char *> tips[] = {
        {form.CheckBox1, "Draw the half-unit grid with numbered lines, or only the axes"},
        {form.CheckBox2, "Draw the tangent at the selected point and the perpendicular from P to it"},
        {form.CheckBox3, "Mark the selected point Q and the foot F of the perpendicular"},
        {form.CheckBox4, "Draw the tangent of the pedal curve at its singular point"},
        {form.CheckBox5, "Work in the Euclidean plane (inner product u1v1 + u2v2)"},
        {form.CheckBox6, "Work in the Minkowski plane (inner product u1v1 - u2v2)"},
        {form.CheckBox7, "Run the selected point back and forth along the curve"},
        {form.UpDown1, "Move the selected point by the step (left: back, right: on)"},
        {form.UpDown2, "Move the left edge x min by 0.5 (left: down, right: up)"},
        {form.UpDown3, "Move the right edge x max by 0.5 (left: down, right: up)"},
        {form.UpDown4, "Move the bottom edge y min by 0.5 (left: down, right: up)"},
        {form.UpDown5, "Move the top edge y max by 0.5 (left: down, right: up)"},
        {form.Button1, "Move the pedal point P to x, y"},
        {form.Button2, "Select the point of the curve at t"},
        {form.Button3, "Trace the curve from the start to the end of the range"},
        {form.ComboBox1, "Choose the curve; it gets its own parameter range"},
        {form.TrackBar1, "The selected point, in hundredths of t"},
    };
    for (const auto &[control, tip] : tips)
        control->setToolTip(QString::fromLatin1(tip));
    form.Picture->setToolTip(QString::fromUtf8(
        u8"Left drag: move P \u00b7 Wheel: zoom \u00b7 Middle or Shift+left drag: pan \u00b7 Home: reset view \u00b7 "
        u8"Arrows: move P"));
}

}  // namespace

void TForm1::BuildPanels()
{
    // The panels of the designed client area; PlacePanels keeps them there on a resize.
    const int freeHeight = DesignedClientHeight - PedalPanelHeight - ParameterPanelHeight;
    Panel2 = Place(new QWidget(this), "Panel2", DesignedClientWidth - RightPanelWidth, 0, RightPanelWidth, freeHeight);
    Panel3 = Place(new QWidget(this), "Panel3", 0, freeHeight, DesignedClientWidth, ParameterPanelHeight);
    Panel4 = Place(new QWidget(this), "Panel4", 0, DesignedClientHeight - PedalPanelHeight, DesignedClientWidth,
                   PedalPanelHeight);

    QWidget *p = Panel2;
    Label10 = MakeLabel(p, "Label10", 19, 15, 124, 21, "Drawing settings:", 16);
    Label11 = MakeLabel(p, "Label11", 20, 90, 40, 20, "x max", 15);
    Label12 = MakeLabel(p, "Label12", 20, 55, 36, 20, "x min", 15);
    Label13 = MakeLabel(p, "Label13", 160, 55, 36, 20, "y min", 15);
    Label14 = MakeLabel(p, "Label14", 160, 90, 40, 20, "y max", 15);
    Label1 = MakeLabel(p, "Label1", 20, 240, 105, 20, "Curve selection:", 15);
    Label2 = MakeLabel(p, "Label2", 70, 55, 14, 20, "-3", 15);
    Label3 = MakeLabel(p, "Label3", 70, 90, 8, 20, "3", 15);
    Label4 = MakeLabel(p, "Label4", 210, 55, 14, 20, "-3", 15);
    Label5 = MakeLabel(p, "Label5", 210, 90, 8, 20, "3", 15);
    Label9 = MakeLabel(p, "Label9", 20, 165, 34, 20, "t min", 15);
    Label16 = MakeLabel(p, "Label16", 20, 200, 38, 20, "t max", 15);
    CheckBox1 = MakeCheckBox(p, "CheckBox1", 20, 130, 106, 20, "Draw grid", true);
    ComboBox1 = Place(new TComboBox(p), "ComboBox1", 130, 240, 150, 23);
    typedCurves = LoadTypedCurves();
    FillCurveList();
    ComboBox1->setCurrentIndex(0);
    ComboBox1->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
    UpDown2 = MakeUpDown(p, "UpDown2", 105, 55);
    UpDown3 = MakeUpDown(p, "UpDown3", 105, 90);
    UpDown4 = MakeUpDown(p, "UpDown4", 245, 55);
    UpDown5 = MakeUpDown(p, "UpDown5", 245, 90);
    CheckBox5 = MakeCheckBox(p, "CheckBox5", 20, 400, 120, 20, "Euclidean plane", true);
    CheckBox6 = MakeCheckBox(p, "CheckBox6", 150, 400, 130, 20, "Minkowski plane", false);
    Edit4 = MakeEdit(p, "Edit4", 100, 165, 30, QStringLiteral("0"), "Start of the parameter range");
    Edit5 = MakeEdit(p, "Edit5", 100, 200, 30, DecimalText("6", "28"), "End of the parameter range");
    Button3 = MakeButton(p, "Button3", 170, 180);
    TabChain({CheckBox1, UpDown2, UpDown3, UpDown4, UpDown5, CheckBox5, CheckBox6, Edit4, Edit5, Button3});
    // The free area between the curve list and the plane boxes; not a tab stop.
    Readout = Place(new QLabel(p), "Readout", 20, 270, 260, 125);
    Readout->setFont(PalatinoFont(11, false, true));
    Readout->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Readout->setTextFormat(Qt::PlainText);
    Readout->setWordWrap(true);  // a line of two long numbers breaks at a blank, not cut off

    p = Panel3;
    Label15 = MakeLabel(p, "Label15", 605, 8, 259, 21, "Tangent and normal line of the curve", 16);
    Label21 = MakeLabel(p, "Label21", 170, 8, 227, 21, "Selection of a point on the curve", 16);
    Splitter2 = MakeDivider(p, "Splitter2", 584, 1, 143);
    Label6 = MakeLabel(p, "Label6", 16, 85, 83, 18, "Selected point:", 13);
    Label7 = MakeLabel(p, "Label7", 114, 85, 21, 18, "t =0", 13, false);
    Label8 = MakeLabel(p, "Label8", 114, 115, 5, 18, "t", 13);
    Label17 = MakeLabel(p, "Label17", 510, 37, 25, 18, "Step", 13);
    TrackBar1 = Place(new TTrackBar(p), "TrackBar1", 8, 37, 457, 33);
    TrackBar1->SetMin(0);
    TrackBar1->SetMax(628);
    TrackBar1->SetPosition(0);
    TrackBar1->setTickInterval(5);
    UpDown1 = MakeUpDown(p, "UpDown1", 465, 37);
    CheckBox2 = MakeCheckBox(p, "CheckBox2", 603, 64, 273, 17, "Draw tangent and normal line of the curve", false);
    CheckBox3 = MakeCheckBox(p, "CheckBox3", 435, 114, 139, 17, "Draw selected point", false);
    Edit3 = MakeEdit(p, "Edit3", 134, 115, 30, QStringLiteral("0"), "Parameter t of the selected point");
    Button2 = MakeButton(p, "Button2", 194, 114);
    Edit6 = MakeEdit(p, "Edit6", 545, 37, 35, DecimalText("0", "05"), "Step of the arrows beside the bar, in t");
    TabChain({UpDown1, CheckBox2, CheckBox3, Edit3, Button2, Edit6});

    p = Panel4;
    Label22 = MakeLabel(p, "Label22", 105, 4, 227, 21, "Pedal curve of the selected curve", 16);
    Label23 = MakeLabel(p, "Label23", 16, 30, 69, 18, "Pedal point:", 13);
    Label24 = MakeLabel(p, "Label24", 100, 60, 7, 18, "x", 13);
    Label25 = MakeLabel(p, "Label25", 170, 60, 7, 18, "y", 13);
    Label28 = MakeLabel(p, "Label28", 100, 30, 34, 18, "( 0, 0 )", 13, false);
    Splitter1 = MakeDivider(p, "Splitter1", 1, 1, 98);
    CheckBox7 = MakeCheckBox(p, "CheckBox7", 435, 30, 113, 17, "Start animation", false);
    Edit1 = MakeEdit(p, "Edit1", 120, 60, 30, QStringLiteral("0"), "x of the pedal point P");
    Edit2 = MakeEdit(p, "Edit2", 190, 60, 30, QStringLiteral("0"), "y of the pedal point P");
    Button1 = MakeButton(p, "Button1", 250, 59);
    CheckBox4 =
        MakeCheckBox(p, "CheckBox4", 603, 30, 305, 17, "Draw tangent line at singular point of pedal curve", false);
    TabChain({CheckBox7, Edit1, Edit2, Button1, CheckBox4});

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
}

void TForm1::ConnectKeyboard()
{
    // Return in a field does what its "Set" button does.
    const std::pair<QLineEdit *, QPushButton *> returns[] = {
        {Edit1, Button1}, {Edit2, Button1}, {Edit3, Button2}, {Edit4, Button3}, {Edit5, Button3}};
    for (const auto &[edit, button] : returns)
        connect(edit, &QLineEdit::returnPressed, button, &QPushButton::click);

    // Assistive tools read each field and spinner by the label beside it.
    const std::pair<QWidget *, QLabel *> named[] = {
        {Edit1, Label24},   {Edit2, Label25},    {Edit3, Label8},    {Edit4, Label9},    {Edit5, Label16},
        {Edit6, Label17},   {UpDown1, Label17},  {UpDown2, Label12}, {UpDown3, Label11}, {UpDown4, Label13},
        {UpDown5, Label14}, {ComboBox1, Label1}, {TrackBar1, Label6}};
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
    Button1->setAccessibleDescription(QStringLiteral("Set the pedal point"));
    Button2->setAccessibleDescription(QStringLiteral("Set the selected point"));
    Button3->setAccessibleDescription(QStringLiteral("Set the parameter range"));
}

void TForm1::PlacePanels()
{
    const int w = ClientWidth();
    const int h = ClientHeight();
    Panel4->setGeometry(0, h - PedalPanelHeight, w, PedalPanelHeight);
    Panel3->setGeometry(0, h - PedalPanelHeight - ParameterPanelHeight, w, ParameterPanelHeight);
    const int freeHeight = std::max(0, h - PanelsHeight);
    Panel2->setGeometry(w - RightPanelWidth, 0, RightPanelWidth, freeHeight);
    Picture->setGeometry(0, 0, std::max(0, w - PanelsWidth), freeHeight);
}

#include "window/OwnCurveDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "model/NumberText.h"
#include "window/ExceptionBox.h"

namespace {

constexpr double Pi = 3.14159265358979323846;

struct Example {
    const char *name;
    TypedKind kind;
    const char *first;
    const char *second;
    double tMin;
    double tMax;
};

const Example Examples[] = {
    {"Astroid", TypedKind::Parametric, "cos(t)^3", "sin(t)^3", 0, 2 * Pi},
    {"Cardioid", TypedKind::Polar, "1+cos(t)", "", 0, 2 * Pi},
    {"Deltoid", TypedKind::Parametric, "2*cos(t)+cos(2*t)", "2*sin(t)-sin(2*t)", 0, 2 * Pi},
    {"Nephroid", TypedKind::Parametric, "3*cos(t)-cos(3*t)", "3*sin(t)-sin(3*t)", 0, 2 * Pi},
    {"Cycloid", TypedKind::Parametric, "t-sin(t)", "1-cos(t)", 0, 4 * Pi},
    {"Lemniscate of Bernoulli", TypedKind::Polar, "sqrt(cos(2*t))", "", 0, 2 * Pi},
    {"Witch of Agnesi", TypedKind::Graph, "8/(x^2+4)", "", -5, 5},
    {"Tschirnhausen cubic", TypedKind::Parametric, "3*(3-t^2)", "t*(3-t^2)", -3.5, 3.5},
};

// The example list starts with its caption, so item i + 1 is example i.
constexpr int FirstExampleItem = 1;

TypedCurveText ExampleText(const Example &example)
{
    return {example.kind, example.first, example.second, float(example.tMin), float(example.tMax)};
}

template <typename Control>
Control *Named(Control *control, const char *name)
{
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

}  // namespace

OwnCurveDialog::OwnCurveDialog(QWidget *parent, const TypedCurveText &start) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Own curve"));
    CreateControls();
    LayOutControls();
    DescribeControls();
    Connect();
    // With no formula yet, the first example shows how one is written.
    Fill(start.first.empty() ? ExampleText(Examples[0]) : start);
}

void OwnCurveDialog::CreateControls()
{
    KindLabel = Named(new QLabel(QStringLiteral("Kind"), this), "KindLabel");
    KindBox = Named(new QComboBox(this), "KindBox");
    // In the order of TypedKind.
    KindBox->addItems(
        {QStringLiteral("Parametric: x(t), y(t)"), QStringLiteral("Graph: y = f(x)"), QStringLiteral("Polar: r(t)")});
    FirstLabel = Named(new QLabel(this), "FirstLabel");
    FirstEdit = Named(new QLineEdit(this), "FirstEdit");
    FirstMessage = Named(new QLabel(this), "FirstMessage");
    SecondLabel = Named(new QLabel(QStringLiteral("y(t) ="), this), "SecondLabel");
    SecondEdit = Named(new QLineEdit(this), "SecondEdit");
    SecondMessage = Named(new QLabel(this), "SecondMessage");
    TMinLabel = Named(new QLabel(QStringLiteral("t min"), this), "TMinLabel");
    TMinEdit = Named(new QLineEdit(this), "TMinEdit");
    TMaxLabel = Named(new QLabel(QStringLiteral("t max"), this), "TMaxLabel");
    TMaxEdit = Named(new QLineEdit(this), "TMaxEdit");
    ExampleBox = Named(new QComboBox(this), "ExampleBox");
    ExampleBox->addItem(QStringLiteral("Examples..."));
    for (const Example &example : Examples)
        ExampleBox->addItem(QString::fromLatin1(example.name));
    Buttons = Named(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this), "Buttons");

    for (QLabel *message : {FirstMessage, SecondMessage}) {
        QPalette red = message->palette();
        red.setColor(QPalette::WindowText, Qt::red);
        message->setPalette(red);
        message->setWordWrap(true);
        // A long faulty name wraps or is cut off rather than widening the dialog.
        message->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
}

void OwnCurveDialog::LayOutControls()
{
    auto *grid = new QGridLayout(this);
    const std::pair<QWidget *, QWidget *> rows[] = {
        {KindLabel, KindBox},     {FirstLabel, FirstEdit}, {nullptr, FirstMessage}, {SecondLabel, SecondEdit},
        {nullptr, SecondMessage}, {TMinLabel, TMinEdit},   {TMaxLabel, TMaxEdit},   {nullptr, ExampleBox},
    };
    int row = 0;
    for (const auto &[label, field] : rows) {
        if (label)
            grid->addWidget(label, row, 0);
        grid->addWidget(field, row++, 1);
    }
    grid->addWidget(Buttons, row, 0, 1, 2);
    grid->setColumnMinimumWidth(1, 320);
}

void OwnCurveDialog::DescribeControls()
{
    KindBox->setToolTip(QStringLiteral("The kind of curve: a pair of formulas in t, a graph over x, or a radius in t"));
    FirstEdit->setToolTip(QStringLiteral("The first formula; \".\" is the decimal point, pi and e are known"));
    SecondEdit->setToolTip(QStringLiteral("The formula for y in t"));
    TMinEdit->setToolTip(QStringLiteral("Where the parameter starts"));
    TMaxEdit->setToolTip(QStringLiteral("Where the parameter ends"));
    ExampleBox->setToolTip(QStringLiteral("Fill in a known curve with its range"));
    Buttons->button(QDialogButtonBox::Ok)->setToolTip(QStringLiteral("Add the curve with this range"));
    Buttons->button(QDialogButtonBox::Cancel)->setToolTip(QStringLiteral("Close without adding a curve"));
}

void OwnCurveDialog::Connect()
{
    connect(KindBox, &QComboBox::currentIndexChanged, this, [this] {
        ShowKind();
        CheckFormulas();
    });
    connect(FirstEdit, &QLineEdit::textChanged, this, &OwnCurveDialog::CheckFormulas);
    connect(SecondEdit, &QLineEdit::textChanged, this, &OwnCurveDialog::CheckFormulas);
    connect(ExampleBox, &QComboBox::activated, this, &OwnCurveDialog::FillExample);
    connect(Buttons, &QDialogButtonBox::accepted, this, &OwnCurveDialog::OnOk);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void OwnCurveDialog::Fill(const TypedCurveText &text)
{
    rangeMin = text.tMin;
    rangeMax = text.tMax;
    KindBox->setCurrentIndex(int(text.kind));
    FirstEdit->setText(QString::fromStdString(text.first));
    SecondEdit->setText(QString::fromStdString(text.second));
    TMinEdit->setText(FloatToStr(text.tMin));
    TMaxEdit->setText(FloatToStr(text.tMax));
    // The signals above are silent when a text does not change.
    ShowKind();
    CheckFormulas();
}

void OwnCurveDialog::FillExample(int index)
{
    if (index < FirstExampleItem)
        return;
    Fill(ExampleText(Examples[index - FirstExampleItem]));
    // Back to the caption: the fields may be edited away from the example.
    ExampleBox->setCurrentIndex(0);
}

TypedKind OwnCurveDialog::Kind() const
{
    return TypedKind(KindBox->currentIndex());
}

void OwnCurveDialog::ShowKind()
{
    switch (Kind()) {
    case TypedKind::Parametric:
        FirstLabel->setText(QStringLiteral("x(t) ="));
        break;
    case TypedKind::Graph:
        FirstLabel->setText(QStringLiteral("y ="));
        break;
    case TypedKind::Polar:
        FirstLabel->setText(QStringLiteral("r(t) ="));
        break;
    }
    const bool parametric = Kind() == TypedKind::Parametric;
    for (QWidget *control : std::initializer_list<QWidget *>{SecondLabel, SecondEdit, SecondMessage})
        control->setVisible(parametric);
}

void OwnCurveDialog::CheckFormulas()
{
    const TypedCurveBuild build = BuildTypedCurve(Text());
    ShowMessage(FirstMessage, build.field == 0 ? build.error : std::string());
    ShowMessage(SecondMessage, build.field == 1 ? build.error : std::string());
    if (!build.curve && build.field == 0 && Kind() == TypedKind::Parametric) {
        // The build stops at the first faulty formula; the second gets its
        // own message with a plain stand-in for the first.
        TypedCurveText alone = Text();
        alone.first = "t";
        ShowMessage(SecondMessage, BuildTypedCurve(alone).error);
    }
    Buttons->button(QDialogButtonBox::Ok)->setEnabled(build.curve != nullptr);
}

void OwnCurveDialog::ShowMessage(QLabel *message, const std::string &error)
{
    message->setText(QString::fromStdString(error));
}

TypedCurveText OwnCurveDialog::Text() const
{
    TypedCurveText text;
    text.kind = Kind();
    text.first = FirstEdit->text().toStdString();
    // A hidden second formula is kept in its field for a return to
    // parametric, but is no part of a graph or polar curve.
    if (text.kind == TypedKind::Parametric)
        text.second = SecondEdit->text().toStdString();
    text.tMin = rangeMin;
    text.tMax = rangeMax;
    return text;
}

void OwnCurveDialog::OnOk()
{
    try {
        const float tMin = StrToFloat(TMinEdit->text());
        const float tMax = StrToFloat(TMaxEdit->text());
        rangeMin = tMin;
        rangeMax = tMax;
    } catch (const EConvertError &failure) {
        ShowException(failure.Message());
        return;
    }
    curve = BuildTypedCurve(Text()).curve;
    if (curve)
        accept();
}

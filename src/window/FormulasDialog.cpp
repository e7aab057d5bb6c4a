#include "window/FormulasDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>


FormulasDialog::FormulasDialog(QWidget *parent, const Scene &scene)
    : QDialog(parent), formulas(SceneFormulas(scene)), tMin(scene.tMin), tMax(scene.tMax)
{
    setWindowTitle(QStringLiteral("Formulas"));
    setObjectName(QStringLiteral("formulasDialog"));
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    const std::pair<const char *, FormulaFormat> forms[] = {{"Copy as text", FormulaFormat::Text},
                                                            {"Copy as LaTeX", FormulaFormat::Latex},
                                                            {"Copy as Mathematica", FormulaFormat::Mathematica},
                                                            {"Copy as SymPy", FormulaFormat::Sympy}};
    for (const auto &[caption, format] : forms) {
        auto *copy = new QPushButton(QString::fromLatin1(caption), this);
        const FormulaFormat copied = format;
        connect(copy, &QPushButton::clicked, this,
                [this, copied] { QApplication::clipboard()->setText(QString::fromStdString(Printed(copied))); });
        top->addWidget(copy);
    }
    auto *equationsButton = new QPushButton(QStringLiteral("Implicit equations"), this);
    top->addStretch();
    top->addWidget(equationsButton);
    layout->addLayout(top);

    text = new QPlainTextEdit(this);
    text->setObjectName(QStringLiteral("formulaText"));
    text->setReadOnly(true);
    text->setMinimumSize(640, 240);
    layout->addWidget(text);

    auto *bottom = new QHBoxLayout;
    source = new QComboBox(this);
    source->setObjectName(QStringLiteral("ownCurveSource"));
    for (size_t i = 1; i < formulas.size(); ++i) {
        if (formulas[i].known)
            source->addItem(QString::fromStdString(formulas[i].name), int(i));
    }
    auto *take = new QPushButton(QStringLiteral("Own curve from this"), this);
    take->setObjectName(QStringLiteral("ownCurveFromThis"));
    take->setEnabled(source->count() > 0);
    auto *close = new QPushButton(QStringLiteral("Close"), this);
    bottom->addWidget(source);
    bottom->addWidget(take);
    bottom->addStretch();
    bottom->addWidget(close);
    layout->addLayout(bottom);

    connect(equationsButton, &QPushButton::clicked, this, [this] { FindEquations(); });
    connect(take, &QPushButton::clicked, this, [this] { TakeAsOwnCurve(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    ShowFormulas();
}

std::string FormulasDialog::Printed(FormulaFormat format) const
{
    std::string shown = PrintedFormulas(formulas, format);
    if (!equations.empty())
        shown += "\nimplicit equations:\n";
    for (size_t i = 0; i < equations.size(); ++i) {
        const ImplicitEquation &equation = equations[i];
        shown += formulas[i].name + ": ";
        shown += equation.found ? PrintedFormula(equation.equation, format) + " = 0\n"
                                : "no implicit equation: " + equation.problem + "\n";
    }
    return shown;
}

void FormulasDialog::ShowFormulas()
{
    text->setPlainText(QString::fromStdString(Printed(FormulaFormat::Text)));
}

// Elimination is bounded in degree before it starts, so it takes moments
// and runs here: GiNaC's expressions share counts no second thread may touch.
void FormulasDialog::FindEquations()
{
    equations.clear();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (const ExactFormula &f : formulas) {
        ImplicitEquation equation;
        if (f.known)
            equation = ImplicitEquationOf(f.x, f.y, f.t);
        else
            equation.problem = "too large";
        equations.push_back(equation);
    }
    QApplication::restoreOverrideCursor();
    ShowFormulas();
}

void FormulasDialog::TakeAsOwnCurve()
{
    const ExactFormula &f = formulas[size_t(source->currentData().toInt())];
    chosen = {TypedKind::Parametric, PrintedFormula(f.x, FormulaFormat::Text), PrintedFormula(f.y, FormulaFormat::Text),
              tMin, tMax};
    accept();
}

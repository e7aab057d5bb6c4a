#include "window/FormulasDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <sstream>

#include "maths/CurveFormulas.h"
#include "maths/Curves.h"
#include "maths/ImplicitEquation.h"

FormulasDialog::FormulasDialog(QWidget *parent, const Scene &scene)
    : QDialog(parent), formulas(SceneFormulas(scene)), tMin(scene.tMin), tMax(scene.tMax)
{
    setWindowTitle(QStringLiteral("Formulas"));
    setObjectName(QStringLiteral("formulasDialog"));
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    form = new QComboBox(this);
    form->setObjectName(QStringLiteral("formulaForm"));
    form->addItems(
        {QStringLiteral("Text"), QStringLiteral("LaTeX"), QStringLiteral("Mathematica"), QStringLiteral("SymPy")});
    auto *copy = new QPushButton(QStringLiteral("Copy"), this);
    auto *equationsButton = new QPushButton(QStringLiteral("Implicit equations"), this);
    top->addWidget(new QLabel(QStringLiteral("Form:"), this));
    top->addWidget(form);
    top->addWidget(copy);
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

    connect(form, &QComboBox::currentIndexChanged, this, [this] { ShowFormulas(); });
    connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(text->toPlainText()); });
    connect(equationsButton, &QPushButton::clicked, this, [this] { FindEquations(); });
    connect(take, &QPushButton::clicked, this, [this] { TakeAsOwnCurve(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    ShowFormulas();
}

FormulaFormat FormulasDialog::Format() const
{
    return FormulaFormat(form->currentIndex());
}

void FormulasDialog::ShowFormulas()
{
    std::string shown = PrintedFormulas(formulas, Format());
    for (const std::string &line : equations)
        shown += line;
    text->setPlainText(QString::fromStdString(shown));
}

// Elimination is bounded in degree before it starts, so it takes moments
// and runs here: GiNaC's expressions share counts no second thread may touch.
void FormulasDialog::FindEquations()
{
    equations.clear();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (const ExactFormula &f : formulas) {
        if (!f.known)
            continue;
        const ImplicitEquation equation = ImplicitEquationOf(f.x, f.y, f.t);
        std::ostringstream line;
        if (equation.found)
            line << f.name << ": " << PrintedFormula(equation.equation, Format()) << " = 0\n";
        else
            line << f.name << ": no implicit equation: " << equation.problem << "\n";
        equations.push_back(line.str());
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

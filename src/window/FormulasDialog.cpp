#include "window/FormulasDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QFile>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>
#include <stdexcept>

#include "window/MainWindow.h"

FormulasDialog::FormulasDialog(QWidget *parent, const Scene &scene, const Session &shown)
    : QDialog(parent), program(QCoreApplication::applicationFilePath()), formulas(SceneFormulas(scene)), session(shown),
      tMin(scene.tMin), tMax(scene.tMax)
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

    // "Own curve from this": a button for each formula but the curve's own.
    auto *bottom = new QHBoxLayout;
    for (size_t i = 1; i < formulas.size(); ++i) {
        auto *take =
            new QPushButton(QStringLiteral("Own curve from the ") + QString::fromStdString(formulas[i].name), this);
        take->setObjectName(QStringLiteral("ownCurveFrom%1").arg(i));
        take->setEnabled(formulas[i].known);
        connect(take, &QPushButton::clicked, this, [this, i] { TakeAsOwnCurve(i); });
        bottom->addWidget(take);
    }
    auto *close = new QPushButton(QStringLiteral("Close"), this);
    bottom->addStretch();
    bottom->addWidget(close);
    layout->addLayout(bottom);

    connect(equationsButton, &QPushButton::clicked, this, [this] { RunHandler([this] { FindEquations(); }); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    ShowFormulas();
}

std::string FormulasDialog::Printed(FormulaFormat format) const
{
    if (!withEquations.empty())
        return withEquations[size_t(format)];
    std::string shown = PrintedFormulas(formulas, format);
    if (!equationProblem.empty())
        shown += "implicit equations: " + equationProblem + "\n";
    return shown;
}

void FormulasDialog::ShowFormulas()
{
    text->setPlainText(QString::fromStdString(Printed(FormulaFormat::Text)));
}

void FormulasDialog::FindEquations()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("formulas.lumetra"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(SessionJson(session)) < 0)
        throw std::runtime_error("The implicit equations could not be worked out: no room for a scratch file.");
    file.close();
    QProcess worker;
    QProgressDialog progress(QStringLiteral("Finding implicit equations\u2026"), QStringLiteral("Cancel"), 0, 0, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    QEventLoop wait;
    QTimer limit;
    limit.setSingleShot(true);
    bool late = false;
    connect(&worker, &QProcess::finished, &wait, &QEventLoop::quit);
    connect(&worker, &QProcess::errorOccurred, &wait, &QEventLoop::quit);
    connect(&progress, &QProgressDialog::canceled, &wait, &QEventLoop::quit);
    connect(&limit, &QTimer::timeout, &wait, [&] {
        late = true;
        wait.quit();
    });
    worker.start(program, {QStringLiteral("--formulas"), QStringLiteral("--implicit"), QStringLiteral("--format"),
                           QStringLiteral("all"), path});
    limit.start(EquationMilliseconds);
    wait.exec();
    const bool done =
        worker.state() == QProcess::NotRunning && worker.exitStatus() == QProcess::NormalExit && worker.exitCode() == 0;
    worker.kill();
    worker.waitForFinished();
    progress.reset();
    if (done) {
        const QList<QByteArray> blocks = worker.readAllStandardOutput().split('\f');
        withEquations.clear();
        for (int i = 0; i < 4 && i < blocks.size(); ++i)
            withEquations.push_back(blocks[i].trimmed().toStdString() + "\n");
        if (withEquations.size() != 4)
            withEquations.clear();
    } else if (late) {
        equationProblem = "too large (not found within two seconds)";
    }
    ShowFormulas();
}

void FormulasDialog::TakeAsOwnCurve(size_t index)
{
    const ExactFormula &f = formulas[index];
    chosen = {TypedKind::Parametric, PrintedFormula(f.x, FormulaFormat::Text), PrintedFormula(f.y, FormulaFormat::Text),
              tMin, tMax};
    accept();
}

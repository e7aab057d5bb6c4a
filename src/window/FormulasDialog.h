#pragma once

#include <QDialog>
#include <vector>

#include "maths/ExactFormulas.h"
#include "maths/TypedCurve.h"
#include "model/Session.h"

class QPlainTextEdit;

// "Formulas...": the exact formulas of what the picture shows, selectable,
// and copied in one click as text, LaTeX, Mathematica or SymPy; their
// implicit equations on request; and any of them taken as an own curve.
// The equations are worked out by the program itself in a process of its
// own (GiNaC's expressions may not be shared with another thread), which
// Cancel, or two seconds, ends.
class FormulasDialog : public QDialog {
    Q_OBJECT
public:
    FormulasDialog(QWidget *parent, const Scene &scene, const Session &session);

    // The program that works out the equations: this one, run with --formulas.
    QString program;
    // How long it may take.
    static constexpr int EquationMilliseconds = 2000;

    // The formula chosen with "Own curve from this", once the dialog is accepted.
    const TypedCurveText &ChosenCurve() const { return chosen; }
    QPlainTextEdit *Text() const { return text; }

private:
    std::vector<ExactFormula> formulas;
    Session session;
    // The formulas and their equations in each form, once worked out.
    std::vector<std::string> withEquations;
    std::string equationProblem;  // "too large", where they took too long
    float tMin, tMax;
    QPlainTextEdit *text;
    TypedCurveText chosen;

    // The formulas, and the equations found, in one form.
    std::string Printed(FormulaFormat format) const;
    void ShowFormulas();
    void FindEquations();
    void TakeAsOwnCurve(size_t index);
};

#pragma once

#include <QDialog>
#include <vector>

#include "maths/ExactFormulas.h"
#include "maths/ImplicitEquation.h"
#include "maths/TypedCurve.h"

class QComboBox;
class QPlainTextEdit;

// "Formulas...": the exact formulas of what the picture shows, selectable,
// and copied in one click as text, LaTeX, Mathematica or SymPy; their
// implicit equations on request; and any of them taken as an own curve.
class FormulasDialog : public QDialog {
    Q_OBJECT
public:
    FormulasDialog(QWidget *parent, const Scene &scene);

    // The formula chosen with "Own curve from this", once the dialog is accepted.
    const TypedCurveText &ChosenCurve() const { return chosen; }
    QPlainTextEdit *Text() const { return text; }

private:
    std::vector<ExactFormula> formulas;
    std::vector<ImplicitEquation> equations;  // one per formula, once asked for
    float tMin, tMax;
    QPlainTextEdit *text;
    QComboBox *source;
    TypedCurveText chosen;

    // The formulas, and the equations found, in one form.
    std::string Printed(FormulaFormat format) const;
    void ShowFormulas();
    void FindEquations();
    void TakeAsOwnCurve();
};

#pragma once

#include <QDialog>
#include <vector>

#include "maths/ExactFormulas.h"
#include "maths/TypedCurve.h"

class QComboBox;
class QPlainTextEdit;

// "Formulas...": the exact formulas of what the picture shows, in the form
// the user picks, selectable and copied in one click; their implicit
// equations on request; and any of them taken as an own curve.
class FormulasDialog : public QDialog {
    Q_OBJECT
public:
    FormulasDialog(QWidget *parent, const Scene &scene);

    // The formula chosen with "Own curve from this", once the dialog is accepted.
    const TypedCurveText &ChosenCurve() const { return chosen; }
    QPlainTextEdit *Text() const { return text; }

private:
    std::vector<ExactFormula> formulas;
    std::vector<std::string> equations;  // one line per formula, once asked for
    float tMin, tMax;
    QComboBox *form;
    QPlainTextEdit *text;
    QComboBox *source;
    TypedCurveText chosen;

    FormulaFormat Format() const;
    void ShowFormulas();
    void FindEquations();
    void TakeAsOwnCurve();
};

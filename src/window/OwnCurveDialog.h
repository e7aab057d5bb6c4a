#pragma once

#include <QDialog>
#include <memory>

#include "maths/TypedCurve.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

// Where the user types a curve of their own: its kind, its formulas and its
// parameter range. The formulas are checked on every keystroke; OK reads the
// range and builds the curve. Every control is a member named as the control,
// with the same objectName.
class OwnCurveDialog : public QDialog {
    Q_OBJECT
public:
    OwnCurveDialog(QWidget *parent, const TypedCurveText &start);

    // What the fields say; the range is the one read by the last successful
    // OK (the starting range before that).
    TypedCurveText Text() const;
    // The curve built by a successful OK; null otherwise.
    std::shared_ptr<const TypedCurve> Curve() const { return curve; }

    QLabel *KindLabel;
    QComboBox *KindBox;  // parametric, graph, polar
    QLabel *FirstLabel;  // "x(t) =", "y =" or "r(t) ="
    QLineEdit *FirstEdit;
    QLabel *FirstMessage;  // why the first formula does not build
    QLabel *SecondLabel;   // "y(t) ="; parametric curves only
    QLineEdit *SecondEdit;
    QLabel *SecondMessage;
    QLabel *TMinLabel;  // "t min"
    QLineEdit *TMinEdit;
    QLabel *TMaxLabel;  // "t max"
    QLineEdit *TMaxEdit;
    QComboBox *ExampleBox;  // "Examples..." and the curves it fills in
    QDialogButtonBox *Buttons;

private:
    void CreateControls();
    void LayOutControls();
    void DescribeControls();
    void Connect();
    void Fill(const TypedCurveText &text);
    void FillExample(int index);
    void ShowKind();
    void CheckFormulas();
    void ShowMessage(QLabel *message, const std::string &error);
    void OnOk();

    TypedKind Kind() const;

    float rangeMin = 0;
    float rangeMax = 0;
    std::shared_ptr<const TypedCurve> curve;
};

#pragma once

#include <QDialog>

#include "window/AnimationExport.h"

class QDoubleSpinBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

// "Export animation": where the film goes, its size, length and frame rate,
// and what moves: the selected point as in the window's animation, or the
// pedal point to a second point.
class AnimationDialog : public QDialog {
    Q_OBJECT
public:
    AnimationDialog(QWidget *parent, QSize pictureSize, const QString &startPath);

    QString Path() const;
    // The plan the fields describe; throws EConvertError for a point that is no number.
    AnimationPlan Plan() const;

    QLineEdit *pathEdit;
    QSpinBox *widthSpin, *heightSpin, *fpsSpin;
    QDoubleSpinBox *secondsSpin;
    QRadioButton *selectedPointRuns, *pedalPointMoves;
    QLineEdit *pedalToXEdit, *pedalToYEdit;

private:
    void ChooseFile();
};

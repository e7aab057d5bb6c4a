#include "window/AnimationDialog.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "model/NumberText.h"
#include "model/Session.h"

namespace {

QSpinBox *SideSpin(QWidget *parent, int value)
{
    auto *spin = new QSpinBox(parent);
    spin->setRange(2, MaxExportSide);
    spin->setValue(value);
    spin->setSuffix(QStringLiteral(" px"));
    return spin;
}

const QString FilmFilters = QStringLiteral("MP4 video (*.mp4);;WebM video (*.webm);;GIF animation (*.gif)");

}  // namespace

AnimationDialog::AnimationDialog(QWidget *parent, QSize pictureSize, const QString &startPath) : QDialog(parent)
{
    setObjectName(QStringLiteral("animationDialog"));
    setWindowTitle(QStringLiteral("Export animation"));
    auto *form = new QFormLayout(this);

    auto *fileRow = new QHBoxLayout;
    pathEdit = new QLineEdit(startPath, this);
    auto *choose = new QPushButton(QStringLiteral("Choose\u2026"), this);
    connect(choose, &QPushButton::clicked, this, &AnimationDialog::ChooseFile);
    fileRow->addWidget(pathEdit);
    fileRow->addWidget(choose);
    form->addRow(QStringLiteral("File (.mp4, .webm or .gif):"), fileRow);

    auto *sizeRow = new QHBoxLayout;
    widthSpin = SideSpin(this, pictureSize.width());
    heightSpin = SideSpin(this, pictureSize.height());
    sizeRow->addWidget(widthSpin);
    sizeRow->addWidget(heightSpin);
    form->addRow(QStringLiteral("Size:"), sizeRow);

    secondsSpin = new QDoubleSpinBox(this);
    secondsSpin->setRange(0.1, LongestAnimationSeconds);
    secondsSpin->setValue(AnimationPlan().seconds);
    secondsSpin->setSuffix(QStringLiteral(" s"));
    form->addRow(QStringLiteral("Length:"), secondsSpin);
    fpsSpin = new QSpinBox(this);
    fpsSpin->setRange(1, FastestAnimationFps);
    fpsSpin->setValue(AnimationPlan().framesPerSecond);
    form->addRow(QStringLiteral("Frames per second:"), fpsSpin);

    selectedPointRuns =
        new QRadioButton(QStringLiteral("The selected point runs over the range, as in the animation"), this);
    pedalPointMoves = new QRadioButton(QStringLiteral("The pedal point moves to"), this);
    selectedPointRuns->setChecked(true);
    pedalToXEdit = new QLineEdit(FloatToStr(0), this);
    pedalToYEdit = new QLineEdit(FloatToStr(0), this);
    auto *pedalRow = new QHBoxLayout;
    pedalRow->addWidget(pedalPointMoves);
    pedalRow->addWidget(pedalToXEdit);
    pedalRow->addWidget(pedalToYEdit);
    form->addRow(selectedPointRuns);
    form->addRow(pedalRow);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Export"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

void AnimationDialog::ChooseFile()
{
    const QString chosen = QFileDialog::getSaveFileName(this, QStringLiteral("Export animation"), Path(), FilmFilters);
    if (!chosen.isEmpty())
        pathEdit->setText(chosen);
}

QString AnimationDialog::Path() const
{
    return pathEdit->text().trimmed();
}

AnimationPlan AnimationDialog::Plan() const
{
    AnimationPlan plan;
    plan.size = {widthSpin->value(), heightSpin->value()};
    plan.seconds = secondsSpin->value();
    plan.framesPerSecond = fpsSpin->value();
    if (pedalPointMoves->isChecked())
        plan.pedalTo =
            std::make_pair(double(StrToFloat(pedalToXEdit->text())), double(StrToFloat(pedalToYEdit->text())));
    return plan;
}

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "WindowFixture.h"
#include "window/PictureBox.h"
#include "window/controls/Adapters.h"

namespace {

// The designed layout: panel, position, size (labels: height only, their
// width follows the caption), caption or text, font pixels, bold, italic.
struct ControlRow {
    const char *name;
    const char *panel;
    int left, top, width, height;
    const char *text;
    int fontPixels;
    bool bold, italic;
};

const ControlRow layout[] = {
    {"drawingSettingsLabel", "drawingPanel", 19, 15, 124, 21, "Drawing settings:", 16, true, true},
    {"xMaxLabel", "drawingPanel", 20, 90, 40, 20, "x max", 15, true, true},
    {"xMinLabel", "drawingPanel", 20, 55, 36, 20, "x min", 15, true, true},
    {"yMinLabel", "drawingPanel", 160, 55, 36, 20, "y min", 15, true, true},
    {"yMaxLabel", "drawingPanel", 160, 90, 40, 20, "y max", 15, true, true},
    {"curveSelectionLabel", "drawingPanel", 20, 240, 105, 20, "Curve selection:", 15, true, true},
    {"xMinValueLabel", "drawingPanel", 70, 55, 14, 20, "-3", 15, true, true},
    {"xMaxValueLabel", "drawingPanel", 70, 90, 8, 20, "3", 15, true, true},
    {"yMinValueLabel", "drawingPanel", 210, 55, 14, 20, "-3", 15, true, true},
    {"yMaxValueLabel", "drawingPanel", 210, 90, 8, 20, "3", 15, true, true},
    {"tMinLabel", "drawingPanel", 20, 165, 34, 20, "t min", 15, true, true},
    {"tMaxLabel", "drawingPanel", 20, 200, 38, 20, "t max", 15, true, true},
    {"gridCheck", "drawingPanel", 20, 130, 106, 20, "Draw grid", 13, true, true},
    {"curveList", "drawingPanel", 130, 240, 150, 23, "Circle", 11, true, true},
    {"xMinSpinner", "drawingPanel", 105, 55, 35, 20, nullptr, 11, true, true},
    {"xMaxSpinner", "drawingPanel", 105, 90, 35, 20, nullptr, 11, true, true},
    {"yMinSpinner", "drawingPanel", 245, 55, 35, 20, nullptr, 11, true, true},
    {"yMaxSpinner", "drawingPanel", 245, 90, 35, 20, nullptr, 11, true, true},
    {"euclideanCheck", "drawingPanel", 20, 400, 120, 20, "Euclidean plane", 13, true, true},
    {"minkowskiCheck", "drawingPanel", 150, 400, 130, 20, "Minkowski plane", 13, true, true},
    {"tMinEdit", "drawingPanel", 100, 165, 30, 23, "0", 11, true, true},
    {"tMaxEdit", "drawingPanel", 100, 200, 30, 23, "6.28", 11, true, true},
    {"rangeSetButton", "drawingPanel", 170, 180, 75, 25, "Set", 13, true, true},
    {"tangentNormalTitleLabel", "parameterPanel", 605, 8, 259, 21, "Tangent and normal line of the curve", 16, true,
     true},
    {"pointSelectionTitleLabel", "parameterPanel", 170, 8, 227, 21, "Selection of a point on the curve", 16, true,
     true},
    {"bottomPanelSplitter", "parameterPanel", 584, 1, 1, 143, nullptr, 11, true, true},
    {"selectedPointTitleLabel", "parameterPanel", 16, 85, 83, 18, "Selected point:", 13, true, true},
    {"selectedTValueLabel", "parameterPanel", 114, 85, 21, 18, nullptr, 13, false, true},
    {"selectedTLabel", "parameterPanel", 114, 115, 5, 18, "t", 13, true, true},
    {"stepLabel", "parameterPanel", 510, 37, 25, 18, "Step", 13, true, true},
    {"selectedPointTrack", "parameterPanel", 8, 37, 457, 33, nullptr, 11, true, true},
    {"stepSpinner", "parameterPanel", 465, 37, 35, 20, nullptr, 11, true, true},
    {"tangentNormalCheck", "parameterPanel", 603, 64, 273, 17, "Draw tangent and normal line of the curve", 13, true,
     true},
    {"selectedPointCheck", "parameterPanel", 435, 114, 139, 17, "Draw selected point", 13, true, true},
    {"selectedTEdit", "parameterPanel", 134, 115, 30, 23, "0", 11, true, true},
    {"selectedPointSetButton", "parameterPanel", 194, 114, 75, 25, "Set", 13, true, true},
    {"stepEdit", "parameterPanel", 545, 37, 35, 23, "0.05", 11, true, true},
    {"pedalCurveTitleLabel", "pedalPanel", 105, 4, 227, 21, "Pedal curve of the selected curve", 16, true, true},
    {"pedalPointTitleLabel", "pedalPanel", 16, 30, 69, 18, "Pedal point:", 13, true, true},
    {"pedalXLabel", "pedalPanel", 100, 60, 7, 18, "x", 13, true, true},
    {"pedalYLabel", "pedalPanel", 170, 60, 7, 18, "y", 13, true, true},
    {"pedalPointValueLabel", "pedalPanel", 100, 30, 34, 18, nullptr, 13, false, true},
    {"rightPanelSplitter", "pedalPanel", 1, 1, 1, 98, nullptr, 11, true, true},
    {"animationCheck", "pedalPanel", 435, 30, 113, 17, "Start animation", 13, true, true},
    {"pedalXEdit", "pedalPanel", 120, 60, 30, 23, "0", 11, true, true},
    {"pedalYEdit", "pedalPanel", 190, 60, 30, 23, "0", 11, true, true},
    {"pedalPointSetButton", "pedalPanel", 250, 59, 75, 25, "Set", 13, true, true},
    {"singularTangentsCheck", "pedalPanel", 603, 30, 305, 17, "Draw tangent line at singular point of pedal curve", 13,
     true, true},
};

QString TextOf(QWidget *w)
{
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return button->text();
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return edit->text();
    if (auto *list = qobject_cast<QComboBox *>(w))
        return list->currentText();
    return QString();
}

using Layout = WindowTest;

TEST_F(Layout, EveryControlStandsWhereTheLayoutPutsIt)
{
    for (const ControlRow &row : layout) {
        SCOPED_TRACE(row.name);
        auto *control = form->findChild<QWidget *>(QString::fromLatin1(row.name));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->parentWidget()->objectName(), QString::fromLatin1(row.panel));
        EXPECT_EQ(control->x(), row.left);
        EXPECT_EQ(control->y(), row.top);
        EXPECT_EQ(control->height(), row.height);
        const bool fitsCaption = qobject_cast<QLabel *>(control) || qobject_cast<QCheckBox *>(control);
        EXPECT_EQ(control->width(), fitsCaption ? std::max(row.width, control->sizeHint().width()) : row.width);
        if (row.text) {
            EXPECT_EQ(TextOf(control), QString::fromLatin1(row.text));
        }
        const QFont font = control->font();
        EXPECT_EQ(font.pixelSize(), row.fontPixels);
        EXPECT_EQ(font.bold(), row.bold);
        EXPECT_EQ(font.italic(), row.italic);
        EXPECT_EQ(font.family(), QStringLiteral("Palatino Linotype"));
    }
}

TEST_F(Layout, InitialValuesAndRanges)
{
    EXPECT_TRUE(form->gridCheck->isChecked());
    EXPECT_TRUE(form->euclideanCheck->isChecked());
    for (QCheckBox *box : {form->tangentNormalCheck, form->selectedPointCheck, form->singularTangentsCheck,
                           form->minkowskiCheck, form->animationCheck})
        EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
    EXPECT_EQ(form->selectedPointTrack->Min(), 0);
    EXPECT_EQ(form->selectedPointTrack->Max(), 628);
    EXPECT_EQ(form->selectedPointTrack->Position(), 0);
    EXPECT_FALSE(form->selectedPointTrack->isEnabled());
    ASSERT_EQ(form->curveList->count(), 11);  // and "Own curve..." last
    const char *names[] = {
        "Circle",         "Ellipse",        "Parabola",       "Hyperbola",         "Graph of y=x^3",
        "Graph of y=x^4", "Graph of y=x^5", "Graph of y=x^6", "Graph of y=x^3-2x", "Graph of y=1/6x^6-1/4x^4"};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(form->curveList->itemText(i), QString::fromLatin1(names[i]));
    EXPECT_EQ(form->curveList->currentIndex(), 0);
    EXPECT_EQ(form->tickTimer->interval(), 100);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Lumetra"));
}

TEST_F(Layout, PanelsKeepTheirSizesAndLeaveTheFreeArea)
{
    EXPECT_EQ(form->ClientWidth(), 1091);
    EXPECT_EQ(form->ClientHeight(), 690);
    EXPECT_EQ(form->Picture->geometry(), QRect(0, 0, 791, 451));
    EXPECT_EQ(form->drawingPanel->geometry(), QRect(791, 0, 300, 451));
    EXPECT_EQ(form->parameterPanel->geometry(), QRect(0, 451, 1091, 145));
    EXPECT_EQ(form->pedalPanel->geometry(), QRect(0, 596, 1091, 94));

    form->resize(1300, 800);
    QTest::qWait(50);
    EXPECT_EQ(form->drawingPanel->geometry(), QRect(1000, 0, 300, 561));
    EXPECT_EQ(form->parameterPanel->geometry(), QRect(0, 561, 1300, 145));
    EXPECT_EQ(form->pedalPanel->geometry(), QRect(0, 706, 1300, 94));
    EXPECT_EQ(form->Picture->geometry(), QRect(0, 0, 1000, 561));
}

TEST_F(Layout, TheWindowOpensAtItsDesignedPlace)
{
    // Outer frame included; the virtual display has no window manager to object.
    EXPECT_EQ(form->frameGeometry().topLeft(), QPoint(241, 0));
}

TEST_F(Layout, TrackBarCannotBeMovedByTheUser)
{
    const QPoint middle = form->selectedPointTrack->rect().center();
    QTest::mouseClick(form->selectedPointTrack, Qt::LeftButton, {}, middle + QPoint(100, 0));
    QTest::keyClick(form->selectedPointTrack, Qt::Key_Right);
    EXPECT_EQ(form->selectedPointTrack->Position(), 0);
}

TEST(TrackBarRange, EndsSetInEitherOrderGiveTheIntendedRange)
{
    TrackBar bar(nullptr);
    bar.SetMin(0);
    bar.SetMax(628);
    bar.SetPosition(600);
    bar.SetMin(-1000);  // a range below the old one
    bar.SetMax(-500);
    EXPECT_EQ(bar.Min(), -1000);
    EXPECT_EQ(bar.Max(), -500);
    EXPECT_EQ(bar.Position(), -500);
    bar.SetMin(700);  // Min above the current Max carries Max along
    bar.SetMax(900);
    EXPECT_EQ(bar.Min(), 700);
    EXPECT_EQ(bar.Max(), 900);
    EXPECT_EQ(bar.Position(), 700);
    bar.SetPosition(5000);
    EXPECT_EQ(bar.Position(), 900);
}

}  // namespace

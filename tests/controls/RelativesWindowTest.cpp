// The pedal curve's relatives in the window: no line across a gap where a
// relative divides by a lightlike tangent, and their boxes, the iterated
// pedal's stages, sessions and undo.
#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "window/PictureBox.h"
#include "window/SessionFile.h"

namespace {

using RelativesWindow = WindowTest;

QCheckBox *BoxOf(MainWindow &form, const char *id)
{
    return form.findChild<QCheckBox *>(QString::fromLatin1(id) + QStringLiteral("Check"));
}

// The unit circle in the Minkowski plane has lightlike tangents at odd
// multiples of 45 degrees: the relatives that divide by <T, T> (orthotomic,
// catacaustic) and by <N, N> (contrapedal) run off to infinity there and
// come back from the other side. Every stroke that can show in the picture
// is a short chord of the relative: none crosses from one side of the gap to
// the other.
TEST_F(RelativesWindow, NoLineAcrossALightlikeGap)
{
    form->scene.plane = Plane::Minkowski;
    form->scene.pedalX = 0.3f;
    const struct {
        const char *id;
        float rgb[3];
    } relatives[] = {{"orthotomic", {0.835f, 0.369f, 0}},
                     {"catacaustic", {0.902f, 0.624f, 0}},
                     {"contrapedal", {0.337f, 0.706f, 0.914f}}};
    for (const auto &relative : relatives) {
        SCOPED_TRACE(relative.id);
        BoxOf(*form, relative.id)->click();
        const auto frame = RecordFrame();
        const auto lines = OfColour(frame, FeedbackPrimitive::Line, relative.rgb[0], relative.rgb[1], relative.rgb[2]);
        EXPECT_GT(lines.size(), 100u);
        const double right = form->Picture->width(), bottom = form->Picture->height();
        for (const FeedbackPrimitive &line : lines) {
            const FeedbackVertex &a = line.vertices[0], &b = line.vertices[1];
            if ((a.x > right && b.x > right) || (a.y > bottom && b.y > bottom) || (a.x < 0 && b.x < 0) ||
                (a.y < 0 && b.y < 0))
                continue;  // beyond one edge of the picture: never shown
            const double length =
                std::hypot(line.vertices[1].x - line.vertices[0].x, line.vertices[1].y - line.vertices[0].y);
            ASSERT_LE(length, 9.0) << "at " << line.vertices[0].x << ", " << line.vertices[0].y;
        }
        BoxOf(*form, relative.id)->click();
    }
}

// The unit circle's tangent (-sin t, cos t) is spacelike where |y| > |x|
// (black) and timelike where |x| > |y| (grey); only in the Minkowski plane.
TEST_F(RelativesWindow, TangentTypesColourTheCurve)
{
    BoxOf(*form, "tangentType")->click();
    EXPECT_TRUE(OfColour(RecordFrame(), FeedbackPrimitive::Point, 0.5f, 0.5f, 0.5f).empty()) << "Euclidean plane";
    form->minkowskiCheck->click();
    const auto frame = RecordFrame();
    const FrameGeometry at = form->Geometry();
    for (const bool spacelike : {true, false}) {
        const float c = spacelike ? 0.0f : 0.5f;
        const auto points = OfColour(frame, FeedbackPrimitive::Point, c, c, c);
        EXPECT_GT(points.size(), 1000u);
        for (const FeedbackPrimitive &p : points) {
            const double x = (p.vertices[0].x - at.originX) / at.unitPixels;
            const double y = -(p.vertices[0].y - at.originY) / at.unitPixels;
            ASSERT_EQ(std::abs(y) > std::abs(x), spacelike) << x << ", " << y;
        }
    }
}

TEST_F(RelativesWindow, BoxesAndStagesAreSavedAndUndone)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::mouseClick(BoxOf(*form, "iteratedPedal"), Qt::LeftButton);
    form->pedalStagesSpin->setValue(4);
    form->RecordStep();
    EXPECT_TRUE(form->scene.Shows("iteratedPedal"));
    EXPECT_EQ(form->scene.pedalStages, 4);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("family.lumetra"));
    WriteSessionFile(form->CaptureSession(), path);
    QTest::keyClick(form->Picture, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(form->scene.Shows("iteratedPedal"));
    EXPECT_EQ(form->pedalStagesSpin->value(), 2);
    EXPECT_FALSE(BoxOf(*form, "iteratedPedal")->isChecked());

    form->OpenSessionFile(path);
    EXPECT_TRUE(BoxOf(*form, "iteratedPedal")->isChecked());
    EXPECT_EQ(form->pedalStagesSpin->value(), 4);
    EXPECT_EQ(form->scene.pedalStages, 4);
    EXPECT_NE(form->Readout->text().indexOf(QStringLiteral("F4 (")), -1) << form->Readout->text().toStdString();
}

}  // namespace

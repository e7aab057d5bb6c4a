// A typed curve in the window: drawn like a built-in one, chosen and
// remembered through the curve list.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

#include "WindowFixture.h"
#include "controls/ControlTestSupport.h"
#include "maths/Curves.h"
#include "maths/TypedCurve.h"
#include "window/OwnCurveDialog.h"
#include "window/TypedCurveSettings.h"
#include "window/controls/Adapters.h"

namespace {

using TypedCurveWindow = WindowTest;

constexpr float TwoPi = 6.2831854820251465f;
const Rgb Green{0, 115, 0};
const Rgb Red{255, 0, 0};

void ShowTyped(MainWindow &form, const TypedCurveText &text)
{
    form.typedCurves = {BuildTypedCurve(text).curve};
    form.FillCurveList();
    form.curveList->setCurrentIndex(CurveCount());
    form.CurveListChange();
}

void ShowMinkowski(MainWindow &form)
{
    form.minkowskiCheck->setChecked(true);
    form.MinkowskiClick();
}

// Pixels of `colour` in `a` with none of that colour within one pixel in `b`.
int Unmatched(const QImage &a, const QImage &b, Rgb colour)
{
    int unmatched = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (PixelAt(a, x, y) == colour && !ColourNear(b, x, y, colour, 1))
                ++unmatched;
    return unmatched;
}

// How many pieces the pixels of `colour` make, neighbours among the eight
// around a pixel joined: a trace drawn as dust is thousands of them.
int Pieces(const QImage &image, Rgb colour)
{
    const int w = image.width(), h = image.height();
    std::vector<char> seen(size_t(w) * size_t(h), 0);
    int pieces = 0;
    std::vector<std::pair<int, int>> open;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (seen[size_t(y) * w + x] || !(PixelAt(image, x, y) == colour))
                continue;
            ++pieces;
            open = {{x, y}};
            seen[size_t(y) * w + x] = 1;
            while (!open.empty()) {
                const auto [px, py] = open.back();
                open.pop_back();
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = px + dx, ny = py + dy;
                        if (nx < 0 || ny < 0 || nx >= w || ny >= h || seen[size_t(ny) * w + nx] ||
                            !(PixelAt(image, nx, ny) == colour))
                            continue;
                        seen[size_t(ny) * w + nx] = 1;
                        open.emplace_back(nx, ny);
                    }
            }
        }
    return pieces;
}

// Where neighbouring samples land far apart, points of the curve are added
// between them: y = sin 20t's pedal curve is a line, not dust. A true gap
// and an asymptote stay gaps.
TEST_F(TypedCurveWindow, FarNeighboursAreJoinedAndGapsStay)
{
    ShowTyped(*form, {TypedKind::Graph, "sin(20*x)", "", -3, 3});
    form->scene.pedalX = 0.5f;
    form->scene.pedalY = 1;
    for (bool minkowski : {false, true}) {
        if (minkowski)
            ShowMinkowski(*form);
        // In the Minkowski plane the pedal curve runs off to infinity at each
        // lightlike point: two more pieces each.
        const size_t lightlike = form->typedCurves[0]->SamplesFor(form->scene.tMin, form->scene.tMax)->lightlike.size();
        EXPECT_GT(lightlike, 50u);
        EXPECT_LT(Pieces(Grab(), Red), 40 + 2 * int(minkowski ? lightlike : 0)) << (minkowski ? "Minkowski" : "");
    }

    // No point of the half circle beyond x = +-1, and no line across the
    // pole of 1/x: its branches leave the view at |x| = 1/3.
    const int origin = InitialOriginX, unit = InitialUnit;
    for (const char *formula : {"sqrt(1-x^2)", "1/x"}) {
        ShowTyped(*form, {TypedKind::Graph, formula, "", -2, 2});
        const QImage picture = Grab();
        const bool pole = formula[0] == '1';
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const double worldX = double(x - origin) / unit;
                const bool outside = pole ? std::fabs(worldX) < 0.25 : std::fabs(worldX) > 1.05;
                if (outside) {
                    ASSERT_FALSE(PixelAt(picture, x, y) == Green) << formula << " at " << x << ", " << y;
                }
            }
    }
}

TEST_F(TypedCurveWindow, TypedCircleDrawsTheBuiltInCirclesPictureInBothPlanes)
{
    for (bool minkowski : {false, true}) {
        form = std::make_unique<MainWindow>();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->scene.pedalX = 0.5f;
        form->scene.pedalY = 0.25f;
        if (minkowski)
            ShowMinkowski(*form);
        form->curveList->setCurrentIndex(0);
        form->CurveListChange();
        const QImage builtIn = Grab();
        ShowTyped(*form, {TypedKind::Parametric, "cos(t)", "sin(t)", 0, TwoPi});
        const QImage typed = Grab();
        int greenPixels = 0;
        for (int y = 0; y < typed.height(); ++y)
            for (int x = 0; x < typed.width(); ++x)
                greenPixels += PixelAt(typed, x, y) == Green;
        EXPECT_GT(greenPixels, 200) << minkowski;
        for (Rgb colour : {Green, Red}) {
            EXPECT_EQ(Unmatched(builtIn, typed, colour), 0) << minkowski << colour;
            EXPECT_EQ(Unmatched(typed, builtIn, colour), 0) << minkowski << colour;
        }
    }
}

TEST_F(TypedCurveWindow, UndefinedStretchesAreGapsAndTheConstructionSkipsThem)
{
    // sqrt(t) has no value for t < 0: half the range draws nothing.
    ShowTyped(*form, {TypedKind::Parametric, "t", "sqrt(t)", -2, 2});
    form->tangentNormalCheck->setChecked(true);
    form->scene.track.SetPosition(-100);  // t = -1: no point, no tangent
    auto frame = RecordFrame(4 << 20);
    const auto green = OfColour(frame, FeedbackPrimitive::Point, 0, 0.45f, 0);
    EXPECT_NEAR(double(green.size()), 20000, 2);
    for (const FeedbackPrimitive &p : green)
        ASSERT_GE(p.vertices[0].x, InitialOriginX - 1e-3);
    EXPECT_TRUE(OfColour(frame, FeedbackPrimitive::Point, 0.5f, 0.08f, 0.5f).empty());
    form->scene.track.SetPosition(100);  // t = 1: Q = (1, 1)
    frame = RecordFrame(4 << 20);
    const auto purple = OfColour(frame, FeedbackPrimitive::Point, 0.5f, 0.08f, 0.5f);
    ASSERT_FALSE(purple.empty());
    EXPECT_NEAR(purple[0].vertices[0].x, InitialOriginX + InitialUnit, 0.01);
    EXPECT_NEAR(purple[0].vertices[0].y, InitialOriginY - InitialUnit, 0.01);
}

// Answers the dialog the list opens, once it is up.
void AnswerOwnCurveDialog(const std::function<void(OwnCurveDialog &)> &answer)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        if (auto *dialog = qobject_cast<OwnCurveDialog *>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            answer(*dialog);
        }
    });
    poll->start(20);
}

TEST_F(TypedCurveWindow, OwnCurveIsLastAndCancelChangesNothing)
{
    const int ownItem = CurveCount();
    ASSERT_EQ(form->curveList->count(), ownItem + 1);
    EXPECT_EQ(form->curveList->itemText(ownItem), QStringLiteral("Own curve..."));
    form->curveList->setCurrentIndex(3);
    form->CurveListChange();
    AnswerOwnCurveDialog([](OwnCurveDialog &dialog) { dialog.reject(); });
    ChooseFromList(form->curveList, ownItem);
    EXPECT_EQ(form->curveList->currentIndex(), 3);
    EXPECT_EQ(form->curveList->count(), ownItem + 1);
    EXPECT_TRUE(form->typedCurves.empty());
}

TEST_F(TypedCurveWindow, AcceptedCurveIsShownWithItsRangeAndRememberedAcrossRuns)
{
    AnswerOwnCurveDialog([](OwnCurveDialog &dialog) {
        dialog.FirstEdit->setText(QStringLiteral("2*cos(t)"));
        dialog.SecondEdit->setText(QStringLiteral("sin(t)"));
        dialog.TMinEdit->setText(QStringLiteral("-1"));
        dialog.TMaxEdit->setText(QStringLiteral("2.5"));
        dialog.Buttons->button(QDialogButtonBox::Ok)->click();
    });
    ChooseFromList(form->curveList, CurveCount());
    EXPECT_EQ(form->curveList->currentIndex(), CurveCount());
    EXPECT_EQ(form->curveList->currentText(), QStringLiteral("x = 2*cos(t), y = sin(t)"));
    EXPECT_EQ(form->scene.tMin, -1.0f);
    EXPECT_EQ(form->scene.tMax, 2.5f);
    EXPECT_EQ(form->tMaxEdit->text(), QStringLiteral("2.5"));

    // A new window lists it after the ten built-in curves, which keep their places.
    form = std::make_unique<MainWindow>();
    ASSERT_EQ(form->curveList->count(), CurveCount() + 2);
    EXPECT_EQ(form->curveList->itemText(0), QStringLiteral("Circle"));
    EXPECT_EQ(form->curveList->currentIndex(), 0);
    EXPECT_EQ(form->curveList->itemText(CurveCount()), QStringLiteral("x = 2*cos(t), y = sin(t)"));
    form->curveList->setCurrentIndex(CurveCount());
    form->CurveListChange();
    EXPECT_EQ(form->scene.tMax, 2.5f);
    SaveTypedCurves({});
}

TEST_F(TypedCurveWindow, TheListKeepsTheNewestEight)
{
    TypedCurves curves;
    for (int i = 1; i <= RememberedCurves + 2; ++i)
        Remember(curves, BuildTypedCurve({TypedKind::Graph, "x^" + std::to_string(i), "", -1, 1}).curve);
    Remember(curves, BuildTypedCurve({TypedKind::Graph, "x^5", "", -1, 1}).curve);
    ASSERT_EQ(int(curves.size()), RememberedCurves);
    EXPECT_EQ(curves[0]->Text().first, "x^5");
    EXPECT_EQ(curves[1]->Text().first, "x^10");
    EXPECT_EQ(curves.back()->Text().first, "x^3");
}

}  // namespace

#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "WindowFixture.h"

class QLineEdit;
class QAbstractButton;
class QComboBox;

// The colours the picture uses.
namespace colour {
constexpr float Blue[3] = {0, 0, 1};              // the pedal point, the perpendicular
constexpr float Purple[3] = {0.5f, 0.08f, 0.5f};  // selected point and its foot
constexpr float Orange[3] = {1, 0.8f, 0};         // singular tangents
constexpr float Green[3] = {0, 0.45f, 0};         // the curve
constexpr float Grey[3] = {0.8f, 0.8f, 0.8f};     // grid lines
}  // namespace colour

// A fresh window created while a decimal-comma locale is in force, so its
// initial texts ("6,28", "0,05") are comma texts and every text the window
// reads or writes uses the comma for the rest of the test.
class CommaWindowTest : public WindowTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Frames painted by the picture so far.
    long Frames() const;
    // Whether a frame beyond `before` gets painted, waiting for it while the
    // events run (a redraw may reach the screen on the event loop's next pass).
    bool Redrawn(long before, int timeoutMs = 3000);
    // Runs the events until no more frames come, so that a check of "no
    // redraw" cannot be fooled by a frame still on its way.
    void Settle();

    // Replaces the whole text of an edit field by typing, as a user would
    // (select all, then the keys); an empty text is typed as a Backspace.
    static void Type(QLineEdit *edit, const QString &text);
    // A left click on a button, a check box or a spinner arrow.
    static void Click(QAbstractButton *button);
    // Types the parameter range and presses its "Set"; the click redraws.
    void SetRange(const char *tMin, const char *tMax);
    // Types a step; a lone "-" on the way to a negative step is a failure of its own.
    void SetStep(const char *step);

    // Positions of the points drawn in one colour, in client pixels.
    static std::vector<QPointF> PointsOf(const std::vector<FeedbackPrimitive> &frame, const float (&rgb)[3]);
    static std::vector<FeedbackPrimitive> LinesOf(const std::vector<FeedbackPrimitive> &frame, const float (&rgb)[3]);
    // The pedal point as drawn: the blue points of a frame.
    static std::vector<QPointF> BluePoints(const std::vector<FeedbackPrimitive> &frame);
    // Bounding box of the white drawing area of a frame; empty when none is drawn.
    static QRectF WhiteArea(const std::vector<FeedbackPrimitive> &frame);

private:
    std::unique_ptr<LocaleScope> locale;
};

// Chooses item `index` of a list as a user does: a click opens the list, the
// arrow keys go to the item and Return chooses it (the one shown included).
void ChooseFromList(QComboBox *list, int index);

// Runs an action that may show failure boxes, accepting every failure box that
// opens meanwhile. Returns how many boxes were closed.
int CloseFailureBoxes(const std::function<void()> &action);

// Whether some pixel within `radius` of (x, y) has exactly this colour.
bool ColourNear(const QImage &image, double x, double y, Rgb colour, int radius = 2);

// The drawing area for a view window at the designed window size, worked out
// from the rules of the mapping: W = 1107 and H = 728 outer pixels, one whole
// number of pixels per unit for both axes, the area centred in the free part.
struct ExpectedArea {
    double unitPixels;
    int plotWidth, plotHeight;
    int left, right;  // white rectangle, x
    int top, bottom;  // white rectangle, y
    double originX, originY;
};
ExpectedArea AreaFor(double xMin, double xMax, double yMin, double yMax);

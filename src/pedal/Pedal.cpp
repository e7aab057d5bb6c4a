#include "pedal/Pedal.h"

#include <GL/gl.h>
#include <QCheckBox>
#include <cmath>

#include "app/Form1.h"
#include "app/PlotState.h"
#include "controls/Adapters.h"
#include "curves/Catalogue.h"
#include "curves/Sampling.h"
#include "frame/PlotArea.h"
#include "frame/Primitives.h"
#include "pedal/Foot.h"
#include "pedal/SingularDirection.h"

void DrawPedalCurve(float curveIndex)
{
    glPushMatrix();
    glColor3f(1.0, 0.0, 0.0);
    UpdateOrigin();
    glTranslatef(plot.originX, plot.originY, 0.0f);
    // Point size and smoothing stay as the curve trace left them.
    glBegin(GL_POINTS);
    const double unit = double(plot.unitPixels);
    ForEachSample(plot.tMin, plot.tMax, [&](float t) {
        // A foot that cannot be computed repeats the previous one.
        ComputeFoot(curveIndex, t);
        glVertex2f(float(double(plot.footX) * unit), float(-(double(plot.footY) * unit)));
    });
    glEnd();
    glPopMatrix();
}

namespace {
// End of the run from (x, y) along m times (vx, vy).
float Along(float from, double m, float direction)
{
    return float(double(from) + m * double(direction));
}

void DrawSegmentAlong(float x, float y, double m, float vx, float vy)
{
    DrawSegment(x, y, Along(x, m, vx), Along(y, m, vy));
}
}  // namespace

void DrawPedalConstruction(float curveIndex)
{
    // The track bar holds the selected parameter in hundredths; keep its
    // range equal to the parameter range (Max first, then Min).
    Form1->TrackBar1->SetMax(HundredthsOf(plot.tMax));
    Form1->TrackBar1->SetMin(HundredthsOf(plot.tMin));
    plot.currentT = float(double(Form1->TrackBar1->Position()) * 0.01);

    const int k = CurveNumber(curveIndex);
    if (k < 0)
        return;  // no curve: no point, tangent or foot to show

    const float t = plot.currentT;
    const CurvePoint q = CurvePosition(k, t);
    const CurvePoint v = CurveTangent(k, t);
    ComputeFoot(curveIndex, t);
    // A lightlike tangent has no foot: what the foot state holds then is an
    // earlier sample's, which is no point of this construction.
    const bool hasFoot = plot.footDenominator != 0.0f;
    const float fx = plot.footX;
    const float fy = plot.footY;

    if (Form1->CheckBox3->isChecked() || Form1->CheckBox7->isChecked()) {
        glColor3f(0.5, 0.08, 0.5);
        DrawPoint(q.x, q.y);
        if (hasFoot)
            DrawPoint(fx, fy);
    }
    if (Form1->CheckBox2->isChecked()) {
        glColor3f(0.5, 0.08, 0.5);
        DrawPoint(q.x, q.y);
        if (hasFoot)
            DrawPoint(fx, fy);
        // The tangent line at Q, ten tangent vectors each way.
        DrawSegmentAlong(q.x, q.y, 10.0, v.x, v.y);
        DrawSegmentAlong(q.x, q.y, -10.0, v.x, v.y);
        // The perpendicular from P onto it.
        glColor3f(0.0, 0.0, 1.0);
        if (hasFoot)
            DrawSegment(plot.pedalX, plot.pedalY, fx, fy);
    }
}

namespace {

// Singular point S of the pedal curve and its tangent line: the segments
// S -> S + first V, then S -> S + second V.
void DrawSingularLine(double sx, double sy, double vx, double vy, double first, double second)
{
    const float x = float(sx);
    const float y = float(sy);
    const float dx = float(vx);
    const float dy = float(vy);
    DrawPoint(x, y);
    DrawSegmentAlong(x, y, first, dx, dy);
    DrawSegmentAlong(x, y, second, dx, dy);
}

// Zero curvature at t = 0 with tangent y = 0 (curves 4 to 7 and 9).
void DrawFlatPoint(float pedalX, float pedalY)
{
    const double px = double(pedalX);
    const double py = double(pedalY);
    DrawPoint(pedalX, 0.0f);
    if (plot.minkowskiPlane) {
        DrawSegment(pedalX, 0.0f, float(px - 20.0 * py), float(20.0 * px));
        DrawSegment(pedalX, 0.0f, float(px + 20.0 * py), float(-20.0 * px));
    }
    if (plot.euclideanPlane) {
        DrawSegment(pedalX, 0.0f, float(px + 20.0 * py), float(20.0 * px));
        DrawSegment(pedalX, 0.0f, float(px - 20.0 * py), float(-20.0 * px));
    }
    // With P at the origin the directions above vanish.
    if (pedalX == 0.0f && pedalY == 0.0f) {
        DrawSegment(0.0f, 0.0f, 0.0f, 20.0f);
        DrawSegment(0.0f, 0.0f, 0.0f, -20.0f);
    }
}

// Inflection of y = x^3 - 2x at t = 0, tangent y = -2x.
void DrawInflection(float pedalX, float pedalY)
{
    const double px = double(pedalX);
    const double py = double(pedalY);
    const bool atOrigin = pedalX == 0.0f && pedalY == 0.0f;
    if (plot.minkowskiPlane) {
        const double third = 1.0 / 3.0;
        DrawSingularLine((-px - 2.0 * py) * third, (2.0 * px + 4.0 * py) * third,
                         -4.0 * px - 5.0 * py, 5.0 * px + 4.0 * py, 10.0, -10.0);
        if (atOrigin) {
            DrawSegment(0.0f, 0.0f, 40.0f, -20.0f);
            DrawSegment(0.0f, 0.0f, -40.0f, 20.0f);
        }
    }
    if (plot.euclideanPlane) {
        DrawSingularLine((px - 2.0 * py) * 0.2, (-2.0 * px + 4.0 * py) * 0.2,
                         4.0 * px - 3.0 * py, -3.0 * px - 4.0 * py, 10.0, -10.0);
        // With P at the origin the foot runs along (2, 1): -0.8 t^3, -0.4 t^3.
        if (atOrigin) {
            DrawSegment(0.0f, 0.0f, 40.0f, 20.0f);
            DrawSegment(0.0f, 0.0f, -40.0f, -20.0f);
        }
    }
}

// Flat points of curve 9 at t = +sqrt 0.6 and t = -sqrt 0.6. The point S has
// fixed coefficients of the foot there; the line's direction comes from the
// curve at that parameter, so it is the pedal curve's own tangent.
PlaneVector SexticTangentAtFlatPoint(bool positive, bool minkowski, double px, double py)
{
    const double t = positive ? std::sqrt(0.6) : -std::sqrt(0.6);
    const double t3 = t * t * t;
    const double t4 = t3 * t;
    const double t5 = t4 * t;
    const PlaneVector q{t, 0.16667 * t5 * t - 0.25 * t4};
    return SingularTangentDirection(minkowski, q, {1.0, t5 - t3}, {px, py});
}

void DrawSexticInflection(bool positive, float pedalX, float pedalY)
{
    const double px = double(pedalX);
    const double py = double(pedalY);
    const double r = std::sqrt(0.6);
    const auto line = [&](bool minkowski, double sx, double sy, double first, double second) {
        const PlaneVector v = SexticTangentAtFlatPoint(positive, minkowski, px, py);
        DrawSingularLine(sx, sy, v.x, v.y, first, second);
    };
    if (positive) {
        if (plot.minkowskiPlane)
            line(true, r + 1.0358 * px + 0.19267 * py - 0.79196, -0.054 - 0.1927 * px - 0.0358 * py + 0.1473,
                 -100.0, 100.0);
        if (plot.euclideanPlane)
            line(false, r + 0.966 * px - 0.18 * py - 0.758, -0.18 * px + 0.033 * py + 0.087, -100.0, 100.0);
    } else {
        if (plot.minkowskiPlane)
            line(true, -r + 1.0358 * px - 0.19267 * py + 0.79196, 0.1927 * px - 0.054 - 0.0358 * py + 0.1473,
                 -10.0, 10.0);
        if (plot.euclideanPlane)
            line(false, -r + 0.966 * px + 0.18 * py + 0.758, 0.18 * px + 0.033 * py + 0.087, -100.0, 100.0);
    }
}

}  // namespace

void DrawSingularTangents(float curveIndex)
{
    glColor3f(1.0, 0.8, 0.0);
    const int k = CurveNumber(curveIndex);
    const float t = plot.currentT;
    const float px = plot.pedalX;
    const float py = plot.pedalY;

    if ((k == 4 || k == 5 || k == 6 || k == 7 || k == 9) && t == 0.0f)
        DrawFlatPoint(px, py);
    if (k == 8 && t == 0.0f)
        DrawInflection(px, py);
    if (k == 9) {
        // The window ends: 0.75 in single precision, 0.81 in double.
        const double T = double(t);
        if (0.75f <= t && T <= 0.81)
            DrawSexticInflection(true, px, py);
        if (-0.81 <= T && t <= -0.75f)
            DrawSexticInflection(false, px, py);
    }
}

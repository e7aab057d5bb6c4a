#include "curves/Trace.h"

#include <GL/gl.h>
#include <cmath>

#include "app/PlotState.h"
#include "curves/Catalogue.h"
#include "curves/Sampling.h"
#include "frame/PlotArea.h"
#include "frame/Primitives.h"

void TraceCurve(float curveIndex)
{
    glPushMatrix();
    glColor3f(0.0, 0.45, 0.0);
    UpdateOrigin();
    // From here a vertex is in pixels relative to the world origin.
    glTranslatef(plot.originX, plot.originY, 0.0f);
    glPointSize(float(1.1 * plot.pixelRatio));
    glEnable(GL_POINT_SMOOTH);
    glBegin(GL_POINTS);
    const int k = CurveNumber(curveIndex);
    if (k >= 0) {
        const double unit = double(plot.unitPixels);
        ForEachSample(plot.tMin, plot.tMax, [&](float t) {
            const CurvePoint q = CurvePosition(k, t);
            // World y grows upward, window y downward.
            glVertex2f(float(double(q.x) * unit), float(-(double(q.y) * unit)));
        });
    }
    glEnd();
    glPopMatrix();
}

namespace {
struct Marker {
    double gate;  // parameter of the marked point; drawn when it lies in the range
    float x;
    float y;
};

// Draws the markers whose gate lies in [tMin, tMax], ends included.
template <int N>
void DrawMarkers(const Marker (&markers)[N])
{
    const double from = double(plot.tMin);
    const double to = double(plot.tMax);
    for (const Marker &m : markers) {
        if (from <= m.gate && m.gate <= to)
            DrawPoint(m.x, m.y);
    }
}
}  // namespace

void DrawLightlikePoints(float curveIndex)
{
    glColor3f(1.0, 0.0, 0.0);

    const double invSqrt3 = 1.0 / std::sqrt(3.0);

    if (curveIndex == 0.0f) {
        // Odd multiples of 45 degrees on the unit circle.
        const float s = float(std::sqrt(2.0) * 0.5);
        const Marker markers[] = {
            {0.7853981633974483, s, s},
            {2.356194490192345, -s, s},
            {3.9269908169872414, -s, -s},
            {5.497787143782138, s, -s},
        };
        DrawMarkers(markers);
    }
    if (curveIndex == 1.0f) {
        // The tangent (-2 sin t, cos t) is lightlike where tan t = 1/2 or -1/2.
        const double a = std::atan(0.5);
        const double pi = 3.141592653589793;
        const float e = float(2.0 * std::cos(a));
        const float f = float(std::sin(a));
        const Marker markers[] = {
            {a, e, f},
            {pi - a, -e, f},
            {pi + a, -e, -f},
            {2.0 * pi - a, e, -f},
        };
        DrawMarkers(markers);
    }
    if (curveIndex == 2.0f) {
        const Marker markers[] = {
            {-1.0, 0.5f, -1.0f},
            {1.0, 0.5f, 1.0f},
        };
        DrawMarkers(markers);
    }
    // The hyperbola's tangent is never lightlike: curve 3 has no markers.
    if (curveIndex == 4.0f) {
        const float y = float(1.0 / (3.0 * std::sqrt(3.0)));
        const Marker markers[] = {
            {-invSqrt3, float(-invSqrt3), -y},
            {invSqrt3, float(invSqrt3), y},
        };
        DrawMarkers(markers);
    }
    if (curveIndex == 5.0f) {
        // The tangent (1, 4t^3) is lightlike where 4t^3 = 1 or -1.
        const double x = std::cbrt(0.25);
        const float y = float(x * x * x * x);
        const Marker markers[] = {
            {-x, float(-x), y},
            {x, float(x), y},
        };
        DrawMarkers(markers);
    }
    if (curveIndex == 6.0f) {
        const Marker markers[] = {
            {-0.66874, float(-0.66874), float(-0.13375)},
            {0.66874, float(0.66874), float(0.13375)},
        };
        DrawMarkers(markers);
    }
    if (curveIndex == 7.0f) {
        const Marker markers[] = {
            {-0.69883, float(-0.69883), float(0.11647)},
            {0.69883, float(0.69883), float(0.11647)},
        };
        DrawMarkers(markers);
    }
    if (curveIndex == 8.0f) {
        const float y = float(5.0 / (3.0 * std::sqrt(3.0)));
        const Marker markers[] = {
            {-1.0, -1.0f, 1.0f},
            {1.0, 1.0f, -1.0f},
            {-invSqrt3, float(-invSqrt3), y},
            {invSqrt3, float(invSqrt3), -y},
        };
        DrawMarkers(markers);
    }
    if (curveIndex == 9.0f) {
        const Marker markers[] = {
            {-1.23651, float(-1.23651), float(0.01128)},
            {1.23651, float(1.23651), float(0.01128)},
        };
        DrawMarkers(markers);
    }
}

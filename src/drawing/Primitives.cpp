#include "drawing/Primitives.h"

#include <GL/gl.h>
#include <cmath>

#include "drawing/PlotArea.h"
#include "drawing/VectorMarks.h"
#include "maths/CurveJet.h"

namespace {

void DrawLargePoint(const FrameGeometry &at, float x, float y, bool blue)
{
    SetPointSize(float(4.0 * at.pixelRatio));
    if (blue)
        glColor3f(0, 0, 1);
    glEnable(GL_POINT_SMOOTH);
    const WindowPoint p = WorldToWindow(at, x, y);
    glBegin(GL_POINTS);
    glVertex2f(p.x, p.y);
    glEnd();
    SetPointSize(float(1.1 * at.pixelRatio));
}

}  // namespace

void DrawPoint(const FrameGeometry &at, float x, float y)
{
    DrawLargePoint(at, x, y, false);
}

void DrawPedalPoint(const Frame &frame)
{
    DrawLargePoint(frame.at, frame.scene.pedalX, frame.scene.pedalY, true);
}

void DrawSegment(const FrameGeometry &at, float x1, float y1, float x2, float y2)
{
    SetLineWidth(float(2.0 * at.pixelRatio));
    glEnable(GL_LINE_SMOOTH);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    const WindowPoint from = WorldToWindow(at, x1, y1);
    const WindowPoint to = WorldToWindow(at, x2, y2);
    glBegin(GL_LINES);
    glVertex2f(from.x, from.y);
    glVertex2f(to.x, to.y);
    glEnd();
    SetLineWidth(at.pixelRatio);
}

void DrawRing(const FrameGeometry &at, double x, double y)
{
    SetLineWidth(at.pixelRatio);
    glEnable(GL_LINE_SMOOTH);
    const WindowPoint c = WorldToWindow(at, float(x), float(y));
    constexpr int Sides = 16;
    glBegin(GL_LINE_LOOP);
    for (int k = 0; k < Sides; ++k) {
        const double a = 2 * 3.141592653589793 * k / Sides;
        glVertex2f(float(c.x + 3 * std::cos(a)), float(c.y + 3 * std::sin(a)));
    }
    glEnd();
}

void DrawPolyline(const FrameGeometry &at, const std::vector<PlanePoint> &points, double width)
{
    SetLineWidth(float(width * at.pixelRatio));
    glEnable(GL_LINE_SMOOTH);
    glBegin(GL_LINE_STRIP);
    for (const PlanePoint &p : points) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
            glEnd();
            glBegin(GL_LINE_STRIP);
            continue;
        }
        const WindowPoint w = WorldToWindow(at, float(p.x), float(p.y));
        glVertex2f(w.x, w.y);
    }
    glEnd();
}

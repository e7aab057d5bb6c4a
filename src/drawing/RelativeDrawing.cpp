#include "drawing/RelativeDrawing.h"

#include <GL/gl.h>
#include <cmath>
#include <limits>

#include "drawing/Frame.h"
#include "drawing/Layer.h"
#include "drawing/PlotArea.h"
#include "drawing/Primitives.h"
#include "drawing/Trace.h"
#include "drawing/TracePoints.h"
#include "drawing/VectorMarks.h"
#include "maths/Curves.h"
#include "maths/Relatives.h"

namespace {

// A relative is drawn in the colour of its entry in the frame's list of layers.
void SetColour(const Frame &frame, RelativeKind kind)
{
    const Layer *layer = frame.layers ? LayerOf(*frame.layers, RelativeId(kind)) : nullptr;
    const LayerColour c = layer ? layer->colour : LayerColour{0, 0, 0};
    glColor3f(c.r, c.g, c.b);
}

// A relative is drawn as a smoothed polyline through some of its samples:
// first every Stride-th, then between two of them the sample halfway where
// their chord is longer than JoinPixels, down to neighbouring samples. Two
// neighbours farther apart than BreakPixels lie on either side of a pole
// (a lightlike tangent, an inflection): the line breaks there, as it does
// where a sample has no point.
constexpr size_t Stride = 64;
constexpr double JoinPixels = 2.0;
constexpr double BreakPixels = 8.0;
// Beyond this many pixels from the origin a point is off any picture.
constexpr double FarPixels = 1e6;

class RelativeLine {
public:
    // `picture`: the client pixels where the line can show, relative to the world origin.
    RelativeLine(const RelativeTrace &relative, double pixelsPerUnit, const SeenArea &picture)
        : trace(relative), unit(pixelsPerUnit), seen(picture)
    {
    }

    // The polyline in world units, NaN where it breaks; and the samples it
    // was worked out from, for the cusps.
    std::vector<PlanePoint> line;
    std::vector<size_t> indices;
    std::vector<RelativePoint> points;

    void Build()
    {
        const size_t count = trace.Count();
        for (size_t i = 0; i < count; i += Stride)
            Stop(i);
        if (count > 0 && indices.back() != count - 1)
            Stop(count - 1);
        for (size_t k = 0; k + 1 < indices.size(); ++k) {
            Add(points[k]);
            Between(indices[k], points[k], indices[k + 1], points[k + 1]);
        }
        if (!points.empty())
            Add(points.back());
    }

private:
    const RelativeTrace &trace;
    double unit;
    SeenArea seen;

    // Both beyond one edge of the picture: no stretch between them shows.
    bool Unseen(const RelativePoint &a, const RelativePoint &b) const
    {
        const double ax = a.x * unit, ay = -a.y * unit, bx = b.x * unit, by = -b.y * unit;
        return (ax < seen.left && bx < seen.left) || (ax > seen.right && bx > seen.right) ||
               (ay < seen.top && by < seen.top) || (ay > seen.bottom && by > seen.bottom);
    }

    void Stop(size_t i)
    {
        indices.push_back(i);
        points.push_back(Seen(trace.At(i)));
    }

    RelativePoint Seen(RelativePoint p) const
    {
        if (p.defined && std::hypot(p.x, p.y) * unit > FarPixels)
            p.defined = false;
        return p;
    }

    double Pixels(const RelativePoint &a, const RelativePoint &b) const
    {
        return std::hypot(b.x - a.x, b.y - a.y) * unit;
    }

    void Add(const RelativePoint &p)
    {
        const double none = std::numeric_limits<double>::quiet_NaN();
        line.push_back(p.defined ? PlanePoint{p.x, p.y} : PlanePoint{none, none});
    }

    void Break() { Add({false, 0, 0}); }

    // The samples strictly between i and j, as far as the line needs them.
    void Between(size_t i, const RelativePoint &a, size_t j, const RelativePoint &b)
    {
        const bool bothSeen = a.defined && b.defined;
        if (j - i <= 1) {
            if (bothSeen && Pixels(a, b) > BreakPixels)
                Break();
            return;
        }
        if (bothSeen && (Pixels(a, b) <= JoinPixels || Unseen(a, b)))
            return;
        if (!a.defined && !b.defined)
            return;  // a stretch without points: the line stays broken
        const size_t m = i + (j - i) / 2;
        const RelativePoint mid = Seen(trace.At(m));
        Between(i, a, m, mid);
        Add(mid);
        Between(m, mid, j, b);
    }
};

void TraceRelative(const Frame &frame, RelativeKind kind)
{
    const CurveRow *curve = frame.Curve();
    if (!curve)
        return;
    const Relative relative = RelativeIn(kind, frame.scene);
    const RelativeTrace trace(*curve, frame.scene, relative);
    const FrameGeometry &at = frame.at;
    const SeenArea picture{-double(at.originX), -double(at.originY), frame.pictureWidth - double(at.originX),
                           frame.pictureHeight - double(at.originY)};
    RelativeLine line(trace, double(at.unitPixels), picture);
    line.Build();
    SetColour(frame, kind);
    DrawPolyline(frame.at, line.line, 1.1);
    for (double t : trace.Cusps(line.indices, line.points)) {
        const RelativeSample cusp = RelativeAt(*curve, frame.scene, relative, t);
        DrawRing(frame.at, cusp.x, cusp.y);
    }
}

// What a construction shows at the selected parameter: Q, the tangent
// vector, and the relative's point.
struct AtSelected {
    bool defined = false;
    PlaneJet q;
    RelativeSample point{false, 0, 0, 0, 0};
};

AtSelected SelectedOf(const Frame &frame, RelativeKind kind)
{
    const CurveRow *curve = frame.Curve();
    if (!curve)
        return {};
    const double t = double(frame.scene.currentT);
    AtSelected s;
    s.q = JetAt(*curve, t, 2);
    s.point = RelativeAt(*curve, frame.scene, RelativeIn(kind, frame.scene), t);
    s.defined = s.q.defined;
    return s;
}

// The construction's lines are shown with the tangent and normal; the
// relative's point with the selected point too.
bool ShowsLines(const Frame &frame)
{
    return frame.scene.Shows("tangentAndNormal");
}

// A segment from (x, y) along (dx, dy), across the view each way.
void DrawLineThrough(const Frame &frame, double x, double y, double dx, double dy)
{
    const double length = std::hypot(dx, dy);
    if (!(length > 0) || !std::isfinite(length))
        return;
    const double s = ReachAcross(frame.scene) / length;
    DrawPolyline(frame.at, {{x - s * dx, y - s * dy}, {x + s * dx, y + s * dy}});
}

void DrawRelativePoint(const Frame &frame, const AtSelected &s, RelativeKind kind)
{
    SetColour(frame, kind);
    if (s.point.defined)
        DrawPoint(frame.at, float(s.point.x), float(s.point.y));
}

}  // namespace

void DrawContrapedal(const Frame &frame)
{
    TraceRelative(frame, RelativeKind::Contrapedal);
}

void DrawOrthotomic(const Frame &frame)
{
    TraceRelative(frame, RelativeKind::Orthotomic);
}

void DrawCatacaustic(const Frame &frame)
{
    TraceRelative(frame, RelativeKind::Catacaustic);
}

void DrawNegativePedal(const Frame &frame)
{
    TraceRelative(frame, RelativeKind::NegativePedal);
}

void DrawEvolute(const Frame &frame)
{
    TraceRelative(frame, RelativeKind::Evolute);
}

void DrawIteratedPedal(const Frame &frame)
{
    TraceRelative(frame, RelativeKind::IteratedPedal);
}

// The normal line at Q and C on it.
void DrawContrapedalConstruction(const Frame &frame)
{
    const AtSelected s = SelectedOf(frame, RelativeKind::Contrapedal);
    if (!s.defined)
        return;
    if (ShowsLines(frame)) {
        SetColour(frame, RelativeKind::Contrapedal);
        const PlanePoint q = s.q.derivatives[0], v = s.q.derivatives[1];
        DrawLineThrough(frame, q.x, q.y, -relative_formulas::PlaneSign(frame.scene.plane) * v.y, v.x);
    }
    DrawRelativePoint(frame, s, RelativeKind::Contrapedal);
}

// The mirror point O and the segment from P to it.
void DrawOrthotomicConstruction(const Frame &frame)
{
    const AtSelected s = SelectedOf(frame, RelativeKind::Orthotomic);
    if (!s.defined)
        return;
    if (ShowsLines(frame) && s.point.defined) {
        SetColour(frame, RelativeKind::Orthotomic);
        DrawPolyline(frame.at, {{frame.scene.pedalX, frame.scene.pedalY}, {s.point.x, s.point.y}});
    }
    DrawRelativePoint(frame, s, RelativeKind::Orthotomic);
}

// The reflected ray: from Q away from the mirror point O, which the ray
// seems to come from, with the catacaustic's point on its line.
void DrawCatacausticConstruction(const Frame &frame)
{
    const AtSelected s = SelectedOf(frame, RelativeKind::Catacaustic);
    if (!s.defined)
        return;
    const RelativeSample o =
        RelativeAt(*frame.Curve(), frame.scene, {RelativeKind::Orthotomic}, double(frame.scene.currentT));
    if (ShowsLines(frame) && o.defined) {
        const PlanePoint q = s.q.derivatives[0];
        const double dx = q.x - o.x, dy = q.y - o.y;
        const double length = std::hypot(dx, dy);
        if (length > 0) {
            const double reach = ReachAcross(frame.scene);
            SetColour(frame, RelativeKind::Catacaustic);
            DrawPolyline(frame.at, {{q.x, q.y}, {q.x + reach * dx / length, q.y + reach * dy / length}});
        }
    }
    DrawRelativePoint(frame, s, RelativeKind::Catacaustic);
}

// The line through Q perpendicular to Q - P, and Z on it.
void DrawNegativePedalConstruction(const Frame &frame)
{
    const AtSelected s = SelectedOf(frame, RelativeKind::NegativePedal);
    if (!s.defined)
        return;
    if (ShowsLines(frame)) {
        const PlanePoint q = s.q.derivatives[0];
        const double ux = q.x - frame.scene.pedalX, uy = q.y - frame.scene.pedalY;
        SetColour(frame, RelativeKind::NegativePedal);
        DrawLineThrough(frame, q.x, q.y, -relative_formulas::PlaneSign(frame.scene.plane) * uy, ux);
    }
    DrawRelativePoint(frame, s, RelativeKind::NegativePedal);
}

// E and the osculating circle, or in the Minkowski plane the osculating
// pseudo-circle x^2 - y^2 = <Q - E, Q - E> about E (both branches).
void DrawEvoluteConstruction(const Frame &frame)
{
    const AtSelected s = SelectedOf(frame, RelativeKind::Evolute);
    if (!s.defined || !s.point.defined)
        return;
    if (ShowsLines(frame)) {
        const PlanePoint q = s.q.derivatives[0];
        const double ex = s.point.x, ey = s.point.y, dx = q.x - ex, dy = q.y - ey;
        SetColour(frame, RelativeKind::Evolute);
        constexpr int Steps = 256;
        if (frame.scene.plane == Plane::Euclidean) {
            const double r = std::hypot(dx, dy);
            std::vector<PlanePoint> circle;
            for (int k = 0; k <= Steps; ++k) {
                const double a = 2 * 3.141592653589793 * k / Steps;
                circle.push_back({ex + r * std::cos(a), ey + r * std::sin(a)});
            }
            DrawPolyline(frame.at, circle);
        } else {
            const double c = dx * dx - dy * dy;
            const double r = std::sqrt(std::abs(c));
            for (double branch : {1.0, -1.0}) {
                std::vector<PlanePoint> arc;
                for (int k = -Steps; k <= Steps; ++k) {
                    const double u = 3.0 * k / Steps;
                    const double along = branch * r * std::cosh(u), across = r * std::sinh(u);
                    arc.push_back(c >= 0 ? PlanePoint{ex + along, ey + across} : PlanePoint{ex + across, ey + along});
                }
                DrawPolyline(frame.at, arc);
            }
        }
    }
    DrawRelativePoint(frame, s, RelativeKind::Evolute);
}

// Each stage's foot: the pedal curve's, its pedal curve's, and so on.
void DrawIteratedPedalConstruction(const Frame &frame)
{
    const CurveRow *curve = frame.Curve();
    if (!curve)
        return;
    SetColour(frame, RelativeKind::IteratedPedal);
    for (int stage = 1; stage <= frame.scene.pedalStages; ++stage) {
        const RelativeSample f =
            RelativeAt(*curve, frame.scene, {RelativeKind::IteratedPedal, stage}, double(frame.scene.currentT));
        if (f.defined)
            DrawPoint(frame.at, float(f.x), float(f.y));
    }
}

void DrawTangentTypes(const Frame &frame)
{
    const CurveRow *curve = frame.Curve();
    if (!curve)
        return;
    const std::shared_ptr<const JetTable> table = curve->formulas->TableFor(frame.scene.tMin, frame.scene.tMax, 1);
    if (!table)
        return;
    const FrameGeometry &at = frame.at;
    const double unit = double(at.unitPixels);
    glPushMatrix();
    glTranslatef(at.originX, at.originY, 0.0f);
    SetPointSize(float(1.1 * at.pixelRatio));
    glEnable(GL_POINT_SMOOTH);
    for (const bool spacelike : {true, false}) {
        if (spacelike)
            glColor3f(0, 0, 0);
        else
            glColor3f(0.5f, 0.5f, 0.5f);
        TracePoints points(RouteOfFrame(frame), at.originX, at.originY);
        for (size_t i = 0; i < table->t.size(); ++i) {
            const PlanePoint q = table->At(i, 0), v = table->At(i, 1);
            const double square = v.x * v.x - v.y * v.y;
            if (std::isfinite(q.x) && std::isfinite(q.y) && square != 0 && (square > 0) == spacelike)
                points.Add(float(q.x * unit), float(-(q.y * unit)));
            else
                points.Gap();
        }
    }
    glPopMatrix();
}

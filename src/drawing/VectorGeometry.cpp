#include "drawing/VectorGeometry.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// A trace keeps the samples that stray farther than this from its polyline.
constexpr double Tolerance = 0.1;
// Longest stretch simplified at once, which bounds the work on any trace.
constexpr size_t SimplifiedStretch = 4096;

// The part [t0, t1] of the segment a-b that lies inside r (Liang-Barsky).
struct SegmentPart {
    bool inside;
    double t0, t1;
};

SegmentPart ClipSegment(VectorPoint a, VectorPoint b, const ClipRect &r)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - r.left, r.right - a.x, a.y - r.top, r.bottom - a.y};
    SegmentPart part{true, 0, 1};
    for (int i = 0; i < 4 && part.inside; ++i) {
        if (p[i] == 0) {
            part.inside = q[i] >= 0;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            part.t0 = std::max(part.t0, t);
        else
            part.t1 = std::min(part.t1, t);
        part.inside = part.t0 <= part.t1;
    }
    return part;
}

VectorPoint Along(VectorPoint a, VectorPoint b, double t)
{
    return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
}

double DistanceToSegment(VectorPoint p, VectorPoint a, VectorPoint b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    const double t = length2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0) : 0.0;
    return Distance(p, Along(a, b, t));
}

}  // namespace

bool Same(VectorPoint a, VectorPoint b)
{
    return a.x == b.x && a.y == b.y;
}

double Distance(VectorPoint a, VectorPoint b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

std::vector<Polyline> ClipPolyline(const Polyline &line, const ClipRect &r)
{
    std::vector<Polyline> pieces;
    if (line.size() == 1 && r.Contains(line[0]))
        pieces.push_back(line);
    bool open = false;
    for (size_t i = 1; i < line.size(); ++i) {
        const SegmentPart part = ClipSegment(line[i - 1], line[i], r);
        if (!part.inside) {
            open = false;
            continue;
        }
        if (!open || part.t0 > 0)
            pieces.push_back({Along(line[i - 1], line[i], part.t0)});
        pieces.back().push_back(Along(line[i - 1], line[i], part.t1));
        open = part.t1 == 1;
    }
    return pieces;
}

// Sutherland-Hodgman: the polygon cut by one edge of r after the other.
Polyline ClipPolygon(Polyline polygon, const ClipRect &r)
{
    for (int edge = 0; edge < 4 && !polygon.empty(); ++edge) {
        Polyline kept;
        for (size_t i = 0; i < polygon.size(); ++i) {
            const VectorPoint p = polygon[i], q = polygon[(i + 1) % polygon.size()];
            const double dp = r.Inside(p, edge), dq = r.Inside(q, edge);
            if (dp >= 0)
                kept.push_back(p);
            if ((dp >= 0) != (dq >= 0))
                kept.push_back(Along(p, q, dp / (dp - dq)));
        }
        polygon = std::move(kept);
    }
    return polygon;
}

Polyline Simplified(const Polyline &line)
{
    if (line.size() < 3)
        return line;
    std::vector<char> keep(line.size(), 0);
    std::vector<std::pair<size_t, size_t>> stretches;
    for (size_t first = 0; first + 1 < line.size(); first += SimplifiedStretch) {
        const size_t last = std::min(first + SimplifiedStretch, line.size() - 1);
        keep[first] = keep[last] = 1;
        stretches.emplace_back(first, last);
    }
    while (!stretches.empty()) {
        const auto [first, last] = stretches.back();
        stretches.pop_back();
        double worst = Tolerance;
        size_t at = first;
        for (size_t i = first + 1; i < last; ++i) {
            const double d = DistanceToSegment(line[i], line[first], line[last]);
            if (d > worst) {
                worst = d;
                at = i;
            }
        }
        if (at != first) {
            keep[at] = 1;
            stretches.emplace_back(first, at);
            stretches.emplace_back(at, last);
        }
    }
    Polyline kept;
    for (size_t i = 0; i < line.size(); ++i)
        if (keep[i])
            kept.push_back(line[i]);
    return kept;
}

double SignedArea(const Polyline &polygon)
{
    double twice = 0;
    for (size_t i = 0; i < polygon.size(); ++i) {
        const VectorPoint p = polygon[i], q = polygon[(i + 1) % polygon.size()];
        twice += p.x * q.y - q.x * p.y;
    }
    return twice / 2;
}

namespace {

// Which points of a quarter-pixel grid over a rectangle the dots kept so far cover.
class Coverage {
public:
    Coverage(const ClipRect &r, double diameter)
        : left(r.left), top(r.top), columns(Cells(r.right - r.left)), rows(Cells(r.bottom - r.top)),
          radius(diameter / 2), covered(size_t(columns) * size_t(rows), false)
    {
    }

    // Covers the dot's grid points; false where a quarter of them or fewer
    // were not covered already: what shows of such a dot is slivers under a
    // quarter of a pixel wide at the edge of others.
    bool Cover(VectorPoint centre)
    {
        const long fromX = Index(centre.x - radius - left), toX = Index(centre.x + radius - left);
        const long fromY = Index(centre.y - radius - top), toY = Index(centre.y + radius - top);
        cells.clear();
        for (long row = std::max(0L, fromY); row <= std::min(rows - 1, toY); ++row) {
            for (long column = std::max(0L, fromX); column <= std::min(columns - 1, toX); ++column) {
                const double dx = left + (column + 0.5) * Step - centre.x;
                const double dy = top + (row + 0.5) * Step - centre.y;
                if (dx * dx + dy * dy <= radius * radius)
                    cells.push_back(size_t(row) * size_t(columns) + size_t(column));
            }
        }
        const auto added = std::count_if(cells.begin(), cells.end(), [&](size_t cell) { return !covered[cell]; });
        if (!cells.empty() && 4 * size_t(added) <= cells.size())
            return false;  // a dot too small for the grid is kept
        for (size_t cell : cells)
            covered[cell] = true;
        return true;
    }

private:
    static constexpr double Step = 0.25;
    static long Cells(double length) { return std::max(1L, long(std::ceil(length / Step))); }
    static long Index(double offset) { return long(std::floor(offset / Step)); }

    double left, top;
    long columns, rows;
    double radius;
    std::vector<bool> covered;
    std::vector<size_t> cells;  // the dot's grid points, kept to spare an allocation a dot
};

}  // namespace

std::vector<Polyline> UncoveredDots(std::vector<Polyline> dots, double diameter, const ClipRect &r)
{
    if (dots.size() < 2)
        return dots;
    Coverage coverage(r, diameter);
    std::vector<Polyline> kept;
    for (Polyline &dot : dots) {
        if (coverage.Cover(dot.front()))
            kept.push_back(std::move(dot));
    }
    // Discs of one colour may come in any order: row by row, each the other
    // way, a file moves from one to the next in a few digits.
    auto row = [](const Polyline &dot) { return std::floor(dot.front().y); };
    std::sort(kept.begin(), kept.end(), [&](const Polyline &a, const Polyline &b) {
        if (row(a) != row(b))
            return row(a) < row(b);
        const bool even = std::fmod(row(a), 2.0) == 0;
        return even ? a.front().x < b.front().x : a.front().x > b.front().x;
    });
    return kept;
}

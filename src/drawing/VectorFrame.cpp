#include "drawing/VectorFrame.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "drawing/DrawFrame.h"
#include "drawing/Frame.h"
#include "drawing/VectorGeometry.h"
#include "drawing/VectorMarks.h"

namespace {

// Neighbouring samples of a trace farther apart than this are not joined:
// on screen they are separate dots with a gap between them.
constexpr double JoinDistance = 3.0;

// Consecutive shapes of one style become one, so that a file holds few
// elements; fills turn alike, so that overlapping parts do not cancel.
void AddShape(std::vector<VectorShape> &shapes, VectorShape shape)
{
    if (shape.parts.empty())
        return;
    if (!shapes.empty()) {
        VectorShape &last = shapes.back();
        if (last.kind == shape.kind && last.colour == shape.colour && last.width == shape.width &&
            last.round == shape.round) {
            last.parts.insert(last.parts.end(), shape.parts.begin(), shape.parts.end());
            return;
        }
    }
    shapes.push_back(std::move(shape));
}

struct FeedbackVertex {
    VectorPoint at;
    double depth;
    VectorColour colour;
    bool visible;
};

// Turns the feedback of one frame into shapes, keeping the state the marks
// pass: sizes, and the dense trace being collected.
struct ShapeBuilder {
    ClipRect picture{0, 0, 0, 0};
    double planeDepth = 0.5;  // of z = 0, where the frame draws everything flat
    double pixelRatio = 1;
    double pointSize = 1, lineWidth = 1;
    bool inTrace = false;
    VectorColour traceColour{0, 0, 0};
    std::vector<Polyline> traceRuns;
    std::vector<VectorShape> shapes;

    void Disc(const FeedbackVertex &v)
    {
        if (picture.Grown(pointSize / 2).Contains(v.at))
            AddShape(shapes, {VectorShape::Kind::Discs, v.colour, pointSize, true, {{v.at}}});
    }

    void Line(const FeedbackVertex &a, const FeedbackVertex &b)
    {
        if (Same(a.at, b.at))
            return;  // a line of no length draws nothing
        VectorShape shape{VectorShape::Kind::Stroke, a.colour, lineWidth, false, {}};
        shape.parts = ClipPolyline({a.at, b.at}, picture.Grown(lineWidth));
        AddShape(shapes, std::move(shape));
    }

    // The back faces and walls of the labels' glyphs lie behind the plane,
    // where the depth test hides them behind the front faces drawn first.
    void Polygon(const std::vector<FeedbackVertex> &vertices)
    {
        Polyline polygon;
        bool behind = true;
        for (const FeedbackVertex &v : vertices) {
            polygon.push_back(v.at);
            behind = behind && v.depth > planeDepth + 1e-6;
        }
        if (behind)
            return;
        if (SignedArea(polygon) < 0)
            std::reverse(polygon.begin(), polygon.end());
        if (!std::all_of(polygon.begin(), polygon.end(), [&](VectorPoint p) { return picture.Contains(p); }))
            polygon = ClipPolygon(std::move(polygon), picture);
        if (polygon.size() < 3 || SignedArea(polygon) < 1e-6)
            return;  // degenerate (a wall seen edge-on) or outside
        AddShape(shapes, {VectorShape::Kind::Fill, vertices[0].colour, 0, false, {polygon}});
    }

    void TracePoint(const FeedbackVertex &v)
    {
        if (!traceRuns.empty() && !(v.colour == traceColour))
            EndTrace();
        traceColour = v.colour;
        const Polyline *last = traceRuns.empty() ? nullptr : &traceRuns.back();
        if (last && !last->empty() && Same(last->back(), v.at))
            return;  // a repeated sample adds nothing
        if (!last || last->empty() || Distance(last->back(), v.at) > JoinDistance)
            traceRuns.emplace_back();
        traceRuns.back().push_back(v.at);
    }

    void BreakRun()
    {
        if (!traceRuns.empty() && !traceRuns.back().empty())
            traceRuns.emplace_back();
    }

    // Paths for the runs of samples; a lone sample is a dot.
    void EndTrace()
    {
        VectorShape paths{VectorShape::Kind::Stroke, traceColour, pointSize, true, {}};
        VectorShape dots{VectorShape::Kind::Discs, traceColour, pointSize, true, {}};
        for (const Polyline &run : traceRuns) {
            for (const Polyline &piece : ClipPolyline(run, picture.Grown(pointSize))) {
                Polyline simple = Simplified(piece);
                (simple.size() == 1 ? dots : paths).parts.push_back(std::move(simple));
            }
        }
        dots.parts = UncoveredDots(std::move(dots.parts), pointSize, picture.Grown(pointSize));
        AddShape(shapes, std::move(paths));
        AddShape(shapes, std::move(dots));
        traceRuns.clear();
    }

    void Mark(int mark, float value)
    {
        switch (mark) {
        case PointSizeFollows:
            pointSize = value / pixelRatio;
            break;
        case LineWidthFollows:
            lineWidth = value / pixelRatio;
            break;
        case TraceStarts:
        case TraceEnds:
            EndTrace();
            inTrace = mark == TraceStarts;
            break;
        case TraceBreaks:
            BreakRun();
            break;
        }
    }
};

unsigned char Channel(float c)
{
    return static_cast<unsigned char>(std::lround(std::clamp(double(c), 0.0, 1.0) * 255));
}

// Reads the feedback of GL_3D_COLOR: tokens with vertices of x, y, depth and RGBA.
struct FeedbackReader {
    const std::vector<float> &buffer;
    double top;  // the picture's top edge in window coordinates, which have y up
    double pixelRatio;
    size_t i = 0;

    bool AtEnd() const { return i >= buffer.size(); }
    // Past the end (a token cut short) reads zeros.
    float Next() { return i < buffer.size() ? buffer[i++] : (++i, 0.0f); }
    FeedbackVertex Vertex()
    {
        const float x = Next(), y = Next(), depth = Next(), r = Next(), g = Next(), b = Next(), a = Next();
        return {{x / pixelRatio, (top - y) / pixelRatio}, depth, {Channel(r), Channel(g), Channel(b)}, a > 0};
    }
};

void ReadToken(FeedbackReader &in, ShapeBuilder &out)
{
    const int token = int(in.Next());
    if (token == GL_PASS_THROUGH_TOKEN) {
        const int mark = int(in.Next());
        const bool sized = mark == PointSizeFollows || mark == LineWidthFollows;
        // The size is a pass-through token and value of its own.
        out.Mark(mark, sized && !in.AtEnd() && int(in.Next()) == GL_PASS_THROUGH_TOKEN ? in.Next() : 0.0f);
    } else if (token == GL_POINT_TOKEN) {
        const FeedbackVertex v = in.Vertex();
        if (v.visible)
            out.inTrace ? out.TracePoint(v) : out.Disc(v);
    } else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
        const FeedbackVertex a = in.Vertex(), b = in.Vertex();
        if (a.visible)
            out.Line(a, b);
    } else if (token == GL_POLYGON_TOKEN) {
        std::vector<FeedbackVertex> vertices(size_t(in.Next()));
        for (FeedbackVertex &v : vertices)
            v = in.Vertex();
        if (vertices.size() >= 3 && vertices[0].visible)
            out.Polygon(vertices);
    } else {
        in.Vertex();  // bitmap and pixel tokens: one vertex, nothing drawn here
    }
}

double DepthOfPlane()
{
    GLdouble projection[16], range[2];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetDoublev(GL_DEPTH_RANGE, range);
    const double z = projection[14] / projection[15];  // the origin's normalised depth
    return range[0] + (z + 1) / 2 * (range[1] - range[0]);
}

// Big enough for the dense traces of most frames; a frame that overflows it
// is drawn again into twice the room, up to a limit far above the sample budget.
constexpr size_t FirstCapacity = size_t(1) << 22;
constexpr size_t LastCapacity = size_t(1) << 26;

std::vector<float> FeedbackOfFrame(const Frame &frame, LayerCache &cache)
{
    std::vector<float> buffer;
    for (size_t capacity = FirstCapacity; capacity <= LastCapacity; capacity *= 2) {
        buffer.assign(capacity, 0.0f);
        glFeedbackBuffer(GLsizei(capacity), GL_3D_COLOR, buffer.data());
        glRenderMode(GL_FEEDBACK);
        DrawFrame(frame, cache);
        const GLint used = glRenderMode(GL_RENDER);
        if (used >= 0) {
            buffer.resize(size_t(used));
            return buffer;
        }
    }
    throw std::runtime_error("The picture has too many shapes to be written as vectors.");
}

}  // namespace

VectorPicture CaptureVectorFrame(const Frame &frame, LayerCache &cache)
{
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    const double ratio = frame.pixelRatio > 0 ? frame.pixelRatio : 1.0;
    VectorPicture picture;
    picture.width = frame.pictureWidth;
    picture.height = frame.pictureHeight;
    ShapeBuilder builder;
    builder.picture = {0, 0, picture.width, picture.height};
    builder.planeDepth = DepthOfPlane();
    builder.pixelRatio = ratio;
    const std::vector<float> buffer = FeedbackOfFrame(frame, cache);
    FeedbackReader reader{buffer, double(viewport[1]) + viewport[3], ratio};
    while (!reader.AtEnd())
        ReadToken(reader, builder);
    builder.EndTrace();
    picture.shapes = std::move(builder.shapes);
    GLfloat clear[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    picture.background = {Channel(clear[0]), Channel(clear[1]), Channel(clear[2])};
    return picture;
}

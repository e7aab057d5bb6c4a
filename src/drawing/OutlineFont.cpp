#include "drawing/OutlineFont.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// Mesa's glu.h leaves the callback calling convention to GLAPIENTRY.
#ifndef CALLBACK
#define CALLBACK GLAPIENTRY
#endif

namespace {

constexpr int ListCount = 256;
constexpr int GlyphCount = 255;  // the last list stays empty
constexpr float Extrusion = 0.2f;
constexpr double Deviation = 1.0;  // design units
constexpr int MaxSteps = 1 << 16;  // per curve

// Unicode of the Windows-1252 codes 0x80..0x9F; 0 where the code page has no character.
constexpr char16_t Cp1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                     0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t CodeToUnicode(int code)
{
    if (code < 32)
        return 0;  // control codes draw nothing
    if (code >= 0x80 && code < 0xA0)
        return Cp1252High[code - 0x80];
    return char32_t(code);
}

struct Point {
    float x, y;
};

// One tessellator primitive (triangles, strip or fan) in em units.
struct Primitive {
    GLenum mode;
    std::vector<Point> points;
};

// What one glyph list draws, in em units: the triangles of the front face
// (the back face reverses them), the flattened contours for the walls, and
// the advance.
struct Glyph {
    bool present = false;
    std::vector<Point> triangles;              // each counter-clockwise
    std::vector<std::vector<Point>> contours;  // filled area on the right
    float advance = 0;
};

struct FontGeometry {
    std::string faceName;
    std::array<Glyph, GlyphCount> glyphs;
};

// ---- Outline flattening -------------------------------------------------

struct DPoint {
    double x, y;
};

// Each curve is cut into the fewest equal parameter steps whose chords stay
// within one design unit: a step h deviates at most h^2/8 of the largest
// second derivative.
struct Flattener {
    std::vector<std::vector<DPoint>> contours;
    DPoint last{0, 0};

    void add(DPoint p)
    {
        std::vector<DPoint> &c = contours.back();
        if (c.empty() || c.back().x != p.x || c.back().y != p.y)
            c.push_back(p);
        last = p;
    }

    static int Steps(double secondDerivative)
    {
        const double n = std::ceil(std::sqrt(secondDerivative / (8 * Deviation)));
        return int(std::max(1.0, std::min(n, double(MaxSteps))));
    }

    void conic(DPoint p0, DPoint p1, DPoint p2)
    {
        const int n = Steps(2 * std::hypot(p0.x - 2 * p1.x + p2.x, p0.y - 2 * p1.y + p2.y));
        for (int k = 1; k < n; ++k) {
            const double t = double(k) / n, u = 1 - t;
            add(DPoint{u * u * p0.x + 2 * u * t * p1.x + t * t * p2.x, u * u * p0.y + 2 * u * t * p1.y + t * t * p2.y});
        }
        add(p2);
    }

    void cubic(DPoint p0, DPoint p1, DPoint p2, DPoint p3)
    {
        const double d1 = std::hypot(p0.x - 2 * p1.x + p2.x, p0.y - 2 * p1.y + p2.y);
        const double d2 = std::hypot(p1.x - 2 * p2.x + p3.x, p1.y - 2 * p2.y + p3.y);
        const int n = Steps(6 * std::max(d1, d2));
        for (int k = 1; k < n; ++k) {
            const double t = double(k) / n, u = 1 - t;
            const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
            add(DPoint{a * p0.x + b * p1.x + c * p2.x + d * p3.x, a * p0.y + b * p1.y + c * p2.y + d * p3.y});
        }
        add(p3);
    }
};

DPoint ToPoint(const FT_Vector *v)
{
    return DPoint{double(v->x), double(v->y)};
}

int MoveTo(const FT_Vector *to, void *user)
{
    auto *f = static_cast<Flattener *>(user);
    f->contours.emplace_back();
    f->add(ToPoint(to));
    return 0;
}

int LineTo(const FT_Vector *to, void *user)
{
    static_cast<Flattener *>(user)->add(ToPoint(to));
    return 0;
}

int ConicTo(const FT_Vector *control, const FT_Vector *to, void *user)
{
    auto *f = static_cast<Flattener *>(user);
    f->conic(f->last, ToPoint(control), ToPoint(to));
    return 0;
}

int CubicTo(const FT_Vector *c1, const FT_Vector *c2, const FT_Vector *to, void *user)
{
    auto *f = static_cast<Flattener *>(user);
    f->cubic(f->last, ToPoint(c1), ToPoint(c2), ToPoint(to));
    return 0;
}

// ---- Tessellation -------------------------------------------------------

struct Tessellation {
    std::deque<std::array<GLdouble, 3>> vertices;  // outlives gluTessEndPolygon
    std::vector<Primitive> primitives;
    double scale = 1;
    bool failed = false;
};

void CALLBACK TessBegin(GLenum mode, void *user)
{
    static_cast<Tessellation *>(user)->primitives.push_back(Primitive{mode, {}});
}

void CALLBACK TessVertex(void *vertex, void *user)
{
    auto *t = static_cast<Tessellation *>(user);
    const auto *v = static_cast<const GLdouble *>(vertex);
    t->primitives.back().points.push_back(Point{float(v[0] * t->scale), float(v[1] * t->scale)});
}

void CALLBACK TessCombine(GLdouble coords[3], void *[4], GLfloat[4], void **out, void *user)
{
    auto *t = static_cast<Tessellation *>(user);
    t->vertices.push_back({coords[0], coords[1], coords[2]});
    *out = t->vertices.back().data();
}

void CALLBACK TessError(GLenum, void *user)
{
    static_cast<Tessellation *>(user)->failed = true;
}

double Cross(const Point &a, const Point &b, const Point &c)
{
    return (double(b.x) - a.x) * (double(c.y) - a.y) - (double(b.y) - a.y) * (double(c.x) - a.x);
}

void AddTriangle(std::vector<Point> &triangles, const Point &a, const Point &b, const Point &c)
{
    const bool counterClockwise = Cross(a, b, c) >= 0;
    triangles.insert(triangles.end(), {a, counterClockwise ? b : c, counterClockwise ? c : b});
}

// Triangles of the non-zero interior of the contours (font units in, em
// units out).
void Tessellate(GLUtesselator *tess, const std::vector<std::vector<DPoint>> &contours, double scale, Glyph &glyph)
{
    Tessellation t;
    t.scale = scale;
    gluTessBeginPolygon(tess, &t);
    for (const auto &contour : contours) {
        gluTessBeginContour(tess);
        for (const DPoint &p : contour) {
            t.vertices.push_back({p.x, p.y, 0.0});
            gluTessVertex(tess, t.vertices.back().data(), t.vertices.back().data());
        }
        gluTessEndContour(tess);
    }
    gluTessEndPolygon(tess);
    if (t.failed)
        return;
    for (const Primitive &p : t.primitives) {
        const std::vector<Point> &v = p.points;
        for (size_t i = 0; i + 2 < v.size(); i += p.mode == GL_TRIANGLES ? 3 : 1) {
            if (p.mode == GL_TRIANGLE_FAN)
                AddTriangle(glyph.triangles, v[0], v[i + 1], v[i + 2]);
            else
                AddTriangle(glyph.triangles, v[i], v[i + 1], v[i + 2]);
        }
    }
}

// ---- Font loading -------------------------------------------------------

struct MatchedFile {
    std::string path;
    int index = 0;
};

MatchedFile MatchFace(const std::string &faceName)
{
    MatchedFile matched;
    FcPattern *pattern = FcNameParse(reinterpret_cast<const FcChar8 *>(faceName.c_str()));
    if (!pattern)
        return matched;
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern *match = FcFontMatch(nullptr, pattern, &result);
    if (match) {
        FcChar8 *file = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file)
            matched.path = reinterpret_cast<const char *>(file);
        int index = 0;
        if (FcPatternGetInteger(match, FC_INDEX, 0, &index) == FcResultMatch)
            matched.index = index;
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return matched;
}

struct FreeTypeLibrary {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    ~FreeTypeLibrary()
    {
        if (face)
            FT_Done_Face(face);
        if (library)
            FT_Done_FreeType(library);
    }
};

struct Tessellator {
    GLUtesselator *tess = gluNewTess();
    ~Tessellator()
    {
        if (tess)
            gluDeleteTess(tess);
    }
};

// Reads every glyph once; the FreeType objects live only for the reading.
void LoadGeometry(FontGeometry &geometry)
{
    const MatchedFile file = MatchFace(geometry.faceName);
    if (file.path.empty())
        return;
    FreeTypeLibrary ft;
    if (FT_Init_FreeType(&ft.library) != 0)
        return;
    if (FT_New_Face(ft.library, file.path.c_str(), file.index, &ft.face) != 0) {
        ft.face = nullptr;
        return;
    }
    FT_Face face = ft.face;
    if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0)
        return;
    FT_Select_Charmap(face, FT_ENCODING_UNICODE);
    const double em = face->units_per_EM;

    Tessellator tessellator;
    if (!tessellator.tess)
        return;
    GLUtesselator *tess = tessellator.tess;
    gluTessProperty(tess, GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_NONZERO);
    gluTessNormal(tess, 0, 0, 1);
    gluTessCallback(tess, GLU_TESS_BEGIN_DATA, reinterpret_cast<_GLUfuncptr>(TessBegin));
    gluTessCallback(tess, GLU_TESS_VERTEX_DATA, reinterpret_cast<_GLUfuncptr>(TessVertex));
    gluTessCallback(tess, GLU_TESS_COMBINE_DATA, reinterpret_cast<_GLUfuncptr>(TessCombine));
    gluTessCallback(tess, GLU_TESS_ERROR_DATA, reinterpret_cast<_GLUfuncptr>(TessError));

    FT_Outline_Funcs funcs{};
    funcs.move_to = MoveTo;
    funcs.line_to = LineTo;
    funcs.conic_to = ConicTo;
    funcs.cubic_to = CubicTo;

    for (int code = 0; code < GlyphCount; ++code) {
        const char32_t unicode = CodeToUnicode(code);
        if (unicode == 0)
            continue;
        const FT_UInt index = FT_Get_Char_Index(face, FT_ULong(unicode));
        if (index == 0 || FT_Load_Glyph(face, index, FT_LOAD_NO_SCALE) != 0)
            continue;
        FT_GlyphSlot slot = face->glyph;
        Glyph &glyph = geometry.glyphs[size_t(code)];
        glyph.present = true;
        glyph.advance = float(slot->metrics.horiAdvance / em);
        if (slot->format != FT_GLYPH_FORMAT_OUTLINE || slot->outline.n_contours == 0)
            continue;

        Flattener flattener;
        FT_Outline_Decompose(&slot->outline, &funcs, &flattener);
        const bool fillRight = FT_Outline_Get_Orientation(&slot->outline) != FT_ORIENTATION_POSTSCRIPT;
        for (auto &contour : flattener.contours) {
            // The decomposer closes each contour back onto its start.
            if (contour.size() > 1 && contour.front().x == contour.back().x && contour.front().y == contour.back().y)
                contour.pop_back();
            if (contour.size() < 3)
                continue;
            std::vector<Point> wall;
            for (const DPoint &p : contour) {
                const Point v{float(p.x / em), float(p.y / em)};
                if (wall.empty() || v.x != wall.back().x || v.y != wall.back().y)
                    wall.push_back(v);
            }
            while (wall.size() > 1 && wall.front().x == wall.back().x && wall.front().y == wall.back().y)
                wall.pop_back();
            if (wall.size() < 3)
                continue;
            if (!fillRight)
                std::reverse(wall.begin(), wall.end());
            glyph.contours.push_back(std::move(wall));
        }
        Tessellate(tess, flattener.contours, 1 / em, glyph);
    }
}

// The outlines are read once per face and kept: the font is rebuilt on every
// resize, and only the display lists need the new context.
std::unique_ptr<FontGeometry> cache;

const FontGeometry &Geometry(const std::string &faceName)
{
    if (!cache || cache->faceName != faceName) {
        auto geometry = std::make_unique<FontGeometry>();
        geometry->faceName = faceName;
        LoadGeometry(*geometry);
        cache = std::move(geometry);
    }
    return *cache;
}

// Outward normal of the wall along a -> b (the filled side is on the right).
void WallNormal(const Point &a, const Point &b)
{
    const float dx = b.x - a.x, dy = b.y - a.y;
    const float length = std::hypot(dx, dy);
    if (length > 0)
        glNormal3f(-dy / length, dx / length, 0);
}

// Only triangles and triangle strips, each run after a normal set outside
// glBegin/glEnd: Mesa's display lists leak memory for fans, polygons and quad
// strips, and its feedback and selection modes drop or crash on a list block
// that mixes primitive types; the normal call starts a new block.
void CompileGlyph(const Glyph &glyph)
{
    if (!glyph.present)
        return;
    if (!glyph.triangles.empty()) {
        glNormal3f(0, 0, 1);
        glBegin(GL_TRIANGLES);
        for (const Point &v : glyph.triangles)
            glVertex3f(v.x, v.y, 0.0f);
        glEnd();
        // The back face turns counter-clockwise seen from behind.
        glNormal3f(0, 0, -1);
        glBegin(GL_TRIANGLES);
        for (auto v = glyph.triangles.rbegin(); v != glyph.triangles.rend(); ++v)
            glVertex3f(v->x, v->y, -Extrusion);
        glEnd();
    }
    // One strip per contour, two triangles per segment, counter-clockwise
    // seen from outside; a triangle takes the normal of its last vertex.
    for (const auto &contour : glyph.contours) {
        const size_t n = contour.size();
        WallNormal(contour[n - 1], contour[0]);
        glBegin(GL_TRIANGLE_STRIP);
        for (size_t i = 0; i <= n; ++i) {
            const Point &v = contour[i % n];
            if (i > 0)
                WallNormal(contour[i - 1], v);
            glVertex3f(v.x, v.y, -Extrusion);
            glVertex3f(v.x, v.y, 0.0f);
        }
        glEnd();
    }
    glTranslatef(glyph.advance, 0.0f, 0.0f);
}

}  // namespace

unsigned BuildOutlineFont(const QString &faceName, unsigned reuseBase)
{
    const QString name = faceName.isEmpty() ? QStringLiteral("Times New Roman") : faceName;
    const GLuint base = reuseBase != 0 ? reuseBase : glGenLists(ListCount);
    if (base == 0)
        return 0;
    const FontGeometry &geometry = Geometry(name.toStdString());
    for (int code = 0; code < ListCount; ++code) {
        glNewList(base + GLuint(code), GL_COMPILE);
        if (code < GlyphCount)
            CompileGlyph(geometry.glyphs[size_t(code)]);
        glEndList();
    }
    return base;
}

void DeleteOutlineFont(unsigned fontListBase)
{
    if (fontListBase != 0)
        glDeleteLists(fontListBase, ListCount);
}

void PrintText(unsigned fontListBase, const QByteArray &text)
{
    if (text.isEmpty())
        return;
    glPushAttrib(GL_LIST_BIT);
    glListBase(fontListBase);
    glCallLists(GLsizei(text.size()), GL_UNSIGNED_BYTE, text.constData());
    glPopAttrib();
}

QByteArray TextBytes(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;  // one character outside the code page
        char byte = '?';
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            byte = char(c);
        } else {
            for (int k = 0; k < 32; ++k)
                if (Cp1252High[k] != 0 && Cp1252High[k] == c)
                    byte = char(0x80 + k);
        }
        bytes.append(byte);
    }
    return bytes;
}

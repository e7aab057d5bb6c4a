#include <gtest/gtest.h>

#include <GL/gl.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "TestSupport.h"
#include "drawing/OutlineFont.h"

namespace {

constexpr int Width = 1091, Height = 690;

struct Vertex3 {
    float x, y, depth;  // client pixels and window depth
};
using Polygons = std::vector<std::vector<Vertex3>>;

// Polygons through GL_3D feedback, keeping the depth that RecordFeedback drops.
template <class Draw>
Polygons Record3D(Draw &&draw)
{
    std::vector<float> buffer(256 * 1024);
    glFeedbackBuffer(GLsizei(buffer.size()), GL_3D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const int used = glRenderMode(GL_RENDER);
    Polygons polygons;
    for (int i = 0; i < used;) {
        if (int(buffer[size_t(i++)]) != GL_POLYGON_TOKEN) {
            ADD_FAILURE() << "not a polygon";
            break;
        }
        polygons.emplace_back();
        for (int k = int(buffer[size_t(i++)]); k > 0; --k, i += 3)
            polygons.back().push_back({buffer[size_t(i)], Height - buffer[size_t(i + 1)], buffer[size_t(i + 2)]});
    }
    return polygons;
}

std::vector<float> ModelView()
{
    std::vector<float> m(16);
    glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
    return m;
}

// x translation that the text adds to an identity model-view matrix.
float Advance(unsigned base, const QByteArray &text)
{
    glPushMatrix();
    glLoadIdentity();
    PrintText(base, text);
    const float x = ModelView()[12];
    glPopMatrix();
    return x;
}

// The advance in em of a character of the face the program asks for, read directly.
double FreeTypeAdvance(char32_t character)
{
    FcPattern *pattern = FcNameParse(reinterpret_cast<const FcChar8 *>("Times New Roman"));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern *match = FcFontMatch(nullptr, pattern, &result);
    FcChar8 *file = nullptr;
    FcPatternGetString(match, FC_FILE, 0, &file);
    FT_Library library;
    FT_Face face;
    FT_Init_FreeType(&library);
    FT_New_Face(library, reinterpret_cast<const char *>(file), 0, &face);
    FT_Load_Char(face, character, FT_LOAD_NO_SCALE);
    const double advance = double(face->glyph->metrics.horiAdvance) / face->units_per_EM;
    FT_Done_FreeType(library);
    FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    return advance;
}

long ResidentKilobytes()
{
    long pages = 0, resident = 0;
    FILE *f = std::fopen("/proc/self/statm", "r");
    const bool read = f && std::fscanf(f, "%ld %ld", &pages, &resident) == 2;
    if (f)
        std::fclose(f);
    return read ? resident * 4 : 0;
}

class OutlineFontTest : public ::testing::Test {
protected:
    void SetUp() override { base = BuildOutlineFont(QString()); }
    void TearDown() override { DeleteOutlineFont(base); }

    // A label placed as the program does it: baseline start at (x, y), em 13 px.
    void Label(float x, float y, const QByteArray &text, float em = 13)
    {
        glPushMatrix();
        glTranslatef(x, y, 0);
        glScalef(em, -em, 1);
        PrintText(base, text);
        glPopMatrix();
    }

    ScratchContext context;
    unsigned base = 0;
};

TEST_F(OutlineFontTest, NothingIsDrawnForEmptyTextCode255OrCodesWithoutCharacter)
{
    ASSERT_NE(base, 0u);
    glTranslatef(40, 50, 0);
    const std::vector<float> before = ModelView();
    EXPECT_TRUE(RecordFeedback([&] { PrintText(base, QByteArray()); }, Height).empty());
    EXPECT_EQ(ModelView(), before);

    const unsigned empty[] = {255, 0x81, 0x8D, 0x8F, 0x90, 0x9D, 0, 10};
    EXPECT_TRUE(RecordFeedback(
                    [&] {
                        for (unsigned code : empty)
                            glCallList(base + code);
                    },
                    Height)
                    .empty());
    EXPECT_EQ(ModelView(), before);
    EXPECT_FALSE(RecordFeedback([&] { glCallList(base + '1'); }, Height).empty());
    EXPECT_GT(Advance(base, "11"), 0.f);
    EXPECT_FLOAT_EQ(Advance(base, QByteArray("1\xff"
                                             "1")),
                    Advance(base, "11"));
    EXPECT_FLOAT_EQ(Advance(base, QByteArray("1\x81"
                                             "1")),
                    Advance(base, "11"));

    glListBase(7);
    PrintText(base, "12");
    GLint listBase = 0;
    glGetIntegerv(GL_LIST_BASE, &listBase);
    EXPECT_EQ(listBase, 7);
}

TEST_F(OutlineFontTest, ZeroLiesInItsBoxInFeedbackAndPixels)
{
    const int x = 100, y = 200;
    const auto primitives = RecordFeedback([&] { Label(x, y, "0"); }, Height);
    ASSERT_FALSE(primitives.empty());
    float left = 1e9f, right = -1e9f, top = 1e9f, bottom = -1e9f;
    for (const FeedbackPrimitive &p : primitives)
        for (const FeedbackVertex &v : p.vertices) {
            EXPECT_EQ(p.kind, FeedbackPrimitive::Polygon);
            left = std::min(left, v.x), right = std::max(right, v.x);
            top = std::min(top, v.y), bottom = std::max(bottom, v.y);
        }
    EXPECT_TRUE(left >= x && right <= x + 7 && top >= y - 10 && bottom <= y + 1);
    EXPECT_TRUE(right - left > 4 && bottom - top > 7);  // a digit, not a dot

    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColor3f(0, 0, 0);
    Label(x, y, "0");
    Label(500, 400, "0", 130);  // large enough to show the counter
    std::vector<unsigned char> pixels(size_t(Width) * Height * 4);
    glReadPixels(0, 0, Width, Height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    auto black = [&](int px, int py) { return pixels[(size_t(Height - 1 - py) * Width + size_t(px)) * 4] < 128; };
    int inside = 0, outside = 0;
    for (int py = 0; py < 300; ++py)
        for (int px = 0; px < 300; ++px)
            if (black(px, py))
                ++(px >= x - 1 && px <= x + 7 && py >= y - 11 && py <= y + 1 ? inside : outside);
    EXPECT_GT(inside, 12);
    EXPECT_EQ(outside, 0);
    // The large zero is a ring round a white counter.
    const int cx = 500 + int(std::lround(65 * FreeTypeAdvance('0'))), cy = 400 - 44;
    int ringLeft = 0, ringRight = 0;
    for (int px = 490; px < 580; ++px)
        (px < cx ? ringLeft : ringRight) += black(px, cy);
    EXPECT_FALSE(black(cx, cy));
    EXPECT_TRUE(ringLeft > 3 && ringRight > 3);
    EXPECT_FALSE(black(cx, 400 + 5) || black(cx, 400 - 100));
}

TEST_F(OutlineFontTest, AdvancesFollowTheFaceAndCharactersShareOneBaseline)
{
    EXPECT_NEAR(Advance(base, "0"), FreeTypeAdvance('0'), 1e-6);
    EXPECT_NEAR(Advance(base, "\x80"), FreeTypeAdvance(0x20AC), 1e-6);  // euro sign
    EXPECT_NEAR(Advance(base, " "), FreeTypeAdvance(' '), 1e-6);
    EXPECT_TRUE(RecordFeedback([&] { Label(100, 200, " "); }, Height).empty());
    EXPECT_NEAR(Advance(base, "0W0"), 2 * FreeTypeAdvance('0') + FreeTypeAdvance('W'), 1e-5);

    // "00" is "0" twice, the second one advance pixels further right on the same baseline.
    const Polygons one = Record3D([&] { Label(100, 200, "0"); });
    const Polygons two = Record3D([&] { Label(100, 200, "00"); });
    ASSERT_EQ(two.size(), 2 * one.size());
    const float shift = 13 * float(FreeTypeAdvance('0'));
    for (size_t i = 0; i < one.size(); ++i) {
        ASSERT_TRUE(two[i].size() == one[i].size() && two[one.size() + i].size() == one[i].size());
        for (size_t k = 0; k < one[i].size(); ++k) {
            EXPECT_NEAR(two[i][k].x, one[i][k].x, 1e-3);
            EXPECT_NEAR(two[one.size() + i][k].x, one[i][k].x + shift, 1e-3);
            EXPECT_NEAR(two[one.size() + i][k].y, one[i][k].y, 1e-3);
        }
    }

    // Every printable ASCII character draws near its baseline start and advances.
    for (int code = 33; code < 127; ++code) {
        const QByteArray text(1, char(code));
        const Polygons polygons = Record3D([&] { Label(100, 200, text); });
        EXPECT_FALSE(polygons.empty()) << code;
        EXPECT_GT(Advance(base, text), 0.1f) << code;
        for (const auto &polygon : polygons)
            for (const Vertex3 &v : polygon)
                ASSERT_TRUE(v.y > 200 - 14 && v.y < 200 + 5 && v.x > 98 && v.x < 100 + 13) << code;
    }
}

TEST_F(OutlineFontTest, FrontFaceAtZeroBackFaceExtrudedAndBothFacingOutward)
{
    // In the client-pixel projection z = 0 is depth 0.5 and z = -0.2 is depth 0.6.
    auto count = [](const Polygons &polygons) {
        std::vector<size_t> frontBackWall(3);
        for (const auto &polygon : polygons) {
            size_t atFront = 0, atBack = 0;
            for (const Vertex3 &v : polygon) {
                atFront += std::fabs(v.depth - 0.5f) < 1e-4f;
                atBack += std::fabs(v.depth - 0.6f) < 1e-4f;
            }
            EXPECT_EQ(atFront + atBack, polygon.size());
            ++frontBackWall[atBack == 0 ? 0 : atFront == 0 ? 1 : 2];
        }
        return frontBackWall;
    };
    // Shearing x by z turns the walls, otherwise seen edge-on, into visible polygons.
    const GLfloat shear[16] = {1, 0, 0, 0, 0, 1, 0, 0, 10, 0, 1, 0, 0, 0, 0, 1};
    glMultMatrixf(shear);
    const std::vector<size_t> all = count(Record3D([&] { Label(100, 200, "0"); }));
    EXPECT_TRUE(all[0] > 0 && all[1] == all[0] && all[2] > 0);

    // Culling the faces turned away from the viewer keeps exactly the front face.
    glEnable(GL_CULL_FACE);
    const std::vector<size_t> seen = count(Record3D([&] { Label(100, 200, "0"); }));
    glDisable(GL_CULL_FACE);
    EXPECT_TRUE(seen[0] == all[0] && seen[1] == 0);
}

TEST_F(OutlineFontTest, RebuildingAThousandTimesReleasesListsAndMemory)
{
    DeleteOutlineFont(base);
    base = 0;
    DeleteOutlineFont(BuildOutlineFont(QString()));
    // Every window resize rebuilds the font.
    const long residentBefore = ResidentKilobytes();
    for (int i = 0; i < 1000; ++i) {
        const unsigned font = BuildOutlineFont(QString());
        ASSERT_NE(font, 0u);
        ASSERT_TRUE(glIsList(font) && glIsList(font + 48) && glIsList(font + 255));
        DeleteOutlineFont(font);
        ASSERT_FALSE(glIsList(font) || glIsList(font + 48) || glIsList(font + 255));
    }
#if !defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer holds freed memory back in quarantine; its leak check
    // stands in for this one there.
    EXPECT_LT(ResidentKilobytes() - residentBefore, 20 * 1024);
#endif
}

TEST(OutlineFontText, TextBytesAreWindows1252)
{
    EXPECT_EQ(TextBytes(QStringLiteral("-1,25e+3")), QByteArray("-1,25e+3"));
    EXPECT_EQ(TextBytes(QString::fromUtf8("\u20ac\u00e4\u00a0\u0178")), QByteArray("\x80\xe4\xa0\x9f"));
    EXPECT_EQ(TextBytes(QString::fromUtf8("a\u4e2d\U0001F600b")), QByteArray("a??b"));
    EXPECT_TRUE(TextBytes(QString()).isEmpty());
}

}  // namespace

#include <QCheckBox>
#include <gtest/gtest.h>

#include "WindowFixture.h"
#include "drawing/PlotArea.h"

namespace {

using Grid = WindowTest;

struct Box {
    float minX = 1e9f, maxX = -1e9f, minY = 1e9f, maxY = -1e9f;
    int vertices = 0;
};

// Black text polygons with a vertex inside the window [x0, x1] x [y0, y1].
Box TextIn(const std::vector<FeedbackPrimitive> &frame, float x0, float x1, float y0, float y1)
{
    Box box;
    for (const FeedbackPrimitive &p : frame) {
        if (p.kind != FeedbackPrimitive::Polygon || p.vertices[0].r != 0 || p.vertices[0].g != 0)
            continue;
        for (const FeedbackVertex &v : p.vertices) {
            if (v.x < x0 || v.x > x1 || v.y < y0 || v.y > y1)
                continue;
            box.minX = std::min(box.minX, v.x);
            box.maxX = std::max(box.maxX, v.x);
            box.minY = std::min(box.minY, v.y);
            box.maxY = std::max(box.maxY, v.y);
            ++box.vertices;
        }
    }
    return box;
}

bool IsVertical(const FeedbackPrimitive &line)
{
    return std::fabs(line.vertices[0].x - line.vertices[1].x) < 1e-3f;
}

// Feedback positions come back through the viewport transform: compare to a
// thousandth of a pixel.
bool Near(float a, float b)
{
    return std::fabs(a - b) < 1e-3f;
}

float Length(const FeedbackPrimitive &line)
{
    return std::hypot(line.vertices[1].x - line.vertices[0].x, line.vertices[1].y - line.vertices[0].y);
}

TEST_F(Grid, ColumnsRowsAndAxesAtTheDesignedSize)
{
    const auto frame = RecordFrame();
    std::vector<FeedbackPrimitive> columns, rows;
    for (const FeedbackPrimitive &p : frame) {
        if (p.kind != FeedbackPrimitive::Line || !Near(Length(p), 414))
            continue;
        (IsVertical(p) ? columns : rows).push_back(p);
    }
    ASSERT_EQ(columns.size(), 13u);
    ASSERT_EQ(rows.size(), 13u);
    for (int k = 0; k < 13; ++k) {
        const FeedbackVertex &c = columns[k].vertices[0];
        EXPECT_NEAR(c.x, 198 + k * 34.5f, 1e-3);
        const bool axis = Near(c.x, InitialOriginX);
        EXPECT_EQ(c.r, axis ? 0.0f : 0.8f) << "column " << k;
        const FeedbackVertex &r = rows[k].vertices[0];
        EXPECT_NEAR(r.y, 414 - k * 34.5f, 1e-3);  // rows run from the lowest up
        EXPECT_EQ(r.r, Near(r.y, InitialOriginY) ? 0.0f : 0.8f) << "row " << k;
    }
    // All columns come before all rows.
    const auto firstRow = std::find_if(frame.begin(), frame.end(), [](const FeedbackPrimitive &p) {
        return p.kind == FeedbackPrimitive::Line && !IsVertical(p) && Near(Length(p), 414);
    });
    const auto lastColumn = std::find_if(frame.rbegin(), frame.rend(), [](const FeedbackPrimitive &p) {
        return p.kind == FeedbackPrimitive::Line && IsVertical(p) && Near(Length(p), 414);
    });
    EXPECT_LT(lastColumn.base() - frame.begin(), firstRow - frame.begin() + 1);

    // Black axes and grey lines in the picture itself; a line on a pixel
    // boundary lights one of the two pixels beside it.
    const QImage image = Grab();
    auto eitherSide = [&](int x, int y, Rgb colour) {
        return PixelAt(image, x - 1, y) == colour || PixelAt(image, x, y) == colour;
    };
    EXPECT_TRUE(eitherSide(InitialOriginX, 100, Rgb{0, 0, 0}));
    EXPECT_TRUE(PixelAt(image, 300, 206) == (Rgb{0, 0, 0}) || PixelAt(image, 300, InitialOriginY) == (Rgb{0, 0, 0}));
    EXPECT_TRUE(eitherSide(267, 300, Rgb{204, 204, 204}));
}

TEST_F(Grid, LabelsStartAtTheirBaselines)
{
    const auto frame = RecordFrame();
    // x = 1 (even index 2): baseline from (470, 431); "1" has a small left bearing.
    Box one = TextIn(frame, 466, 478, 415, 434);
    ASSERT_GT(one.vertices, 0);
    EXPECT_GE(one.minX, 470);
    EXPECT_LT(one.minX, 472.5);
    EXPECT_NEAR(one.maxY, 431, 0.6);
    // x = 0.5 (odd index 1): from (431.5, 431), shifted 8 to the left of its line.
    Box half = TextIn(frame, 428, 452, 415, 434);
    ASSERT_GT(half.vertices, 0);
    EXPECT_GE(half.minX, 431.5);
    EXPECT_LT(half.minX, 433);
    // y = 1 (row at Y = 138): from (181, 145).
    Box row = TextIn(frame, 176, 190, 130, 147);
    ASSERT_GT(row.vertices, 0);
    EXPECT_GE(row.minX, 181);
    EXPECT_LT(row.minX, 183.5);
    EXPECT_NEAR(row.maxY, 145, 0.6);
}

TEST_F(Grid, NoAxisWhenZeroIsOutsideTheGrid)
{
    form->scene.xMin = 1;
    form->scene.xMax = 3;
    const auto frame = RecordFrame();
    for (const FeedbackPrimitive &p : frame) {
        if (p.kind == FeedbackPrimitive::Line && IsVertical(p) && Near(Length(p), form->Geometry().plotHeightPixels)) {
            EXPECT_EQ(p.vertices[0].r, 0.8f) << "black column at " << p.vertices[0].x;
        }
    }
}

TEST_F(Grid, EveryLineOfAWideWindowIsDrawnAndLabelled)
{
    form->scene.xMin = form->scene.yMin = -100;
    form->scene.xMax = form->scene.yMax = 100;
    const auto frame = RecordFrame(96 * 1024 * 1024);  // 802 labels of solid glyphs
    int columns = 0, rows = 0, ticks = 0;
    for (const FeedbackPrimitive &p : frame) {
        if (p.kind != FeedbackPrimitive::Line)
            continue;
        if (Near(Length(p), 5))
            ++ticks;
        else if (Near(Length(p), form->Geometry().plotHeightPixels) && IsVertical(p))
            ++columns;
        else if (Near(Length(p), form->Geometry().plotWidthPixels) && !IsVertical(p))
            ++rows;
    }
    EXPECT_EQ(columns, 401);
    EXPECT_EQ(rows, 401);
    EXPECT_EQ(ticks, 802);
    // The last column's label, "100", stands under the right edge.
    const AreaRect area = CurrentArea({form->ClientWidth(), form->ClientHeight()}, form->Geometry());
    Box last = TextIn(frame, area.areaRight - 4, area.areaRight + 20, area.areaBottom + 5, area.areaBottom + 18);
    EXPECT_GT(last.vertices, 0);
}

TEST_F(Grid, WithoutTheGridOnlyTwoAxesAndTwoZeros)
{
    form->gridCheck->setChecked(false);
    const auto frame = RecordFrame();
    std::vector<FeedbackPrimitive> lines;
    for (const FeedbackPrimitive &p : frame)
        if (p.kind == FeedbackPrimitive::Line)
            lines.push_back(p);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(Near(lines[0].vertices[0].x, InitialOriginX));
    EXPECT_TRUE(Near(lines[0].vertices[0].y, 0));
    EXPECT_TRUE(Near(lines[0].vertices[1].y, 414));
    EXPECT_TRUE(Near(lines[1].vertices[0].x, 198));
    EXPECT_TRUE(Near(lines[1].vertices[1].x, 612));
    EXPECT_TRUE(Near(lines[1].vertices[0].y, InitialOriginY));
    for (const FeedbackPrimitive &line : lines)
        EXPECT_EQ(line.vertices[0].r + line.vertices[0].g + line.vertices[0].b, 0.0f);
    // The two "0" labels, and no other text anywhere.
    const Box under = TextIn(frame, 400, 412, 420, 432);
    const Box left = TextIn(frame, 180, 194, 200, 215);
    const Box all = TextIn(frame, -1e6f, 1e6f, -1e6f, 1e6f);
    EXPECT_GT(under.vertices, 0);
    EXPECT_GT(left.vertices, 0);
    EXPECT_EQ(all.vertices, under.vertices + left.vertices);
    EXPECT_EQ(PixelAt(Grab(), 267, 300), (Rgb{255, 255, 255}));
}

}  // namespace

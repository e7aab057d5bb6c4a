#include "drawing/Grid.h"

#include <GL/gl.h>

#include "drawing/Layer.h"
#include "drawing/OutlineFont.h"
#include "drawing/PlotArea.h"
#include "drawing/VectorMarks.h"
#include "model/NumberText.h"

namespace {

void Line(double x1, double y1, double x2, double y2)
{
    glBegin(GL_LINES);
    glVertex2f(float(x1), float(y1));
    glVertex2f(float(x2), float(y2));
    glEnd();
}

// The font has the Windows-1252 characters only: a decimal separator beyond
// them (the Arabic U+066B) is drawn as the point that goes with the Western
// digits of the labels.
QString WithSeparatorOfTheFont(const QString &text, QChar separator)
{
    if (!TextBytes(QString(separator)).contains('?'))
        return text;
    QString drawable = text;
    return drawable.replace(separator, QLatin1Char('.'));
}

// Text with the left end of its baseline at client (x, y), 13 px per em.
void PlaceLabel(const Frame &frame, const QString &text, double x, double y)
{
    glColor4f(0, 0, 0, 1);
    glPushMatrix();
    glTranslatef(float(x), float(y), 0);
    glScalef(13, -13, 1);
    PrintText(frame.fontListBase, TextBytes(WithSeparatorOfTheFont(text, QChar(frame.decimalPoint))));
    glPopMatrix();
}

void SetLineColour(int index)
{
    if (index == 0)
        glColor3f(0, 0, 0);
    else
        glColor3f(0.8f, 0.8f, 0.8f);
}

// Whole values get the smaller shift; halves have longer texts.
bool IsEven(int index)
{
    return index % 2 == 0;
}

}  // namespace

void DrawGrid(const Frame &frame)
{
    const AreaRect area = CurrentArea(frame.client, frame.at);
    const double step = frame.at.gridStepPixels;
    // Lines stand on the world's half units: column i at x = i / 2, counted
    // from the view's left edge; rows from its top edge.
    const double left = double(frame.at.originX);
    const double top = area.areaTop + double(frame.scene.yMax) * double(frame.at.unitPixels);

    const HalfUnits columns = GridHalfUnits(frame.at.gridXFrom, frame.at.gridXTo, frame.client);
    for (int i = columns.first; i <= columns.last; ++i) {
        const double x = left + i * step;
        SetLineColour(i);
        Line(x, area.areaTop, x, area.areaBottom);
        glColor3f(0, 0, 0);
        Line(x, area.areaBottom, x, area.areaBottom + 5);
        PlaceLabel(frame, FloatToStr(float(i * 0.5)), x - (IsEven(i) ? 4 : 8), area.areaBottom + 17);
    }

    const HalfUnits rows = GridHalfUnits(frame.at.gridYFrom, frame.at.gridYTo, frame.client);
    for (int j = rows.first; j <= rows.last; ++j) {
        const double y = top - j * step;
        SetLineColour(j);
        Line(area.areaLeft, y, area.areaRight, y);
        glColor3f(0, 0, 0);
        Line(area.areaLeft - 5, y, area.areaLeft, y);
        PlaceLabel(frame, FloatToStr(float(j * 0.5)), area.areaLeft - (IsEven(j) ? 17 : 25), y + 7);
    }
}

void DrawAxes(const Frame &frame)
{
    const AreaRect area = CurrentArea(frame.client, frame.at);
    glColor3f(0, 0, 0);
    Line(frame.at.originX, area.areaTop, frame.at.originX, area.areaBottom);
    Line(area.areaLeft, frame.at.originY, area.areaRight, frame.at.originY);
    PlaceLabel(frame, QStringLiteral("0"), double(frame.at.originX) - 4, area.areaBottom + 17);
    PlaceLabel(frame, QStringLiteral("0"), area.areaLeft - 17, double(frame.at.originY) + 7);
}

void DrawGridOrAxes(const Frame &frame)
{
    SetLineWidth(frame.at.pixelRatio);
    if (SmoothsLines(frame))
        glEnable(GL_LINE_SMOOTH);
    else
        glDisable(GL_LINE_SMOOTH);
    if (frame.scene.Shows("grid"))
        DrawGrid(frame);
    else
        DrawAxes(frame);
}

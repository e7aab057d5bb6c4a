// The vector picture as SVG text, written directly: a path per shape with
// coordinates in hundredths of a pixel keeps the files small.
#include <algorithm>
#include <cmath>

#include "window/PictureExport.h"

namespace {

// Relative steps between points rounded first add up exactly, so a long
// path does not drift.
qint64 Hundredths(double v)
{
    return qint64(std::llround(v * 100));
}

void AppendNumber(QByteArray &out, qint64 hundredths)
{
    const bool startsWithDigit = hundredths >= 0;
    if (startsWithDigit && !out.isEmpty() && (std::isdigit(uchar(out.back())) || out.back() == '.'))
        out += ' ';
    if (hundredths < 0) {
        out += '-';
        hundredths = -hundredths;
    }
    const qint64 whole = hundredths / 100, fraction = hundredths % 100;
    if (whole != 0 || fraction == 0)
        out += QByteArray::number(whole);
    if (fraction != 0) {
        out += '.';
        out += char('0' + fraction / 10);
        if (fraction % 10 != 0)
            out += char('0' + fraction % 10);
    }
}

// A length on its own, as an attribute's value.
QByteArray NumberText(double v)
{
    QByteArray text;
    AppendNumber(text, Hundredths(v));
    return text;
}

QByteArray ColourText(VectorColour c)
{
    return '#' + QByteArray::number((c.r << 16) | (c.g << 8) | c.b, 16).rightJustified(6, '0');
}

// M to the first point, then steps relative to the last; a fill closes.
void AppendPart(QByteArray &d, const std::vector<VectorPoint> &part, bool closed)
{
    qint64 x = Hundredths(part.front().x), y = Hundredths(part.front().y);
    d += 'M';
    AppendNumber(d, x);
    AppendNumber(d, y);
    bool stepped = false;
    for (size_t i = 1; i < part.size(); ++i) {
        const qint64 nx = Hundredths(part[i].x), ny = Hundredths(part[i].y);
        // A step of no length is kept only as the last of a path without one.
        if (nx == x && ny == y && (stepped || i + 1 < part.size()))
            continue;
        d += stepped ? "" : "l";
        AppendNumber(d, nx - x);
        AppendNumber(d, ny - y);
        stepped = true;
        x = nx;
        y = ny;
    }
    if (closed)
        d += 'z';
}

// A disc's centre to a tenth of a pixel, in hundredths: a twentieth of a
// pixel is not seen on a disc a pixel across, and saves a digit.
qint64 Tenths(double v)
{
    return 10 * qint64(std::llround(v * 10));
}

// Discs as round caps of strokes a hundredth of a pixel long, each moved to
// from the last: some thirteen bytes a disc, where arcs took fifty.
void AppendDiscs(QByteArray &d, const std::vector<std::vector<VectorPoint>> &parts)
{
    // The first move is from the origin: absolute and relative agree.
    qint64 x = 0, y = 0;
    for (const std::vector<VectorPoint> &part : parts) {
        const qint64 nx = Tenths(part.front().x), ny = Tenths(part.front().y);
        d += 'm';
        AppendNumber(d, nx - x);
        AppendNumber(d, ny - y);
        d += "h.01";
        x = nx + 1;  // the stroke ends a hundredth to the right
        y = ny;
    }
}

QByteArray Style(const VectorShape &shape)
{
    const QByteArray colour = ColourText(shape.colour);
    if (shape.kind == VectorShape::Kind::Fill)
        return "fill=\"" + colour + '"';
    QByteArray style = "fill=\"none\" stroke=\"" + colour + "\" stroke-width=\"" + NumberText(shape.width) + '"';
    if (shape.round || shape.kind == VectorShape::Kind::Discs)
        style += " stroke-linecap=\"round\" stroke-linejoin=\"round\"";
    return style;
}

// Readers cut a path short after some thousands of its commands (Qt's after
// 16,384): a shape goes in paths of at most this many points.
constexpr size_t PointsPerPath = 4096;

QByteArray PathElement(const VectorShape &shape, const std::vector<std::vector<VectorPoint>> &parts)
{
    QByteArray d;
    if (shape.kind == VectorShape::Kind::Discs) {
        AppendDiscs(d, parts);
    } else {
        for (const std::vector<VectorPoint> &part : parts)
            AppendPart(d, part, shape.kind == VectorShape::Kind::Fill);
    }
    return "<path " + Style(shape) + " d=\"" + d + "\"/>\n";
}

QByteArray PathElements(const VectorShape &shape)
{
    QByteArray elements;
    std::vector<std::vector<VectorPoint>> parts;
    size_t points = 0;
    for (const std::vector<VectorPoint> &part : shape.parts) {
        if (!parts.empty() && points + part.size() > PointsPerPath) {
            elements += PathElement(shape, parts);
            parts.clear();
            points = 0;
        }
        parts.push_back(part);
        points += part.size();
    }
    return parts.empty() ? elements : elements + PathElement(shape, parts);
}

}  // namespace

QByteArray SvgDocument(const VectorPicture &picture)
{
    const QByteArray width = NumberText(picture.width);
    const QByteArray height = NumberText(picture.height);
    QByteArray svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
                     width + "\" height=\"" + height + "\" viewBox=\"0 0 " + width + ' ' + height + "\">\n";
    svg +=
        "<rect width=\"" + width + "\" height=\"" + height + "\" fill=\"" + ColourText(picture.background) + "\"/>\n";
    for (const VectorShape &shape : picture.shapes)
        svg += PathElements(shape);
    svg += "</svg>\n";
    return svg;
}

// The vector picture as SVG text, written directly: a path per shape with
// coordinates in hundredths of a pixel keeps the files small.
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

// A disc as two half circles.
void AppendDisc(QByteArray &d, VectorPoint centre, double diameter)
{
    const qint64 r = Hundredths(diameter / 2);
    d += 'M';
    AppendNumber(d, Hundredths(centre.x) - r);
    AppendNumber(d, Hundredths(centre.y));
    // Radii, no rotation, the small arc, clockwise (1, written in hundredths), then the step.
    for (const qint64 across : {2 * r, -2 * r}) {
        d += 'a';
        for (const qint64 v : {r, r, qint64(0), qint64(0), qint64(100), across, qint64(0)})
            AppendNumber(d, v);
    }
    d += 'z';
}

QByteArray Style(const VectorShape &shape)
{
    const QByteArray colour = ColourText(shape.colour);
    if (shape.kind != VectorShape::Kind::Stroke)
        return "fill=\"" + colour + '"';
    QByteArray style = "fill=\"none\" stroke=\"" + colour + "\" stroke-width=\"" + NumberText(shape.width) + '"';
    if (shape.round)
        style += " stroke-linecap=\"round\" stroke-linejoin=\"round\"";
    return style;
}

QByteArray PathElement(const VectorShape &shape)
{
    QByteArray d;
    for (const std::vector<VectorPoint> &part : shape.parts) {
        if (shape.kind == VectorShape::Kind::Discs)
            AppendDisc(d, part.front(), shape.width);
        else
            AppendPart(d, part, shape.kind == VectorShape::Kind::Fill);
    }
    return "<path " + Style(shape) + " d=\"" + d + "\"/>\n";
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
        svg += PathElement(shape);
    svg += "</svg>\n";
    return svg;
}

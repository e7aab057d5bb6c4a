#include "window/VectorPdf.h"

#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <cmath>

#include "drawing/VectorFrame.h"

namespace {

QColor ColourOf(VectorColour c)
{
    return QColor(c.r, c.g, c.b);
}

QPointF At(VectorPoint p)
{
    return QPointF(p.x, p.y);
}

QPainterPath PathOf(const VectorShape &shape)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const std::vector<VectorPoint> &part : shape.parts) {
        path.moveTo(At(part.front()));
        for (size_t i = 1; i < part.size(); ++i)
            path.lineTo(At(part[i]));
        if (shape.kind == VectorShape::Kind::Fill)
            path.closeSubpath();
    }
    return path;
}

void PaintShape(QPainter &painter, const VectorShape &shape)
{
    const QColor colour = ColourOf(shape.colour);
    switch (shape.kind) {
    case VectorShape::Kind::Fill:
        painter.fillPath(PathOf(shape), colour);
        break;
    case VectorShape::Kind::Stroke:
        painter.strokePath(PathOf(shape),
                           QPen(colour, shape.width, Qt::SolidLine, shape.round ? Qt::RoundCap : Qt::FlatCap,
                                shape.round ? Qt::RoundJoin : Qt::MiterJoin));
        break;
    case VectorShape::Kind::Discs: {
        // Round caps of strokes a hundredth of a pixel long, in one path: a
        // few bytes a disc, where an ellipse is four curves.
        painter.setPen(QPen(colour, shape.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        QPainterPath discs;
        for (const std::vector<VectorPoint> &part : shape.parts) {
            // Centres to a tenth of a pixel, unseen on a disc a pixel across,
            // repeat their digits and so compress.
            const QPointF centre(std::round(part.front().x * 10) / 10, std::round(part.front().y * 10) / 10);
            discs.moveTo(centre);
            discs.lineTo(centre + QPointF(0.01, 0));
        }
        painter.drawPath(discs);
        break;
    }
    }
}

}  // namespace

void PaintVectorPicture(QPainter &painter, const VectorPicture &picture)
{
    painter.fillRect(QRectF(0, 0, picture.width, picture.height), ColourOf(picture.background));
    for (const VectorShape &shape : picture.shapes)
        PaintShape(painter, shape);
}

bool WritePdf(const VectorPicture &picture, QIODevice &device)
{
    QPdfWriter pdf(&device);
    pdf.setCreator(QStringLiteral("Lumetra"));
    pdf.setResolution(72);
    pdf.setPageSize(QPageSize(QSizeF(picture.width, picture.height), QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    PaintVectorPicture(painter, picture);
    return painter.end();
}

#include "window/VectorPdf.h"

#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

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
    case VectorShape::Kind::Discs:
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        for (const std::vector<VectorPoint> &part : shape.parts)
            painter.drawEllipse(At(part.front()), shape.width / 2, shape.width / 2);
        break;
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

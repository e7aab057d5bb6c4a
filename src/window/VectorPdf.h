#pragma once

class QIODevice;
class QPainter;
struct VectorPicture;

// Paints the shapes at one painter unit per logical pixel.
void PaintVectorPicture(QPainter &painter, const VectorPicture &picture);
// A one-page PDF of the picture's size, a point per logical pixel; false
// when the device takes no PDF.
bool WritePdf(const VectorPicture &picture, QIODevice &device);

#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include "drawing/VectorFrame.h"

class MainWindow;

// The picture as shown, at the screen's device pixel ratio.
QImage CurrentPicture(const MainWindow &form);

// Writes the picture as a PNG file; throws std::runtime_error with a message
// for the user when the file cannot be written. Nothing else changes.
void SavePicture(const QImage &picture, const QString &path);

enum class PictureFormat { Png, Svg, Pdf };

// The file dialog's filters, PNG first.
QString PictureFilters();
// The format of a file name's extension (.png, .svg, .pdf in any case); a name
// without one of these takes the chosen filter's format, PNG without a filter.
PictureFormat PictureFormatOf(const QString &path, const QString &chosenFilter = QString());
// Whether the name ends in .png, .svg or .pdf, in any case.
bool HasPictureExtension(const QString &path);
// The name with the format's extension added where it has none of the three.
QString PicturePathFor(const QString &path, PictureFormat format);

// The shapes as an SVG document whose view box is the picture.
QByteArray SvgDocument(const VectorPicture &picture);
// Writes an SVG or PDF file (a PDF point per logical pixel) in one piece: a
// failure throws std::runtime_error naming the file and leaves the old file.
void SaveVectorPicture(const VectorPicture &picture, const QString &path, PictureFormat format);
// The window's frame, captured through its picture's context.
VectorPicture CurrentVectorPicture(MainWindow &form);

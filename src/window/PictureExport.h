#pragma once

#include <QImage>
#include <QString>

// The picture as shown, at the screen's device pixel ratio.
QImage CurrentPicture();

// Writes the picture as a PNG file; throws std::runtime_error with a message
// for the user when the file cannot be written. Nothing else changes.
void SavePicture(const QImage &picture, const QString &path);

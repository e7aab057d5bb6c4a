#pragma once

#include <QSize>
#include <QString>

class TForm1;

// Writes the picture of the session shown in a window that is never shown,
// as PNG, SVG or PDF by the output's extension, in a context of its own.
// `pictureSize` empty: the size the session's window gives its picture.
// Throws std::runtime_error with a one-line reason.
void ExportPicture(TForm1 &form, const QString &output, QSize pictureSize);

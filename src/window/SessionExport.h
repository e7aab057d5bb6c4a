#pragma once

#include <QSize>
#include <QString>

struct OpenedSession;
struct Session;

// Writes the picture of a session as PNG, SVG or PDF by the output's
// extension: its scene drawn by the drawing layer alone in a context of its
// own, with no window. `pictureSize` empty: the size the session's window
// gives its picture. Throws std::runtime_error with a one-line reason.
// The size the session's window gives its picture.
QSize PictureSizeOf(const Session &session);

void ExportPicture(const OpenedSession &opened, const QString &output, QSize pictureSize);

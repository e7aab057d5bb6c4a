#pragma once

#include <QString>
#include <string>
#include <vector>

#include "drawing/Frame.h"
#include "maths/SessionCurve.h"
#include "model/Session.h"

// A session read from a file, with its curve ready to show.
struct OpenedSession {
    Session session;
    SessionCurveChoice curve;
};

// Reads and checks the whole file before anything is shown. Throws
// std::runtime_error naming the file and its problem: unreadable, larger
// than 1 MB, not a session, or a session with a value or formula that does
// not hold, a layer not among `layerIds`, or a view its window cannot show.
OpenedSession ReadSessionFile(const QString &path, const std::vector<std::string> &layerIds);

// The session's scene with its curve, as the window would show it, its
// selected parameter taken as a frame takes it.
Scene SceneOfOpened(const OpenedSession &opened);

// Why the session's view cannot be drawn in a window of this client size
// (less than one pixel per unit), or nothing.
QString ViewProblem(const Session &session, ClientSize client);

// Replaces the file at once or not at all: a failure half-way leaves the old
// file as it was. Throws std::runtime_error naming the file and the reason.
void WriteSessionFile(const Session &session, const QString &path);

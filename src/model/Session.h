#pragma once

#include <QByteArray>
#include <QString>
#include <set>
#include <string>
#include <vector>

#include "model/Scene.h"

// Everything the window shows, as a session file holds it: enough to bring
// back the same picture and the same controls.
enum class SessionCurveKind { BuiltIn, Parametric, Graph, Polar };

struct SessionCurve {
    SessionCurveKind kind = SessionCurveKind::BuiltIn;
    QString name = QStringLiteral("Circle");  // a built-in curve's list text
    // A typed curve: its formulas and the range it was made with.
    QString first;   // x(t), f(x) or r(t)
    QString second;  // y(t); parametric curves only
    float tMin = 0;
    float tMax = 0;
};

// The start values of the window are a session's defaults: a field a file
// leaves out keeps its start value.
struct Session {
    int clientWidth = 1091;
    int clientHeight = 690;
    float xMin = -3, xMax = 3, yMin = -3, yMax = 3;
    SessionCurve curve;
    float tMin = 0, tMax = 6.2831854820251465f;  // single-precision 2 pi
    // The selected point: its parameter, and the track bar that stores it in
    // hundredths (its range follows the parameter range's own rounding).
    float selectedT = 0;
    int trackMin = 0, trackMax = 628, trackPosition = 0;
    float step = float(0.05);
    float pedalX = 0, pedalY = 0;
    bool minkowski = false;
    int pedalStages = 2;                     // of the iterated pedal
    std::set<std::string> shown = {"grid"};  // the layers turned on, by id
    bool animation = false;
    bool animationForward = true;
};

// Format 2: every field may be left out, shown layers are listed by name,
// numbers are the shortest text of their value. Format 1 files are read too.
constexpr int SessionFormatVersion = 2;
// Larger files are refused before they are read: a session is a few hundred bytes.
constexpr qint64 MaxSessionBytes = 1 << 20;
// The window sizes a session may ask for, in logical pixels: what a 4K
// screen holds, either way up. Larger windows cost gigabytes and seconds a
// frame and show nothing a screen could.
constexpr int MaxSessionWindowSide = 4096;
constexpr int MaxSessionWindowShortSide = 2304;
// A picture exported from the command line: a figure, at most this many pixels a side.
constexpr int MaxExportSide = 4096;

// What a session and a scene share: everything but the window's size and
// the curve (which the session names and the scene holds).
Scene SceneOfSession(const Session &session);
void StoreScene(const Scene &scene, Session &session);

// Field by field; a session read back from its own file equals itself.
bool operator==(const SessionCurve &a, const SessionCurve &b);
bool operator==(const Session &a, const Session &b);

QByteArray SessionJson(const Session &session);

// A session from a file's bytes, or the problem with them in a few words
// ("'view.xMin' is not a number"); on a problem the session is unusable.
// `layerIds` are the layers a session may show: the ids of the toggles.
struct SessionReading {
    Session session;
    QString problem;
};
SessionReading ReadSessionJson(const QByteArray &bytes, const std::vector<std::string> &layerIds);

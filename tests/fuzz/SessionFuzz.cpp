// Any bytes as a session file: the reader either names a problem or gives a
// session whose curve is chosen or refused with a reason, and which its own
// file reads back unchanged; its view and window go through the frame's
// mapping and grid, which stay within what the picture can show. Anything
// else, or a sanitizer report, stops the fuzzer.
#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "drawing/PlotArea.h"
#include "maths/SessionCurve.h"
#include "model/Session.h"

namespace {

void Require(bool promise)
{
    if (!promise)
        std::abort();
}

// The frame's arithmetic for the session's view in its window: the scale,
// the drawing area, the origin and the grid's half units.
void FeedToTheFrame(const Session &s)
{
    const ClientSize client{s.clientWidth, s.clientHeight};
    const FrameGeometry at = GeometryOf(client, SceneOfSession(s), FrameGeometry(), 1);
    const long most = 2L * (client.width + client.height);
    for (const HalfUnits units :
         {GridHalfUnits(at.gridXFrom, at.gridXTo, client), GridHalfUnits(at.gridYFrom, at.gridYTo, client)})
        Require(long(units.last) - long(units.first) < most);
}

// The layers of the window that have a toggle.
const std::vector<std::string> Toggles = {"grid", "tangentAndNormal", "selectedPoint", "singularTangents"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const SessionReading reading = ReadSessionJson(bytes, Toggles);
    if (!reading.problem.isEmpty())
        return 0;
    const SessionCurveChoice choice = ChooseSessionCurve(reading.session.curve);
    Require(choice.problem.empty() == (choice.builtInIndex >= 0 || choice.typed != nullptr));
    const SessionReading again = ReadSessionJson(SessionJson(reading.session), Toggles);
    Require(again.problem.isEmpty() && again.session == reading.session);
    FeedToTheFrame(reading.session);
    return 0;
}

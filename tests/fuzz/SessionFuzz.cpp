// Any bytes as a session file: the reader either names a problem or gives a
// session whose curve is chosen or refused with a reason, and which its own
// file reads back unchanged. Anything else, or a sanitizer report, stops the
// fuzzer.
#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "maths/SessionCurve.h"
#include "model/Session.h"

namespace {

void Require(bool promise)
{
    if (!promise)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const SessionReading reading = ReadSessionJson(bytes);
    if (!reading.problem.isEmpty())
        return 0;
    const SessionCurveChoice choice = ChooseSessionCurve(reading.session.curve);
    Require(choice.problem.empty() == (choice.builtInIndex >= 0 || choice.typed != nullptr));
    const SessionReading again = ReadSessionJson(SessionJson(reading.session));
    Require(again.problem.isEmpty() && again.session == reading.session);
    return 0;
}

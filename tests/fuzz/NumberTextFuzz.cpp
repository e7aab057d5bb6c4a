// Any text in each locale: the conversion either fails with its own
// failure or gives a finite single-precision value whose text reads back as
// that value. Anything else, or a sanitizer report, stops the fuzzer.
#include <QLocale>
#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "model/NumberText.h"

namespace {

uint32_t Bits(float v)
{
    uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}

void Check(const QString &text)
{
    float value;
    try {
        value = StrToFloat(text);
    } catch (const EConvertError &) {
        return;
    }
    if (!std::isfinite(value))
        std::abort();
    const float back = StrToFloat(FloatToStr(value));
    // -0 is shown as 0.
    if (Bits(back) != Bits(value) && !(value == 0 && back == 0))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    static const QLocale comma(QLocale::German, QLocale::Germany);
    static const QLocale point(QLocale::English, QLocale::UnitedStates);
    static const QLocale timesTenExponent(QLocale::Swedish, QLocale::Sweden);  // its own mark is "×10^"
    for (const QLocale &locale : {comma, point, timesTenExponent}) {
        QLocale::setDefault(locale);
        Check(text);
    }
    return 0;
}

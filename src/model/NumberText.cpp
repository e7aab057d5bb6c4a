#include "model/NumberText.h"

#include <QLocale>
#include <cfloat>
#include <cmath>
#include <cstdio>

EConvertError::EConvertError(const QString &message) : std::runtime_error(message.toStdString()) {}

QString EConvertError::Message() const
{
    return QString::fromStdString(what());
}

QString FloatToStr(float value)
{
    // Widening to double is exact; %.15g gives the general format's digits.
    double wide = value;
    if (wide == 0)
        wide = 0;  // no "-0" in a label
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15g", wide);
    QString text = QString::fromLatin1(buffer);
    text.replace(QLatin1Char('.'), QLocale().decimalPoint());
    return text;
}

QString ReadableDigits::Text(double value) const
{
    const float single = float(value);
    if (!(unitPixels > 0) || !std::isfinite(unitPixels) || !std::isfinite(single))
        return FloatToStr(single);
    const int decimals = std::max(0, int(std::ceil(std::log10(unitPixels))) + 1);
    const double magnitude = std::fabs(double(single));
    // Beyond what single precision holds the readable text is the full one.
    const int wholeDigits = magnitude < 1 ? 1 : int(std::floor(std::log10(magnitude))) + 1;
    if (wholeDigits + decimals > 15)
        return FloatToStr(single);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, double(single));
    QString text = QString::fromLatin1(buffer);
    if (decimals > 0) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");  // a value too small to see is no negative number
    text.replace(QLatin1Char('.'), QLocale().decimalPoint());
    return text;
}

namespace {

// The locale reports a number too small for a double ("1e-400") as not
// converting. Its digits do not decide whether it is well formed: with every
// digit made 0 such a text reads as a zero of its sign, which is its value in
// single precision, as it is for "1e-50".
bool UnderflowsToZero(const QLocale &locale, const QString &text, double &zero)
{
    QString zeroed = text;
    for (QChar &c : zeroed)
        if (c >= QLatin1Char('1') && c <= QLatin1Char('9'))
            c = QLatin1Char('0');
    bool ok = false;
    zero = locale.toDouble(zeroed, &ok);
    return ok && zero == 0;
}

// The exponent mark as every locale reads it: locales whose own mark is
// "×10^" (Swedish, Estonian, Lithuanian) read "E" but not the "e" that
// FloatToStr writes.
QString WithCapitalExponent(const QString &text)
{
    QString capital = text.trimmed();
    capital.replace(QLatin1Char('e'), QLatin1Char('E'));
    return capital;
}

bool ConvertsTo(const QString &text, float &value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const QString number = WithCapitalExponent(text);
    double wide = locale.toDouble(number, &ok);
    if (!ok && wide == 0)
        ok = UnderflowsToZero(locale, number, wide);
    value = float(wide);
    return ok && std::isfinite(wide) && std::isfinite(value);
}

}  // namespace

float StrToFloat(const QString &text)
{
    float value = 0;
    if (!ConvertsTo(text, value))
        throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return value;
}

bool IsStartOfNumber(const QString &text)
{
    float value = 0;
    return !ConvertsTo(text, value) && ConvertsTo(text + QLatin1Char('1'), value);
}

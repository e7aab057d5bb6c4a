#pragma once

#include <QString>
#include <stdexcept>

// A text that is not a finite single-precision number. Handlers let it
// escape; the application-wide handler shows it and the program goes on.
class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const QString &message);
    QString Message() const;
};

// The single-precision value, widened exactly, in the general format:
// 15 significant digits, no trailing zeros, the locale's decimal separator.
QString FloatToStr(float value);

// How a readout writes its numbers: with one decimal more than a pixel needs
// at `unitPixels` pixels per unit (no trailing zeros), so every digit shown
// means something on the screen; unitPixels 0 writes every digit (FloatToStr).
struct ReadableDigits {
    double unitPixels = 0;
    QString Text(double value) const;
};

// Locale text to a single-precision number; throws EConvertError. The
// exponent mark is "e" or "E" in every locale.
float StrToFloat(const QString &text);

// A text that is no number yet but becomes one when a digit follows: empty,
// a sign, a separator, a trailing exponent mark.
bool IsStartOfNumber(const QString &text);

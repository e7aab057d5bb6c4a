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

// Locale text to a single-precision number; throws EConvertError.
float StrToFloat(const QString &text);

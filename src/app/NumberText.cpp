#include "app/NumberText.h"

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

float StrToFloat(const QString &text)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double wide = locale.toDouble(text.trimmed(), &ok);
    const float value = float(wide);
    if (!ok || !std::isfinite(wide) || !std::isfinite(value))
        throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return value;
}

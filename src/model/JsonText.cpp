#include "model/JsonText.h"

#include <QByteArrayList>
#include <cfloat>
#include <cmath>

QByteArray JsonNumber(float value)
{
    // Most values need far fewer than nine digits. A text whose own value lies
    // beyond the largest float (3.40282347e+38 for it) is not taken, though it
    // would round back: a reader refuses it. Seventeen digits are the value
    // widened to double, exactly.
    for (int digits = 1; digits < 17; ++digits) {
        const QByteArray text = QByteArray::number(double(value), 'g', digits);
        const double read = text.toDouble();
        if (std::fabs(read) <= double(FLT_MAX) && float(read) == value)
            return text;
    }
    return QByteArray::number(double(value), 'g', 17);
}

QByteArray JsonNumber(int value)
{
    return QByteArray::number(value);
}

QByteArray JsonBool(bool value)
{
    return value ? "true" : "false";
}

QByteArray JsonString(const QString &text)
{
    static const char hex[] = "0123456789abcdef";
    QByteArray quoted = "\"";
    for (const char c : text.toUtf8()) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20) {
            quoted += "\\u00";
            quoted += hex[byte >> 4];
            quoted += hex[byte & 15];
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

QByteArray JsonArray(const std::vector<QByteArray> &values)
{
    return '[' + QByteArrayList(values.begin(), values.end()).join(", ") + ']';
}

namespace {

QByteArray FieldText(const std::pair<const char *, QByteArray> &field)
{
    return '"' + QByteArray(field.first) + "\": " + field.second;
}

}  // namespace

QByteArray JsonObject(const JsonFields &fields)
{
    QByteArrayList texts;
    for (const auto &field : fields)
        texts.append(FieldText(field));
    return '{' + texts.join(", ") + '}';
}

QByteArray JsonDocument(const JsonFields &fields)
{
    QByteArrayList texts;
    for (const auto &field : fields)
        texts.append("    " + FieldText(field));
    return "{\n" + texts.join(",\n") + "\n}\n";
}

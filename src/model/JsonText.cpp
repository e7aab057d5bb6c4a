#include "model/JsonText.h"

#include <QByteArrayList>

QByteArray JsonNumber(float value)
{
    // Nine significant digits always read back; most values need far fewer.
    for (int digits = 1; digits < 9; ++digits) {
        const QByteArray text = QByteArray::number(double(value), 'g', digits);
        if (float(text.toDouble()) == value)
            return text;
    }
    return QByteArray::number(double(value), 'g', 9);
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

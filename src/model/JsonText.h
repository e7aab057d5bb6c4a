#pragma once

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

// JSON text written field by field, so that a number is the shortest text
// that reads back to the same single-precision value ("0.05", where the
// value widened to double reads 0.05000000074505806).
QByteArray JsonNumber(float value);
QByteArray JsonNumber(int value);
QByteArray JsonBool(bool value);
// Quoted and escaped; other characters as UTF-8.
QByteArray JsonString(const QString &text);
QByteArray JsonArray(const std::vector<QByteArray> &values);

// An object's fields, each name with its value's text, in order.
using JsonFields = std::vector<std::pair<const char *, QByteArray>>;
// On one line: {"x": 1, "y": 2}.
QByteArray JsonObject(const JsonFields &fields);
// A field a line, indented by four spaces, ending in a newline.
QByteArray JsonDocument(const JsonFields &fields);

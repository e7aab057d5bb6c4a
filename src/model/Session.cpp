#include "model/Session.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <algorithm>
#include <cfloat>
#include <cmath>

namespace {

const QString FormatName = QStringLiteral("Lumetra session");

struct KindName {
    SessionCurveKind kind;
    const char *name;
};
constexpr KindName TypedKindNames[] = {{SessionCurveKind::Parametric, "parametric"},
                                       {SessionCurveKind::Graph, "graph"},
                                       {SessionCurveKind::Polar, "polar"}};

// Single-precision values are written widened to double, which is exact.
QJsonObject CurveObject(const SessionCurve &curve)
{
    if (curve.kind == SessionCurveKind::BuiltIn)
        return {{"builtIn", curve.name}};
    QJsonObject typed{{"first", curve.first}, {"tMin", double(curve.tMin)}, {"tMax", double(curve.tMax)}};
    for (const KindName &k : TypedKindNames) {
        if (k.kind == curve.kind)
            typed.insert(QStringLiteral("kind"), QString::fromLatin1(k.name));
    }
    if (curve.kind == SessionCurveKind::Parametric)
        typed.insert(QStringLiteral("second"), curve.second);
    return typed;
}

}  // namespace

bool operator==(const SessionCurve &a, const SessionCurve &b)
{
    return a.kind == b.kind && a.name == b.name && a.first == b.first && a.second == b.second && a.tMin == b.tMin &&
           a.tMax == b.tMax;
}

bool operator==(const Session &a, const Session &b)
{
    return a.clientWidth == b.clientWidth && a.clientHeight == b.clientHeight && a.xMin == b.xMin && a.xMax == b.xMax &&
           a.yMin == b.yMin && a.yMax == b.yMax && a.curve == b.curve && a.tMin == b.tMin && a.tMax == b.tMax &&
           a.selectedT == b.selectedT && a.trackMin == b.trackMin && a.trackMax == b.trackMax &&
           a.trackPosition == b.trackPosition && a.step == b.step && a.pedalX == b.pedalX && a.pedalY == b.pedalY &&
           a.minkowski == b.minkowski && a.grid == b.grid && a.tangentAndNormal == b.tangentAndNormal &&
           a.selectedPoint == b.selectedPoint && a.singularTangents == b.singularTangents &&
           a.animation == b.animation && a.animationForward == b.animationForward &&
           a.footNumerator == b.footNumerator && a.footDenominator == b.footDenominator && a.footX == b.footX &&
           a.footY == b.footY;
}

QByteArray SessionJson(const Session &s)
{
    const QJsonObject root{
        {"format", FormatName},
        {"version", SessionFormatVersion},
        {"window", QJsonObject{{"width", s.clientWidth}, {"height", s.clientHeight}}},
        {"view",
         QJsonObject{
             {"xMin", double(s.xMin)}, {"xMax", double(s.xMax)}, {"yMin", double(s.yMin)}, {"yMax", double(s.yMax)}}},
        {"curve", CurveObject(s.curve)},
        {"range", QJsonObject{{"tMin", double(s.tMin)}, {"tMax", double(s.tMax)}}},
        {"selectedPoint", QJsonObject{{"t", double(s.selectedT)},
                                      {"trackMin", s.trackMin},
                                      {"trackMax", s.trackMax},
                                      {"trackPosition", s.trackPosition}}},
        {"step", double(s.step)},
        {"pedalPoint", QJsonObject{{"x", double(s.pedalX)}, {"y", double(s.pedalY)}}},
        {"plane", s.minkowski ? QStringLiteral("Minkowski") : QStringLiteral("Euclidean")},
        {"show", QJsonObject{{"grid", s.grid},
                             {"tangentAndNormal", s.tangentAndNormal},
                             {"selectedPoint", s.selectedPoint},
                             {"singularTangents", s.singularTangents}}},
        {"animation", QJsonObject{{"running", s.animation}, {"forward", s.animationForward}}},
        {"lastFoot", QJsonObject{{"numerator", double(s.footNumerator)},
                                 {"denominator", double(s.footDenominator)},
                                 {"x", double(s.footX)},
                                 {"y", double(s.footY)}}},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

namespace {

struct Problem {
    QString text;
};

// One JSON object with the fields a session allows there: each is read once
// by name, and a field left unread at the end is unknown.
class Fields {
public:
    Fields(const QJsonValue &value, const QString &where) : path(where)
    {
        if (!value.isObject())
            throw Problem{QStringLiteral("'%1' is not an object").arg(path)};
        object = value.toObject();
    }

    QJsonValue Value(const char *name)
    {
        const QString key = QString::fromLatin1(name);
        read.insert(key);
        if (!object.contains(key))
            throw Problem{QStringLiteral("the field '%1' is missing").arg(Path(key))};
        return object.value(key);
    }

    // The field, if it is of the kind `is` tells; `kind` names it for the message.
    QJsonValue Typed(const char *name, bool (QJsonValue::*is)() const, const char *kind)
    {
        const QJsonValue value = Value(name);
        if (!(value.*is)())
            throw Problem{QStringLiteral("'%1' is not %2").arg(Path(name), QLatin1String(kind))};
        return value;
    }

    double Number(const char *name) { return Typed(name, &QJsonValue::isDouble, "a number").toDouble(); }

    float Single(const char *name)
    {
        const double value = Number(name);
        if (!std::isfinite(value) || std::fabs(value) > double(FLT_MAX))
            throw Problem{QStringLiteral("'%1' is beyond single precision").arg(Path(name))};
        return float(value);
    }

    int Whole(const char *name, double least, double most)
    {
        const double value = Number(name);
        if (value != std::floor(value) || value < least || value > most)
            throw Problem{QStringLiteral("'%1' is not a whole number from %2 to %3")
                              .arg(Path(name))
                              .arg(least, 0, 'f', 0)
                              .arg(most, 0, 'f', 0)};
        return int(value);
    }

    bool Flag(const char *name) { return Typed(name, &QJsonValue::isBool, "true or false").toBool(); }

    QString Text(const char *name) { return Typed(name, &QJsonValue::isString, "a text").toString(); }

    Fields Object(const char *name) { return Fields(Value(name), Path(name)); }

    bool Has(const char *name) const { return object.contains(QString::fromLatin1(name)); }

    void NothingElse() const
    {
        for (auto field = object.begin(); field != object.end(); ++field) {
            if (!read.contains(field.key()))
                throw Problem{QStringLiteral("the field '%1' is unknown").arg(Path(field.key()))};
        }
    }

private:
    QString Path(const QString &name) const { return path.isEmpty() ? name : path + QLatin1Char('.') + name; }

    QJsonObject object;
    QString path;
    QSet<QString> read;
};

void ReadFormat(Fields &root)
{
    if (!root.Has("format") || root.Value("format") != QJsonValue(FormatName))
        throw Problem{QStringLiteral("it is not a Lumetra session")};
    const double version = root.Number("version");
    if (version > SessionFormatVersion)
        throw Problem{QStringLiteral("it was written by a newer Lumetra (session format %1; this one reads format %2)")
                          .arg(version)
                          .arg(SessionFormatVersion)};
    if (version != SessionFormatVersion)
        throw Problem{QStringLiteral("its session format %1 is unknown").arg(version)};
}

SessionCurveKind TypedKindNamed(const QString &name)
{
    for (const KindName &k : TypedKindNames) {
        if (name == QLatin1String(k.name))
            return k.kind;
    }
    throw Problem{QStringLiteral("'curve.kind' is not parametric, graph or polar")};
}

SessionCurve ReadCurve(Fields fields)
{
    SessionCurve curve;
    if (fields.Has("builtIn")) {
        curve.name = fields.Text("builtIn");
    } else {
        curve.kind = TypedKindNamed(fields.Text("kind"));
        curve.first = fields.Text("first");
        if (curve.kind == SessionCurveKind::Parametric)
            curve.second = fields.Text("second");
        curve.tMin = fields.Single("tMin");
        curve.tMax = fields.Single("tMax");
    }
    fields.NothingElse();
    return curve;
}

bool ReadPlane(Fields &root)
{
    const QString plane = root.Text("plane");
    if (plane != QLatin1String("Euclidean") && plane != QLatin1String("Minkowski"))
        throw Problem{QStringLiteral("'plane' is not Euclidean or Minkowski")};
    return plane == QLatin1String("Minkowski");
}

void ReadView(Fields view, Session &s)
{
    s.xMin = view.Single("xMin");
    s.xMax = view.Single("xMax");
    s.yMin = view.Single("yMin");
    s.yMax = view.Single("yMax");
    view.NothingElse();
    // An empty or turned view shows nothing but garbled labels.
    if (!(s.xMin < s.xMax))
        throw Problem{QStringLiteral("'view' is no window: xMin %1 is not below xMax %2").arg(s.xMin).arg(s.xMax)};
    if (!(s.yMin < s.yMax))
        throw Problem{QStringLiteral("'view' is no window: yMin %1 is not below yMax %2").arg(s.yMin).arg(s.yMax)};
}

void ReadWindow(Fields window, Session &s)
{
    s.clientWidth = window.Whole("width", 1, MaxSessionWindowSide);
    s.clientHeight = window.Whole("height", 1, MaxSessionWindowSide);
    window.NothingElse();
    if (std::min(s.clientWidth, s.clientHeight) > MaxSessionWindowShortSide)
        throw Problem{QStringLiteral("'window' is %1 x %2 pixels, larger than a screen: at most %3 x %4 either way up")
                          .arg(s.clientWidth)
                          .arg(s.clientHeight)
                          .arg(MaxSessionWindowSide)
                          .arg(MaxSessionWindowShortSide)};
}

void ReadSelectedPoint(Fields point, Session &s)
{
    // The track bar holds any int: a range beyond it saturates at either end.
    constexpr double IntMin = -2147483648.0;
    constexpr double IntMax = 2147483647.0;
    s.selectedT = point.Single("t");
    s.trackMin = point.Whole("trackMin", IntMin, IntMax);
    s.trackMax = point.Whole("trackMax", s.trackMin, IntMax);
    s.trackPosition = point.Whole("trackPosition", s.trackMin, s.trackMax);
    point.NothingElse();
}

void ReadShown(Fields show, Session &s)
{
    s.grid = show.Flag("grid");
    s.tangentAndNormal = show.Flag("tangentAndNormal");
    s.selectedPoint = show.Flag("selectedPoint");
    s.singularTangents = show.Flag("singularTangents");
    show.NothingElse();
}

void ReadLastFoot(Fields foot, Session &s)
{
    s.footNumerator = foot.Single("numerator");
    s.footDenominator = foot.Single("denominator");
    s.footX = foot.Single("x");
    s.footY = foot.Single("y");
    foot.NothingElse();
}

Session ReadSession(Fields root)
{
    ReadFormat(root);
    Session s;
    ReadWindow(root.Object("window"), s);
    ReadView(root.Object("view"), s);
    s.curve = ReadCurve(root.Object("curve"));
    Fields range = root.Object("range");
    s.tMin = range.Single("tMin");
    s.tMax = range.Single("tMax");
    range.NothingElse();
    ReadSelectedPoint(root.Object("selectedPoint"), s);
    s.step = root.Single("step");
    Fields pedal = root.Object("pedalPoint");
    s.pedalX = pedal.Single("x");
    s.pedalY = pedal.Single("y");
    pedal.NothingElse();
    s.minkowski = ReadPlane(root);
    ReadShown(root.Object("show"), s);
    Fields animation = root.Object("animation");
    s.animation = animation.Flag("running");
    s.animationForward = animation.Flag("forward");
    animation.NothingElse();
    ReadLastFoot(root.Object("lastFoot"), s);
    root.NothingElse();
    return s;
}

// A JSON string's text, escapes and all, as the text it stands for.
QString Decoded(const QByteArray &quoted)
{
    return QJsonDocument::fromJson("[" + quoted + "]").array().at(0).toString();
}

// The path of the first field that an object names twice ("view.xMin"), or
// nothing. Qt's reader keeps the last of them, but which one the file meant
// cannot be known. The bytes are JSON already: Qt has read them.
QString RepeatedField(const QByteArray &bytes)
{
    struct Level {
        bool object;
        QString path;
        QSet<QString> keys;
        bool expectsKey;
    };
    std::vector<Level> levels;
    QString lastKey;  // the path of the field whose value comes next
    for (int i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '"') {
            const int start = i;
            for (++i; i < bytes.size() && bytes[i] != '"'; ++i)
                i += bytes[i] == '\\';
            if (levels.empty() || !levels.back().object || !levels.back().expectsKey)
                continue;
            Level &level = levels.back();
            const QString key = Decoded(bytes.mid(start, i - start + 1));
            lastKey = level.path.isEmpty() ? key : level.path + QLatin1Char('.') + key;
            if (level.keys.contains(key))
                return lastKey;
            level.keys.insert(key);
            level.expectsKey = false;
        } else if (c == '{' || c == '[') {
            const bool inObject = !levels.empty() && levels.back().object;
            levels.push_back({c == '{',
                              inObject         ? lastKey
                              : levels.empty() ? QString()
                                               : levels.back().path,
                              {},
                              c == '{'});
        } else if ((c == '}' || c == ']') && !levels.empty()) {
            levels.pop_back();
        } else if (c == ',' && !levels.empty() && levels.back().object) {
            levels.back().expectsKey = true;
        }
    }
    return {};
}

}  // namespace

SessionReading ReadSessionJson(const QByteArray &bytes)
{
    if (bytes.size() > MaxSessionBytes)
        return {{}, QStringLiteral("it is larger than 1 MB")};
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return {{}, QStringLiteral("it is not JSON (%1 at byte %2)").arg(error.errorString()).arg(error.offset)};
    if (!document.isObject())
        return {{}, QStringLiteral("it is not a Lumetra session")};
    const QString repeated = RepeatedField(bytes);
    if (!repeated.isEmpty())
        return {{}, QStringLiteral("'%1' appears twice").arg(repeated)};
    try {
        return {ReadSession(Fields(document.object(), QString())), QString()};
    } catch (const Problem &problem) {
        return {{}, problem.text};
    }
}

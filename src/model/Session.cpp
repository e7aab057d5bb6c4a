#include "model/Session.h"

#include "model/JsonText.h"

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

QByteArray CurveObject(const SessionCurve &curve)
{
    if (curve.kind == SessionCurveKind::BuiltIn)
        return JsonObject({{"builtIn", JsonString(curve.name)}});
    JsonFields typed;
    for (const KindName &k : TypedKindNames) {
        if (k.kind == curve.kind)
            typed.emplace_back("kind", JsonString(QString::fromLatin1(k.name)));
    }
    typed.emplace_back("first", JsonString(curve.first));
    if (curve.kind == SessionCurveKind::Parametric)
        typed.emplace_back("second", JsonString(curve.second));
    typed.emplace_back("tMin", JsonNumber(curve.tMin));
    typed.emplace_back("tMax", JsonNumber(curve.tMax));
    return JsonObject(typed);
}

// The toggles format 1 gave a flag each.
constexpr const char *FirstFormatToggles[] = {"grid", "tangentAndNormal", "selectedPoint", "singularTangents"};

QByteArray ShownList(const Session &s)
{
    std::vector<QByteArray> ids;
    for (const std::string &id : s.shown)
        ids.push_back(JsonString(QString::fromStdString(id)));
    return JsonArray(ids);
}

}  // namespace

namespace {

// The numbers a session and a scene share, each under its name in both.
struct SharedNumber {
    float Session::*saved;
    float Scene::*shown;
};
constexpr SharedNumber SharedNumbers[] = {
    {&Session::xMin, &Scene::xMin},          {&Session::xMax, &Scene::xMax},  {&Session::yMin, &Scene::yMin},
    {&Session::yMax, &Scene::yMax},          {&Session::tMin, &Scene::tMin},  {&Session::tMax, &Scene::tMax},
    {&Session::selectedT, &Scene::currentT}, {&Session::step, &Scene::tStep}, {&Session::pedalX, &Scene::pedalX},
    {&Session::pedalY, &Scene::pedalY},
};

}  // namespace

Scene SceneOfSession(const Session &s)
{
    Scene scene;
    for (const SharedNumber &number : SharedNumbers)
        scene.*number.shown = s.*number.saved;
    // In this order the track takes the session's range and position as they are.
    scene.track.SetMin(s.trackMin);
    scene.track.SetMax(s.trackMax);
    scene.track.SetPosition(s.trackPosition);
    scene.plane = s.minkowski ? Plane::Minkowski : Plane::Euclidean;
    scene.pedalStages = s.pedalStages;
    scene.shown = s.shown;
    scene.animation = s.animation;
    scene.animationForward = s.animationForward;
    return scene;
}

void StoreScene(const Scene &scene, Session &s)
{
    for (const SharedNumber &number : SharedNumbers)
        s.*number.saved = scene.*number.shown;
    s.trackMin = scene.track.min;
    s.trackMax = scene.track.max;
    s.trackPosition = scene.track.position;
    s.minkowski = scene.plane == Plane::Minkowski;
    s.pedalStages = scene.pedalStages;
    s.shown = scene.shown;
    s.animation = scene.animation;
    s.animationForward = scene.animationForward;
}

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
           a.minkowski == b.minkowski && a.pedalStages == b.pedalStages && a.shown == b.shown &&
           a.animation == b.animation && a.animationForward == b.animationForward;
}

QByteArray SessionJson(const Session &s)
{
    return JsonDocument({
        {"format", JsonString(FormatName)},
        {"version", JsonNumber(SessionFormatVersion)},
        {"window", JsonObject({{"width", JsonNumber(s.clientWidth)}, {"height", JsonNumber(s.clientHeight)}})},
        {"view", JsonObject({{"xMin", JsonNumber(s.xMin)},
                             {"xMax", JsonNumber(s.xMax)},
                             {"yMin", JsonNumber(s.yMin)},
                             {"yMax", JsonNumber(s.yMax)}})},
        {"curve", CurveObject(s.curve)},
        {"range", JsonObject({{"tMin", JsonNumber(s.tMin)}, {"tMax", JsonNumber(s.tMax)}})},
        {"selectedPoint", JsonObject({{"t", JsonNumber(s.selectedT)},
                                      {"trackMin", JsonNumber(s.trackMin)},
                                      {"trackMax", JsonNumber(s.trackMax)},
                                      {"trackPosition", JsonNumber(s.trackPosition)}})},
        {"step", JsonNumber(s.step)},
        {"pedalPoint", JsonObject({{"x", JsonNumber(s.pedalX)}, {"y", JsonNumber(s.pedalY)}})},
        {"plane", JsonString(s.minkowski ? QStringLiteral("Minkowski") : QStringLiteral("Euclidean"))},
        {"pedalStages", JsonNumber(s.pedalStages)},
        {"show", ShownList(s)},
        {"animation", JsonObject({{"running", JsonBool(s.animation)}, {"forward", JsonBool(s.animationForward)}})},
    });
}

namespace {

struct Problem {
    QString text;
};

// One JSON object with the fields a session allows there: each is read once
// by name, a field left out keeps the value given for it, and a field left
// unread at the end is unknown.
class Fields {
public:
    Fields(const QJsonValue &value, const QString &where) : path(where)
    {
        if (!value.isObject())
            throw Problem{QStringLiteral("'%1' is not an object").arg(path)};
        object = value.toObject();
    }

    bool Has(const char *name) const { return object.contains(QString::fromLatin1(name)); }

    QJsonValue Value(const char *name)
    {
        const QString key = QString::fromLatin1(name);
        read.insert(key);
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

    float Single(const char *name, float fallback)
    {
        if (!Has(name))
            return fallback;
        const double value = Typed(name, &QJsonValue::isDouble, "a number").toDouble();
        if (!std::isfinite(value) || std::fabs(value) > double(FLT_MAX))
            throw Problem{QStringLiteral("'%1' is beyond single precision").arg(Path(name))};
        return float(value);
    }

    int Whole(const char *name, double least, double most, int fallback)
    {
        if (!Has(name))
            return fallback;
        const double value = Typed(name, &QJsonValue::isDouble, "a number").toDouble();
        if (value != std::floor(value) || value < least || value > most)
            throw Problem{QStringLiteral("'%1' is not a whole number from %2 to %3")
                              .arg(Path(name))
                              .arg(least, 0, 'f', 0)
                              .arg(most, 0, 'f', 0)};
        return int(value);
    }

    bool Flag(const char *name, bool fallback)
    {
        return Has(name) ? Typed(name, &QJsonValue::isBool, "true or false").toBool() : fallback;
    }

    QString Text(const char *name, const QString &fallback = QString())
    {
        return Has(name) ? Typed(name, &QJsonValue::isString, "a text").toString() : fallback;
    }

    // An object left out has every field left out.
    Fields Object(const char *name) { return Fields(Has(name) ? Value(name) : QJsonValue(QJsonObject()), Path(name)); }

    QString Path(const QString &name) const { return path.isEmpty() ? name : path + QLatin1Char('.') + name; }

    void NothingElse() const
    {
        for (auto field = object.begin(); field != object.end(); ++field) {
            if (!read.contains(field.key()))
                throw Problem{QStringLiteral("the field '%1' is unknown").arg(Path(field.key()))};
        }
    }

private:
    QJsonObject object;
    QString path;
    QSet<QString> read;
};

int ReadFormat(Fields &root)
{
    if (!root.Has("format") || root.Value("format") != QJsonValue(FormatName))
        throw Problem{QStringLiteral("it is not a Lumetra session")};
    const double version = root.Typed("version", &QJsonValue::isDouble, "a number").toDouble();
    if (version > SessionFormatVersion)
        throw Problem{QStringLiteral("it was made by a newer version of Lumetra (session format %1; this one reads "
                                     "formats up to %2)")
                          .arg(version)
                          .arg(SessionFormatVersion)};
    if (version < 1 || version != std::floor(version))
        throw Problem{QStringLiteral("its session format %1 is unknown").arg(version)};
    return int(version);
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
    if (fields.Has("kind")) {
        curve.kind = TypedKindNamed(fields.Text("kind"));
        curve.first = fields.Text("first");
        if (curve.kind == SessionCurveKind::Parametric)
            curve.second = fields.Text("second");
        curve.tMin = fields.Single("tMin", 0);
        curve.tMax = fields.Single("tMax", 0);
    } else {
        curve.name = fields.Text("builtIn", curve.name);
    }
    fields.NothingElse();
    return curve;
}

bool ReadPlane(Fields &root, bool fallback)
{
    const QString plane = root.Text("plane", fallback ? QStringLiteral("Minkowski") : QStringLiteral("Euclidean"));
    if (plane != QLatin1String("Euclidean") && plane != QLatin1String("Minkowski"))
        throw Problem{QStringLiteral("'plane' is not Euclidean or Minkowski")};
    return plane == QLatin1String("Minkowski");
}

void ReadView(Fields view, Session &s)
{
    s.xMin = view.Single("xMin", s.xMin);
    s.xMax = view.Single("xMax", s.xMax);
    s.yMin = view.Single("yMin", s.yMin);
    s.yMax = view.Single("yMax", s.yMax);
    view.NothingElse();
    // An empty or turned view shows nothing but garbled labels.
    if (!(s.xMin < s.xMax))
        throw Problem{QStringLiteral("'view' is no window: xMin %1 is not below xMax %2").arg(s.xMin).arg(s.xMax)};
    if (!(s.yMin < s.yMax))
        throw Problem{QStringLiteral("'view' is no window: yMin %1 is not below yMax %2").arg(s.yMin).arg(s.yMax)};
}

void ReadWindow(Fields window, Session &s)
{
    s.clientWidth = window.Whole("width", 1, MaxSessionWindowSide, s.clientWidth);
    s.clientHeight = window.Whole("height", 1, MaxSessionWindowSide, s.clientHeight);
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
    s.selectedT = point.Single("t", s.selectedT);
    s.trackMin = point.Whole("trackMin", IntMin, IntMax, s.trackMin);
    s.trackMax = point.Whole("trackMax", s.trackMin, IntMax, std::max(s.trackMin, s.trackMax));
    s.trackPosition =
        point.Whole("trackPosition", s.trackMin, s.trackMax, std::clamp(s.trackPosition, s.trackMin, s.trackMax));
    point.NothingElse();
}

// Format 2 lists the shown layers by name; format 1 gave each a flag.
void ReadShown(Fields &root, int version, const std::vector<std::string> &layerIds, Session &s)
{
    if (version == 1) {
        Fields show = root.Object("show");
        for (const char *id : FirstFormatToggles) {
            if (show.Flag(id, s.shown.count(id) != 0))
                s.shown.insert(id);
            else
                s.shown.erase(id);
        }
        show.NothingElse();
        return;
    }
    if (!root.Has("show"))
        return;
    const QJsonValue list = root.Typed("show", &QJsonValue::isArray, "a list of layers");
    s.shown.clear();
    for (const QJsonValue id : list.toArray()) {
        const std::string name = id.toString().toStdString();
        if (!id.isString() || std::find(layerIds.begin(), layerIds.end(), name) == layerIds.end()) {
            // The value as the file writes it: its array alone, brackets cut.
            const QByteArray text = QJsonDocument(QJsonArray{id}).toJson(QJsonDocument::Compact);
            throw Problem{
                QStringLiteral("'show' names no layer %1").arg(QString::fromUtf8(text.mid(1, text.size() - 2)))};
        }
        s.shown.insert(name);
    }
}

// Format 1 kept the last foot evaluated; no picture depends on it now.
void SkipLastFoot(Fields &root)
{
    Fields foot = root.Object("lastFoot");
    for (const char *name : {"numerator", "denominator", "x", "y"})
        foot.Single(name, 0);
    foot.NothingElse();
}

Session ReadSession(Fields root, const std::vector<std::string> &layerIds)
{
    const int version = ReadFormat(root);
    Session s;
    ReadWindow(root.Object("window"), s);
    ReadView(root.Object("view"), s);
    s.curve = ReadCurve(root.Object("curve"));
    Fields range = root.Object("range");
    s.tMin = range.Single("tMin", s.tMin);
    s.tMax = range.Single("tMax", s.tMax);
    range.NothingElse();
    ReadSelectedPoint(root.Object("selectedPoint"), s);
    s.step = root.Single("step", s.step);
    Fields pedal = root.Object("pedalPoint");
    s.pedalX = pedal.Single("x", s.pedalX);
    s.pedalY = pedal.Single("y", s.pedalY);
    pedal.NothingElse();
    s.minkowski = ReadPlane(root, s.minkowski);
    s.pedalStages = root.Whole("pedalStages", 1, MostPedalStages, s.pedalStages);
    ReadShown(root, version, layerIds, s);
    Fields animation = root.Object("animation");
    s.animation = animation.Flag("running", s.animation);
    s.animationForward = animation.Flag("forward", s.animationForward);
    animation.NothingElse();
    if (version == 1)
        SkipLastFoot(root);
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

SessionReading ReadSessionJson(const QByteArray &bytes, const std::vector<std::string> &layerIds)
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
        return {ReadSession(Fields(document.object(), QString()), layerIds), QString()};
    } catch (const Problem &problem) {
        return {{}, problem.text};
    }
}

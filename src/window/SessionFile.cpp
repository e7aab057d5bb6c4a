#include "window/SessionFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <stdexcept>

#include "drawing/Layer.h"
#include "drawing/PlotArea.h"
#include "maths/Curves.h"
#include "maths/TypedCurve.h"

namespace {

[[noreturn]] void CannotOpen(const QString &path, const QString &problem)
{
    throw std::runtime_error(
        QStringLiteral("The session '%1' could not be opened: %2.").arg(path, problem).toStdString());
}

// At most one byte beyond the limit is read, so no huge file is taken into
// memory; the session reader refuses what lies beyond the limit.
QByteArray ReadBounded(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        CannotOpen(path, QStringLiteral("it is a folder"));
    // Opening a pipe would wait for a writer: only plain files are read.
    if (info.exists() && !info.isFile())
        CannotOpen(path, QStringLiteral("it is not a plain file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        CannotOpen(path, file.errorString());
    const QByteArray bytes = file.read(MaxSessionBytes + 1);
    if (file.error() != QFileDevice::NoError)
        CannotOpen(path, file.errorString());
    return bytes;
}

}  // namespace

QString ViewProblem(const Session &session, ClientSize client)
{
    const double width = double(session.xMax) - double(session.xMin);
    const double height = double(session.yMax) - double(session.yMin);
    if (UnitPixelsFor(client, width, height) >= 1)
        return {};
    return QStringLiteral("its view of %1 x %2 units leaves less than one pixel per unit in a window of %3 x %4")
        .arg(width)
        .arg(height)
        .arg(client.width)
        .arg(client.height);
}

namespace {

// The session in a file's bytes; beyond what the reader refuses, a view
// with less than a pixel per unit in its window is a problem too: it shows
// nothing of the curve, and its grid would be drawn line upon line.
SessionReading ReadShowable(const QByteArray &bytes, const std::vector<std::string> &layerIds)
{
    SessionReading reading = ReadSessionJson(bytes, layerIds);
    if (reading.problem.isEmpty())
        reading.problem = ViewProblem(reading.session, {reading.session.clientWidth, reading.session.clientHeight});
    return reading;
}

}  // namespace

OpenedSession ReadSessionFile(const QString &path, const std::vector<std::string> &layerIds)
{
    const SessionReading reading = ReadShowable(ReadBounded(path), layerIds);
    if (!reading.problem.isEmpty())
        CannotOpen(path, reading.problem);
    OpenedSession opened{reading.session, ChooseSessionCurve(reading.session.curve)};
    if (!opened.curve.problem.empty())
        CannotOpen(path, QString::fromStdString(opened.curve.problem));
    return opened;
}

void WriteSessionFile(const Session &session, const QString &path)
{
    // A file that could not be opened again is not written: an empty view
    // window, or one too wide for its window, is the user's to mend first.
    const QByteArray bytes = SessionJson(session);
    const QString problem =
        ReadShowable(bytes, std::vector<std::string>(session.shown.begin(), session.shown.end())).problem;
    if (!problem.isEmpty())
        throw std::runtime_error(
            QStringLiteral("The session was not saved to '%1': it could not be opened again, as %2.")
                .arg(path, problem)
                .toStdString());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw std::runtime_error(
            QStringLiteral("The session could not be saved to '%1': %2.").arg(path, file.errorString()).toStdString());
}

Scene SceneOfOpened(const OpenedSession &opened)
{
    Scene scene = SceneOfSession(opened.session);
    scene.curve = opened.curve.typed ? SharedRowOf(opened.curve.typed) : SharedCurveAt(opened.curve.builtInIndex);
    TakeSelectedPoint(scene);
    return scene;
}

#include "window/SessionFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <stdexcept>

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

OpenedSession ReadSessionFile(const QString &path)
{
    const SessionReading reading = ReadSessionJson(ReadBounded(path));
    if (!reading.problem.isEmpty())
        CannotOpen(path, reading.problem);
    OpenedSession opened{reading.session, ChooseSessionCurve(reading.session.curve)};
    if (!opened.curve.problem.empty())
        CannotOpen(path, QString::fromStdString(opened.curve.problem));
    return opened;
}

void WriteSessionFile(const Session &session, const QString &path)
{
    QSaveFile file(path);
    const QByteArray bytes = SessionJson(session);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw std::runtime_error(
            QStringLiteral("The session could not be saved to '%1': %2.").arg(path, file.errorString()).toStdString());
}

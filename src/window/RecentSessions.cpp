#include "window/RecentSessions.h"

#include <QFileInfo>

#include "window/UserSettings.h"

namespace {

const QString Key = QStringLiteral("recentSessions");

void Store(const QStringList &paths)
{
    UserSettings().setValue(Key, paths);
}

}  // namespace

QStringList RecentSessions()
{
    return UserSettings().value(Key).toStringList().mid(0, MostRecentSessions);
}

void RememberSession(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList paths = RecentSessions();
    paths.removeAll(absolute);
    paths.prepend(absolute);
    Store(paths.mid(0, MostRecentSessions));
}

void ForgetSession(const QString &path)
{
    QStringList paths = RecentSessions();
    paths.removeAll(QFileInfo(path).absoluteFilePath());
    Store(paths);
}

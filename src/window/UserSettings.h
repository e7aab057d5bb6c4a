#pragma once

#include <QSettings>

// The user's settings of Lumetra: remembered typed curves and recent sessions.
inline QSettings UserSettings()
{
    return QSettings(QStringLiteral("Lumetra"), QStringLiteral("Lumetra"));
}

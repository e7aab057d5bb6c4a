#pragma once

#include <QStringList>

// The sessions opened or saved last, newest first, kept in the user's
// settings for File > Open recent.
constexpr int MostRecentSessions = 8;

QStringList RecentSessions();
// Puts the file first; the list keeps at most MostRecentSessions.
void RememberSession(const QString &path);
// A file that can no longer be opened leaves the list.
void ForgetSession(const QString &path);

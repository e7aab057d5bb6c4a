#pragma once

#include <QString>

// The application-wide handler: shows a failure in a message box and lets
// the program go on.
void ShowException(const QString &message);

// Failures shown since the program started (lets tests see that exactly one
// box appeared without relying on its window).
long ShownExceptionCount();

#pragma once

#include <QString>
#include <functional>

// The application-wide handler: shows a failure in a message box and lets
// the program go on.
void ShowException(const QString &message);

// Failures shown since the program started (lets tests see that exactly one
// box appeared without relying on its window).
long ShownExceptionCount();

// Runs the program, start-up and event loop, and gives its exit status. A
// failure that escapes it is shown like any other, and the status is then
// EXIT_FAILURE.
int ExitStatusOf(const std::function<int()> &program);

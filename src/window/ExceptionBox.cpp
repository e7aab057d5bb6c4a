#include "window/ExceptionBox.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdlib>
#include <exception>

namespace {
long shownExceptions = 0;
}

void ShowException(const QString &message)
{
    ++shownExceptions;
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), message, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("ExceptionBox"));
    box.exec();
}

long ShownExceptionCount()
{
    return shownExceptions;
}

int ExitStatusOf(const std::function<int()> &program)
{
    try {
        return program();
    } catch (const std::exception &failure) {
        ShowException(QString::fromLocal8Bit(failure.what()));
    } catch (...) {
        ShowException(QString());
    }
    return EXIT_FAILURE;
}

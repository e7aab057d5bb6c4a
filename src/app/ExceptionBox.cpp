#include "app/ExceptionBox.h"

#include <QApplication>
#include <QMessageBox>

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

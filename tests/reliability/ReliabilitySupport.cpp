#include "ReliabilitySupport.h"

#include <GL/gl.h>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>
#include <cstdio>
#include <unistd.h>

#include "window/MainWindow.h"
#include "window/PictureBox.h"

unsigned PictureGlError(MainWindow &form)
{
    form.Picture->makeCurrent();
    const GLenum first = glGetError();
    // Drain the other flags so that the next frame starts clean.
    for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; ++i) {
    }
    form.Picture->doneCurrent();
    return first;
}

long ResidentKiB()
{
    long size = 0, resident = 0;
    if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &size, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

void Paste(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Backspace);
        return;
    }
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

bool ResizeClient(MainWindow &form, QSize size)
{
    form.resize(size);
    return form.size() == size || QTest::qWaitFor([&] { return form.size() == size; }, 2000);
}

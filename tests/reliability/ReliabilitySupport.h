#pragma once

#include <QSize>
#include <QString>

class QLineEdit;
class MainWindow;

// The first error the picture's GL context has recorded since the last call
// (GL_NO_ERROR when none); the errors are cleared.
unsigned PictureGlError(MainWindow &form);

// Resident memory of the process, in KiB.
long ResidentKiB();

// Replaces the whole text of a field at once, as a paste over the selection
// does: one change of the text, whatever its length.
void Paste(QLineEdit *edit, const QString &text);

// Resizes the client area and waits until the window has the new size.
bool ResizeClient(MainWindow &form, QSize size);

// Undo and redo over everything the user changes in the picture and the
// controls. A gesture (a click, a drag, a key, a burst of wheel notches or a
// run of spinner clicks) becomes one step once it has rested for a moment;
// the animation's own ticks are no gesture.
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QTimer>

#include "maths/SessionCurve.h"
#include "window/MainWindow.h"
#include "window/PictureBox.h"
#include "window/SessionFile.h"

namespace {

// A gesture has ended when no input has come for this long: notches of the
// wheel and clicks of a spinner closer together than this are one step.
constexpr int GestureRestMs = 400;

bool IsUserInput(QEvent::Type type)
{
    return type == QEvent::MouseButtonRelease || type == QEvent::KeyRelease || type == QEvent::Wheel;
}

}  // namespace

// Watches every input of the application: the window's controls, its
// picture, its menus and dialogs.
class GestureWatcher : public QObject {
public:
    GestureWatcher(QObject *parent, QTimer *rest) : QObject(parent), restTimer(rest) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (IsUserInput(event->type()))
            restTimer->start();
        return QObject::eventFilter(watched, event);
    }

private:
    QTimer *restTimer;
};

void MainWindow::AddHistory()
{
    historyRest = new QTimer(this);
    historyRest->setSingleShot(true);
    historyRest->setInterval(GestureRestMs);
    connect(historyRest, &QTimer::timeout, this, [this] { RecordStep(); });
    qApp->installEventFilter(new GestureWatcher(this, historyRest));
    history.Reset(CaptureSession());
    savedSession = history.Current();
    pictureActions.undo = AddPictureAction(QStringLiteral("Undo"), QKeySequence::Undo, [this] { UndoClick(); });
    QAction *redo = pictureActions.redo =
        AddPictureAction(QStringLiteral("Redo"), QKeySequence::Redo, [this] { RedoClick(); });
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
}

void MainWindow::RecordStep()
{
    historyRest->stop();
    history.Record(CaptureSession());
    emit DocumentChanged();
}

namespace {

// The window keeps its size: resizing it is no change of what it shows.
void ShowStep(MainWindow &form, Session step)
{
    step.clientWidth = form.ClientWidth();
    step.clientHeight = form.ClientHeight();
    form.ShowSession({step, ChooseSessionCurve(step.curve)});
}

}  // namespace

void MainWindow::UndoClick()
{
    // A gesture still resting is a step of its own first.
    RecordStep();
    ShowStep(*this, history.Undo());
    emit DocumentChanged();
}

void MainWindow::RedoClick()
{
    RecordStep();
    ShowStep(*this, history.Redo());
    emit DocumentChanged();
}

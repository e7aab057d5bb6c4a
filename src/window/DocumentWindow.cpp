#include "window/DocumentWindow.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QMimeData>

#include "window/AboutBox.h"
#include "window/HelpWindow.h"
#include "window/MainWindow.h"

namespace {

// The one local session file a drag carries, or nothing.
QString DroppedSession(const QMimeData *data)
{
    if (!data || data->urls().size() != 1)
        return QString();
    const QString path = data->urls().front().toLocalFile();
    return QFileInfo(path).suffix().compare(QStringLiteral("lumetra"), Qt::CaseInsensitive) == 0 ? path : QString();
}

}  // namespace

DocumentWindow::DocumentWindow(QWidget *parent) : QMainWindow(parent), form(new MainWindow)
{
    setObjectName(QStringLiteral("DocumentWindow"));
    setCentralWidget(form);
    BuildMenus();
    setAcceptDrops(true);
    connect(form, &MainWindow::DocumentChanged, this, &DocumentWindow::ShowDocumentState);
    resize(MainWindow::DesignedClientWidth, MainWindow::DesignedClientHeight + menuBar()->sizeHint().height());
    move(MainWindow::DesignedLeft, MainWindow::DesignedTop);
    ShowDocumentState();
}

DocumentWindow::~DocumentWindow() = default;

void DocumentWindow::ShowDocumentState()
{
    const QString name =
        form->sessionPath.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(form->sessionPath).fileName();
    setWindowTitle(name + QStringLiteral("[*] \u2014 Lumetra"));
    setWindowModified(form->Modified());
}

void DocumentWindow::ShowUserGuide()
{
    if (!help)
        help = new HelpWindow(this);
    help->show();
    help->raise();
    help->activateWindow();
}

void DocumentWindow::ShowAbout()
{
    ShowAboutBox(this);
}

void DocumentWindow::closeEvent(QCloseEvent *event)
{
    bool mayClose = false;
    RunHandler([&] { mayClose = form->MayDiscardChanges(); });
    if (mayClose)
        event->accept();
    else
        event->ignore();
}

void DocumentWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!DroppedSession(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void DocumentWindow::dropEvent(QDropEvent *event)
{
    const QString path = DroppedSession(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // Opened once the drop has ended: the question about unsaved changes
    // must not hold the drag source waiting.
    QMetaObject::invokeMethod(
        this, [this, path] { RunHandler([&] { form->OpenDocument(path); }); }, Qt::QueuedConnection);
}

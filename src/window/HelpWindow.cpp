#include "window/HelpWindow.h"

#include <QDesktopServices>
#include <QFile>
#include <QRegularExpression>

QString UserGuideText()
{
    QFile readme(QStringLiteral(":/README.md"));
    if (!readme.open(QIODevice::ReadOnly))
        return QStringLiteral("The user guide is missing from this build.");
    const QString text = QString::fromUtf8(readme.readAll());
    const qsizetype start = text.indexOf(QStringLiteral("\n## User guide"));
    if (start < 0)
        return text;
    const qsizetype end = text.indexOf(QRegularExpression(QStringLiteral("\n## (?!#)")), start + 1);
    return text.mid(start + 1, end < 0 ? -1 : end - start - 1);
}

HelpWindow::HelpWindow(QWidget *parent) : QTextBrowser(parent)
{
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Lumetra user guide"));
    // Pictures are named as in the README, relative to its folder.
    document()->setBaseUrl(QUrl(QStringLiteral("qrc:/")));
    document()->setMarkdown(UserGuideText());
    // Links out of the guide open in the desktop's browser.
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl &link) {
        if (link.scheme().startsWith(QStringLiteral("http")))
            QDesktopServices::openUrl(link);
        else if (link.hasFragment())
            scrollToAnchor(link.fragment());
    });
    resize(760, 820);
}

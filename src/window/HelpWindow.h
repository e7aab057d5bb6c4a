#pragma once

#include <QString>
#include <QTextBrowser>

// The user guide inside the program: the guide's section of the README,
// built in as a resource with its pictures, shown as Markdown.
class HelpWindow : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent);
};

// The guide's Markdown: the README from "## User guide" up to the next
// section of the same level.
QString UserGuideText();

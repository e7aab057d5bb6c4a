// The picture's own menu: save what is shown as PNG, or copy it.
#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>

#include "window/Form1.h"
#include "window/PictureBox.h"
#include "window/PictureExport.h"

void TForm1::AddPictureMenu()
{
    auto addAction = [this](const QString &text, const QKeySequence &keys, void (TForm1::*handler)()) {
        auto *action = new QAction(text, Picture);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, handler] { RunHandler([&] { (this->*handler)(); }); });
        Picture->addAction(action);
    };
    addAction(QStringLiteral("Save picture\u2026"), QKeySequence::Save, &TForm1::SavePictureClick);
    addAction(QStringLiteral("Copy picture"), QKeySequence::Copy, &TForm1::CopyPictureClick);
    Picture->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void TForm1::SavePictureClick()
{
    // The picture is taken before the dialog covers anything.
    const QImage picture = CurrentPicture();
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Save picture"), QStringLiteral("lumetra.png"), QStringLiteral("PNG images (*.png)"));
    if (!path.isEmpty())
        SavePicture(picture, path);
}

void TForm1::CopyPictureClick()
{
    QGuiApplication::clipboard()->setImage(CurrentPicture());
}

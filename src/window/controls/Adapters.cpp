#include "window/controls/Adapters.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>
#include <cmath>

Spinner::Spinner(QWidget *parent) : QWidget(parent)
{
    previousArrow = new QToolButton(this);
    nextArrow = new QToolButton(this);
    previousArrow->setArrowType(Qt::LeftArrow);
    nextArrow->setArrowType(Qt::RightArrow);
    for (QToolButton *arrow : {previousArrow, nextArrow}) {
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
    }
    previousArrow->setObjectName(QStringLiteral("previous"));
    nextArrow->setObjectName(QStringLiteral("next"));
    connect(previousArrow, &QToolButton::clicked, this, [this] { emit Click(false); });
    connect(nextArrow, &QToolButton::clicked, this, [this] { emit Click(true); });
    // The spinner takes the focus as one control; the arrow keys click it.
    setFocusPolicy(Qt::StrongFocus);
}

void Spinner::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        emit Click(false);
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
        emit Click(true);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void Spinner::resizeEvent(QResizeEvent *)
{
    const int half = width() / 2;
    previousArrow->setGeometry(0, 0, half, height());
    nextArrow->setGeometry(half, 0, width() - half, height());
}

TrackBar::TrackBar(QWidget *parent) : QSlider(Qt::Horizontal, parent)
{
    setEnabled(false);
    setTickPosition(QSlider::NoTicks);
    setFocusPolicy(Qt::NoFocus);
}

CurveListBox::CurveListBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
}

void CurveListBox::showPopup()
{
    if (onDropDown)
        onDropDown();
    QComboBox::showPopup();
}

void SetCaption(QLabel *label, const QString &caption)
{
    label->setText(caption);
    label->resize(label->sizeHint().width(), label->height());
}

void ShowInField(QLineEdit *field, const QString &text)
{
    field->setText(text);
    field->setCursorPosition(0);
}

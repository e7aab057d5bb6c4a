#pragma once

#include <QComboBox>
#include <QSlider>
#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QToolButton;

// Horizontal spinner: two auto-repeating arrows side by side; every click
// is reported with its direction (right arrow = next).
class Spinner : public QWidget {
    Q_OBJECT
public:
    explicit Spinner(QWidget *parent);
    QToolButton *PreviousArrow() const { return previousArrow; }
    QToolButton *NextArrow() const { return nextArrow; }
signals:
    void Click(bool next);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QToolButton *previousArrow;
    QToolButton *nextArrow;
};

// Shows the selected point in hundredths of t, as the scene keeps it;
// disabled for the user.
class TrackBar : public QSlider {
    Q_OBJECT
public:
    explicit TrackBar(QWidget *parent);
    int Min() const { return minimum(); }
    int Max() const { return maximum(); }
    int Position() const { return value(); }
    void SetMin(int min) { setMinimum(min); }
    void SetMax(int max) { setMaximum(max); }
    void SetPosition(int position) { setValue(position); }
};

// The curve list: reports its opening before the list shows.
class CurveListBox : public QComboBox {
    Q_OBJECT
public:
    explicit CurveListBox(QWidget *parent);
    std::function<void()> onDropDown;
    void showPopup() override;
};

// A label's new caption; the label widens to it and keeps its height.
void SetCaption(QLabel *label, const QString &caption);

// A text the program writes into a field: shown from its first character,
// however narrow the field.
void ShowInField(QLineEdit *field, const QString &text);

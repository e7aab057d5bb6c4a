#include "ControlTestSupport.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "window/PictureBox.h"

void CommaWindowTest::SetUp()
{
    // The window writes its initial texts in the locale in force when it is built.
    locale = std::make_unique<LocaleScope>(CommaLocale());
    WindowTest::SetUp();
    Settle();
}

void CommaWindowTest::TearDown()
{
    WindowTest::TearDown();
    locale.reset();
}

long CommaWindowTest::Frames() const
{
    // Redraws asked for: a redraw whose frame would repeat the one shown
    // paints nothing, the screen already shows it.
    return form->Picture->redrawCount;
}

bool CommaWindowTest::Redrawn(long before, int timeoutMs)
{
    return QTest::qWaitFor([&] { return Frames() > before; }, timeoutMs);
}

void CommaWindowTest::Settle()
{
    long last = Frames();
    int quiet = 0;
    for (int i = 0; i < 100 && quiet < 2; ++i) {
        QTest::qWait(15);
        if (Frames() == last) {
            ++quiet;
        } else {
            last = Frames();
            quiet = 0;
        }
    }
}

void CommaWindowTest::Type(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    else
        QTest::keyClicks(edit, text);
}

void CommaWindowTest::SetRange(const char *tMin, const char *tMax)
{
    Type(form->tMinEdit, QString::fromLatin1(tMin));
    Type(form->tMaxEdit, QString::fromLatin1(tMax));
    const long before = Frames();
    Click(form->rangeSetButton);
    EXPECT_TRUE(Redrawn(before));
}

void CommaWindowTest::SetStep(const char *step)
{
    CloseFailureBoxes([&] { Type(form->stepEdit, QString::fromLatin1(step)); });
}

void CommaWindowTest::Click(QAbstractButton *button)
{
    QPoint at = button->rect().center();
    if (auto *box = qobject_cast<QCheckBox *>(button)) {
        // Aim at the box itself, which reacts whatever the caption's width.
        QStyleOptionButton option;
        option.initFrom(box);
        at = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).center();
    }
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, at);
}

std::vector<QPointF> CommaWindowTest::PointsOf(const std::vector<FeedbackPrimitive> &frame, const float (&rgb)[3])
{
    std::vector<QPointF> points;
    for (const FeedbackPrimitive &p : OfColour(frame, FeedbackPrimitive::Point, rgb[0], rgb[1], rgb[2]))
        points.emplace_back(p.vertices.front().x, p.vertices.front().y);
    return points;
}

std::vector<FeedbackPrimitive> CommaWindowTest::LinesOf(const std::vector<FeedbackPrimitive> &frame,
                                                        const float (&rgb)[3])
{
    return OfColour(frame, FeedbackPrimitive::Line, rgb[0], rgb[1], rgb[2]);
}

std::vector<QPointF> CommaWindowTest::BluePoints(const std::vector<FeedbackPrimitive> &frame)
{
    return PointsOf(frame, colour::Blue);
}

QRectF CommaWindowTest::WhiteArea(const std::vector<FeedbackPrimitive> &frame)
{
    double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
    bool any = false;
    for (const FeedbackPrimitive &p : OfColour(frame, FeedbackPrimitive::Polygon, 1, 1, 1)) {
        for (const FeedbackVertex &v : p.vertices) {
            any = true;
            left = std::min<double>(left, v.x);
            right = std::max<double>(right, v.x);
            top = std::min<double>(top, v.y);
            bottom = std::max<double>(bottom, v.y);
        }
    }
    return any ? QRectF(QPointF(left, top), QPointF(right, bottom)) : QRectF();
}

void ChooseFromList(QComboBox *list, int index)
{
    QTest::mouseClick(list, Qt::LeftButton);
    QAbstractItemView *items = list->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(items->window()));
    QTest::keyClick(items, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(items, Qt::Key_Down);
    ASSERT_EQ(items->currentIndex().row(), index);
    QTest::keyClick(items, Qt::Key_Return);
    ASSERT_FALSE(items->window()->isVisible());
}

int CloseFailureBoxes(const std::function<void()> &action)
{
    int closed = 0;
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, [&closed] {
        QMessageBox *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || box->objectName() != QLatin1String("ExceptionBox")) {
            box = nullptr;
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->isVisible() && w->objectName() == QLatin1String("ExceptionBox"))
                    box = qobject_cast<QMessageBox *>(w);
        }
        if (box && box->isVisible()) {
            box->accept();
            ++closed;
        }
    });
    closer.start();
    action();
    closer.stop();
    return closed;
}

bool ColourNear(const QImage &image, double x, double y, Rgb colour, int radius)
{
    const int cx = int(std::floor(x));
    const int cy = int(std::floor(y));
    for (int py = cy - radius; py <= cy + radius; ++py)
        for (int px = cx - radius; px <= cx + radius; ++px)
            if (px >= 0 && py >= 0 && px < image.width() && py < image.height() && PixelAt(image, px, py) == colour)
                return true;
    return false;
}

ExpectedArea AreaFor(double xMin, double xMax, double yMin, double yMax)
{
    // Outer size of the designed window; the panels take 336 px of the width
    // and 313 px of the height, and the area is centred in what is left.
    const int W = 1107;
    const int H = 728;
    const double perUnitAcross = std::trunc((W - 336) / (xMax - xMin));
    const double perUnitDown = std::trunc((H - 313) / (yMax - yMin));
    ExpectedArea a{};
    a.unitPixels = perUnitAcross < perUnitDown ? perUnitAcross : perUnitDown;
    a.plotWidth = int(std::trunc((xMax - xMin) * a.unitPixels));
    a.plotHeight = int(std::trunc((yMax - yMin) * a.unitPixels));
    const int centreX = (W - 296) / 2;
    const int middleY = (H - 313) / 2;
    a.left = centreX - a.plotWidth / 2;
    a.right = centreX + a.plotWidth / 2;
    a.top = (H - 313 - a.plotHeight) / 2;
    a.bottom = a.top + a.plotHeight;
    // World x = 0 lies -xMin units right of the left edge; world y = 0 lies
    // yMax units below the top (or yMin units below the bottom when the whole
    // window is above the x axis).
    const int gridTop = middleY - a.plotHeight / 2;
    const int gridBottom = middleY + a.plotHeight / 2;
    a.originX = a.left - xMin * a.unitPixels;
    a.originY = yMin > 0 ? gridBottom + yMin * a.unitPixels : gridTop + yMax * a.unitPixels;
    return a;
}

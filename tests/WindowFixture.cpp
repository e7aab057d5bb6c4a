#include "WindowFixture.h"

#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <ostream>

#include "drawing/GlSetup.h"
#include "window/PictureBox.h"
#include "window/RenderScene.h"

void WindowTest::SetUp()
{
    form = std::make_unique<MainWindow>();
    form->tickTimer->stop();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->Redraw();
}

void WindowTest::TearDown()
{
    form.reset();
}

QImage WindowTest::Grab()
{
    form->Redraw();
    return form->Picture->grabFramebuffer();
}

QImage WindowTest::OnScreen()
{
    QApplication::processEvents();
    // Only what lies on the screen is shown.
    const QRect screen = form->screen()->geometry();
    const QRect picture = form->Picture->geometry() & screen.translated(-form->mapToGlobal(QPoint(0, 0)));
    const QPixmap shown =
        form->screen()->grabWindow(form->winId(), picture.x(), picture.y(), picture.width(), picture.height());
    return shown.toImage().convertToFormat(QImage::Format_RGB32);
}

std::vector<FeedbackPrimitive> WindowTest::RecordFrame(int capacity)
{
    form->Picture->makeCurrent();
    const int pictureHeight = form->Picture->height();
    SetupViewport(form->ClientWidth(), form->ClientHeight(), pictureHeight, 1.0);
    auto frame = RecordFeedback([&] { RenderScene(*form); }, pictureHeight, capacity);
    form->Picture->doneCurrent();
    return frame;
}

std::vector<FeedbackPrimitive> WindowTest::OfColour(const std::vector<FeedbackPrimitive> &frame,
                                                    FeedbackPrimitive::Kind kind, float r, float g, float b)
{
    std::vector<FeedbackPrimitive> result;
    for (const FeedbackPrimitive &p : frame) {
        if (p.kind != kind || p.vertices.empty())
            continue;
        const FeedbackVertex &v = p.vertices.front();
        if (std::fabs(v.r - r) < 1e-3 && std::fabs(v.g - g) < 1e-3 && std::fabs(v.b - b) < 1e-3)
            result.push_back(p);
    }
    return result;
}

Rgb PixelAt(const QImage &image, int x, int y)
{
    const QColor c = image.pixelColor(x, y);
    return {c.red(), c.green(), c.blue()};
}

std::ostream &operator<<(std::ostream &out, const Rgb &c)
{
    return out << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

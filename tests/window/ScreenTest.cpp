// The display shows each frame as it was drawn: the picture's framebuffer
// reaches the window pixel for pixel, the right way up, and no frame is left
// unshown.
#include <QCheckBox>
#include <QTest>
#include <gtest/gtest.h>

#include "WindowFixture.h"
#include "window/PictureBox.h"

namespace {

using Screen = WindowTest;

TEST_F(Screen, ShowsEveryFrameAsDrawn)
{
    const QImage initial = OnScreen();
    EXPECT_EQ(initial, form->Picture->grabFramebuffer());

    // A drag step of P with the construction on: the layers beneath come from
    // the cache, the pedal curve and the construction are new.
    form->tangentNormalCheck->setChecked(true);
    form->singularTangentsCheck->setChecked(true);
    QTest::mousePress(form->Picture, Qt::LeftButton, {}, QPoint(405, 207));
    QTest::mouseMove(form->Picture, QPoint(440, 170));
    const QImage dragged = OnScreen();
    EXPECT_NE(dragged, initial);
    EXPECT_EQ(dragged, form->Picture->grabFramebuffer());
    QTest::mouseMove(form->Picture, QPoint(447, 170));
    QTest::mouseRelease(form->Picture, Qt::LeftButton, {}, QPoint(447, 170));
    const QImage released = OnScreen();
    EXPECT_NE(released, dragged);
    EXPECT_EQ(released, form->Picture->grabFramebuffer());

    // A new size: a new framebuffer, shown whole.
    form->resize(form->width() - 60, form->height() - 40);
    const QImage smaller = OnScreen();
    EXPECT_EQ(smaller.size(), form->Picture->size());
    EXPECT_EQ(smaller, form->Picture->grabFramebuffer());
}

}  // namespace

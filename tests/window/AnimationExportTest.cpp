// Animation films, decoded back: the frames are the window's own pictures
// (exactly for GIF, within 35 dB for MP4), and a cancelled export leaves
// nothing behind.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "VideoDecode.h"
#include "WindowFixture.h"
#include "window/AnimationExport.h"
#include "window/PictureBox.h"

namespace {

class Film : public WindowTest {
protected:
    // A film of the window's picture size, ten frames a second: one tick of
    // the window's animation per frame.
    AnimationPlan PlanOf(double seconds) const
    {
        AnimationPlan plan;
        plan.size = form->Picture->size();
        plan.seconds = seconds;
        plan.framesPerSecond = 10;
        return plan;
    }
    QImage Shown() { return Grab().convertToFormat(QImage::Format_RGB32); }
    QTemporaryDir folder;
};

const auto Always = [](int, int) { return true; };

TEST_F(Film, AGifShowsTheWindowsAnimationFrameForFrame)
{
    form->scene.shown.insert("tangentAndNormal");
    const QString path = folder.filePath(QStringLiteral("run.gif"));
    ASSERT_TRUE(ExportAnimation(form->scene, PlanOf(0.5), path, Always));
    const std::vector<QImage> frames = DecodedFrames(path);
    ASSERT_EQ(frames.size(), 5u);
    form->scene.animation = true;
    for (std::size_t k = 0; k < frames.size(); ++k) {
        if (k > 0)
            form->TimerTick();
        EXPECT_TRUE(frames[k] == Shown()) << "frame " << k;
    }
    EXPECT_FALSE(frames.front() == frames.back()) << "the selected point runs";
}

TEST_F(Film, AnMp4MovesThePedalPointInAStraightLine)
{
    AnimationPlan plan = PlanOf(0.8);
    plan.pedalTo = std::make_pair(1.5, -1.0);
    const float fromX = form->scene.pedalX, fromY = form->scene.pedalY;
    const QString path = folder.filePath(QStringLiteral("move.mp4"));
    ASSERT_TRUE(ExportAnimation(form->scene, plan, path, Always));
    const std::vector<QImage> frames = DecodedFrames(path);
    ASSERT_EQ(frames.size(), 8u);
    for (std::size_t k = 0; k < frames.size(); ++k) {
        form->scene.pedalX = float(fromX + (1.5 - fromX) * k / 7.0);
        form->scene.pedalY = float(fromY + (-1.0 - fromY) * k / 7.0);
        QImage shown = Shown();
        // yuv420p films are of even sizes: the last column or row repeats.
        const QImage frame = frames[k].copy(0, 0, shown.width(), shown.height());
        EXPECT_GE(Psnr(frame, shown), 35.0) << "frame " << k;
    }
}

TEST_F(Film, ACancelledExportLeavesNoFileAndKeepsAnOlderOne)
{
    const QString path = folder.filePath(QStringLiteral("kept.webm"));
    QFile older(path);
    ASSERT_TRUE(older.open(QIODevice::WriteOnly));
    older.write("an older film");
    older.close();
    int asked = 0;
    EXPECT_FALSE(ExportAnimation(form->scene, PlanOf(1), path, [&](int done, int total) {
        ++asked;
        EXPECT_EQ(total, 10);
        return done < 3;
    }));
    EXPECT_EQ(asked, 3);
    ASSERT_TRUE(older.open(QIODevice::ReadOnly));
    EXPECT_EQ(older.readAll(), QByteArray("an older film"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.webm")});

    // A plan the film cannot have is refused before anything is written.
    AnimationPlan tooLong = PlanOf(LongestAnimationSeconds + 1);
    EXPECT_THROW(ExportAnimation(form->scene, tooLong, folder.filePath(QStringLiteral("x.gif")), Always),
                 std::invalid_argument);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 1);
}

}  // namespace

#include "window/VideoFile.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>

#include "window/VideoDecode.h"

namespace {

// A pedal point's disc moving along a line, on white. Frame 6 is mostly the disc's
// colour, so the commonest colour of the frames changes and changes back.
QImage MovingDisc(QSize size, int step, bool smooth)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, smooth);
    painter.setPen(QPen(QColor(31, 119, 180), 1.5));
    painter.drawLine(QPointF(2, size.height() - 4), QPointF(size.width() - 3, 5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(214, 39, 40));
    const double radius = step == 6 ? size.width() : 4;
    painter.drawEllipse(QPointF(4 + 4.5 * step, 0.6 * size.height()), radius, radius);
    return picture;
}

std::vector<QImage> MovingDiscFrames(QSize size, bool smooth)
{
    std::vector<QImage> frames;
    for (int step = 0; step < 12; ++step)
        frames.push_back(MovingDisc(size, step, smooth));
    return frames;
}

void Write(const QString &path, VideoFormat format, const std::vector<QImage> &frames)
{
    VideoWriter writer(path, VideoSettings{frames.front().size(), 25, format});
    for (const QImage &frame : frames)
        writer.Add(frame);
    EXPECT_EQ(writer.FramesWritten(), int(frames.size()));
    writer.Finish();
}

template <typename Error, typename Action>
std::string MessageOf(Action action)
{
    try {
        action();
    } catch (const Error &error) {
        return error.what();
    }
    return "no exception";
}

bool Mentions(const std::string &message, const char *words)
{
    return message.find(words) != std::string::npos;
}

// An older file at the path, which a finished writer replaces and a cancelled one keeps.
bool WriteOlder(const QString &path)
{
    QFile older(path);
    return older.open(QIODevice::WriteOnly) && older.write("an older animation") > 0;
}

}  // namespace

TEST(VideoFile, GifShowsEveryFrameExactlyAndReplacesAnOlderFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("pedal.GIF");
    ASSERT_TRUE(WriteOlder(path));
    const auto frames = MovingDiscFrames(QSize(65, 49), false);
    Write(path, VideoFormatOf(path), frames);

    const auto decoded = DecodedFrames(path);
    ASSERT_EQ(decoded.size(), frames.size());
    for (size_t i = 0; i < frames.size(); ++i)
        EXPECT_EQ(decoded[i], frames[i]) << "frame " << i;
    const auto times = FrameTimes(path);
    ASSERT_EQ(times.size(), frames.size());
    for (size_t i = 0; i < times.size(); ++i)
        EXPECT_NEAR(times[i], 0.04 * i, 1e-9);  // 25 frames a second are 4 hundredths each
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"pedal.GIF"});
}

TEST(VideoFile, Mp4AndWebMStayCloseToEveryFrame)
{
    QTemporaryDir folder;
    // An odd side is written one pixel longer, its last column or row repeated.
    for (const QSize size : {QSize(160, 120), QSize(161, 121)}) {
        for (const QString name : {"pedal.mp4", "pedal.webm"}) {
            const QString path = folder.filePath(name);
            const auto frames = MovingDiscFrames(size, true);
            Write(path, VideoFormatOf(path), frames);
            const auto decoded = DecodedFrames(path);
            ASSERT_EQ(decoded.size(), frames.size()) << name.toStdString();
            for (size_t i = 0; i < frames.size(); ++i) {
                ASSERT_EQ(decoded[i].size(), size + QSize(size.width() % 2, size.height() % 2));
                EXPECT_GE(Psnr(decoded[i].copy(QRect(QPoint(), size)), frames[i]), 35)
                    << name.toStdString() << " frame " << i;
            }
            const auto times = FrameTimes(path);
            ASSERT_EQ(times.size(), frames.size());
            EXPECT_NEAR(times.back() - times.front(), 11 / 25.0, 0.002) << name.toStdString();
        }
    }
}

TEST(VideoFile, GifOfManyColoursStillWrites)
{
    QImage gradient(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < gradient.height(); ++y)
        for (int x = 0; x < gradient.width(); ++x)
            gradient.setPixel(x, y, qRgb(4 * x, 5 * y, 255 - 2 * x));
    QTemporaryDir folder;
    const QString path = folder.filePath("gradient.gif");
    Write(path, VideoFormat::Gif, {gradient, gradient.mirrored(), gradient});
    const auto decoded = DecodedFrames(path);
    ASSERT_EQ(decoded.size(), 3u);
    EXPECT_EQ(decoded[0].size(), gradient.size());
}

TEST(VideoFile, CancelledWriterLeavesNoFileAndTheOlderOneUnchanged)
{
    QTemporaryDir folder;
    const QString olderPath = folder.filePath("older.mp4");
    ASSERT_TRUE(WriteOlder(olderPath));
    const auto frames = MovingDiscFrames(QSize(64, 48), true);
    for (const QString name : {"older.mp4", "new.webm", "new.gif"}) {
        VideoWriter writer(folder.filePath(name), VideoSettings{QSize(64, 48), 25, VideoFormatOf(name)});
        writer.Add(frames[0]);
        writer.Add(frames[1]);
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"older.mp4"});
    QFile older(olderPath);
    ASSERT_TRUE(older.open(QIODevice::ReadOnly));
    EXPECT_EQ(older.readAll(), QByteArray("an older animation"));
}

TEST(VideoFile, BadInputGivesOneClearMessage)
{
    QTemporaryDir folder;
    EXPECT_EQ(MessageOf<std::invalid_argument>([] { VideoFormatOf("/tmp/clip.avi"); }),
              "'clip.avi' is not an animation file: use .mp4, .webm or .gif");
    const QString lost = folder.filePath("no such folder/pedal.mp4");
    EXPECT_TRUE(
        Mentions(MessageOf<std::runtime_error>([&] { VideoWriter(lost, VideoSettings{QSize(64, 48)}); }), "folder"));
    const QString path = folder.filePath("pedal.gif");
    EXPECT_TRUE(Mentions(MessageOf<std::invalid_argument>([&] {
                             VideoWriter(path, VideoSettings{QSize(1, 48), 25, VideoFormat::Gif});
                         }),
                         "not 1x48"));
    VideoWriter writer(path, VideoSettings{QSize(64, 48), 25, VideoFormat::Gif});
    EXPECT_TRUE(
        Mentions(MessageOf<std::invalid_argument>([&] { writer.Add(QImage(10, 10, QImage::Format_RGB32)); }), "10x10"));
    EXPECT_TRUE(Mentions(MessageOf<std::logic_error>([&] { writer.Finish(); }), "at least one frame"));
    EXPECT_EQ(writer.FramesWritten(), 0);
}

#pragma once

#include <QSize>
#include <QString>
#include <memory>

class QImage;

enum class VideoFormat { Mp4, WebM, Gif };

// The format named by a file's suffix (.mp4, .webm, .gif, in any case); throws
// std::invalid_argument for any other name.
VideoFormat VideoFormatOf(const QString &path);

struct VideoSettings {
    QSize size;  // 2 to 8192 pixels each way
    int framesPerSecond = 25;
    VideoFormat format = VideoFormat::Mp4;
};

// Writes an animation that appears whole or not at all: the frames go to a file
// beside the final one, which Finish() renames over the final path. A writer
// destroyed before Finish() removes that file, so an older animation of the same
// name survives every failure and every cancel.
//
// MP4 (H.264) and WebM (VP9) hold yuv420p pictures, which need an even width and
// height: an odd size is written one pixel wider or higher, its last column or row
// repeated. A GIF frame keeps its own colours exactly when it has at most 256 of
// them; a frame with more is drawn in its 256 commonest colours.
class VideoWriter {
public:
    // Throws std::invalid_argument for a size or frame rate out of range and
    // std::runtime_error when the file cannot be written.
    VideoWriter(const QString &path, const VideoSettings &settings);
    ~VideoWriter();
    VideoWriter(const VideoWriter &) = delete;
    VideoWriter &operator=(const VideoWriter &) = delete;

    // Any QImage format; throws std::invalid_argument unless the frame is settings.size.
    void Add(const QImage &frame);
    // Throws std::logic_error when no frame was added.
    void Finish();
    int FramesWritten() const { return framesWritten; }

private:
    struct Output;
    std::unique_ptr<Output> output;
    QString path;
    QSize size;
    int framesWritten = 0;
};

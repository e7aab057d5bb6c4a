#include "window/VideoFile.h"

#include "window/FfmpegOwners.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>
#include <unordered_map>
#include <vector>

namespace {

constexpr int LargestSide = 8192;
constexpr int GifColours = 256;
// GIF delays are whole hundredths of a second, and viewers slow down any below two.
constexpr int FastestGif = 50;
constexpr int FastestVideo = 120;

[[noreturn]] void FailToSave(const QString &path, const QString &reason)
{
    throw std::runtime_error(
        QStringLiteral("The animation could not be saved to '%1': %2.").arg(path, reason).toStdString());
}

struct MuxerFree {
    void operator()(AVFormatContext *muxer) const
    {
        avio_closep(&muxer->pb);
        avformat_free_context(muxer);
    }
};

// An FFmpeg option list, freed on every path.
struct Options {
    AVDictionary *entries = nullptr;
    Options() = default;
    Options(const Options &) = delete;
    Options &operator=(const Options &) = delete;
    ~Options() { av_dict_free(&entries); }
    void Set(const char *key, const char *value) { av_dict_set(&entries, key, value, 0); }
};

// The file the frames go to until Finish renames it over the animation's path;
// removed unless it was renamed.
class UnfinishedFile {
public:
    explicit UnfinishedFile(const QString &target);
    ~UnfinishedFile()
    {
        if (!renamed)
            ::unlink(name.c_str());
    }
    UnfinishedFile(const UnfinishedFile &) = delete;
    UnfinishedFile &operator=(const UnfinishedFile &) = delete;
    const std::string &Name() const { return name; }
    void RenameTo(const QString &target);

private:
    std::string name;
    bool renamed = false;
};

UnfinishedFile::UnfinishedFile(const QString &target)
{
    const QFileInfo info(target);
    if (!info.absoluteDir().exists())
        FailToSave(target, QStringLiteral("the folder '%1' does not exist").arg(info.absolutePath()));
    if (info.isDir())
        FailToSave(target, QStringLiteral("that is a folder"));
    // Beside the animation, so the rename stays within one file system; the mode
    // 0666 leaves the permissions to the umask, as for any other new file.
    for (int attempt = 0; attempt < 16; ++attempt) {
        const quint32 tag = QRandomGenerator::global()->generate();
        name = QFile::encodeName(info.absoluteFilePath() +
                                 QStringLiteral(".%1.unfinished").arg(tag, 8, 16, QLatin1Char('0')))
                   .toStdString();
        const int descriptor = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0) {
            ::close(descriptor);
            return;
        }
        if (errno != EEXIST)
            FailToSave(target, qt_error_string(errno));
    }
    FailToSave(target, QStringLiteral("no free name for the file that holds it until it is complete"));
}

void UnfinishedFile::RenameTo(const QString &target)
{
    // On the disk before it takes the name, so a crash cannot leave a named but empty animation.
    const int descriptor = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
    // rename(2) replaces an older file at once: there is no moment without an animation of that name.
    if (::rename(name.c_str(), QFile::encodeName(QFileInfo(target).absoluteFilePath()).constData()) != 0)
        FailToSave(target, qt_error_string(errno));
    renamed = true;
}

QString FfmpegText(int error)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(error, text, sizeof text);
    return QString::fromUtf8(text);
}

void CheckSettings(const VideoSettings &settings)
{
    const QSize size = settings.size;
    if (size.width() < 2 || size.height() < 2 || size.width() > LargestSide || size.height() > LargestSide)
        throw std::invalid_argument(QStringLiteral("An animation's frames are 2 to %1 pixels wide and high, not %2x%3.")
                                        .arg(LargestSide)
                                        .arg(size.width())
                                        .arg(size.height())
                                        .toStdString());
    const bool gif = settings.format == VideoFormat::Gif;
    const int fastest = gif ? FastestGif : FastestVideo;
    if (settings.framesPerSecond < 1 || settings.framesPerSecond > fastest)
        throw std::invalid_argument(QStringLiteral("%1 has 1 to %2 frames a second, not %3.")
                                        .arg(gif ? QStringLiteral("A GIF animation") : QStringLiteral("An animation"))
                                        .arg(fastest)
                                        .arg(settings.framesPerSecond)
                                        .toStdString());
}

// yuv420p holds one colour for each 2x2 pixels, so its sides are even.
QSize CodedSize(QSize size, VideoFormat format)
{
    if (format == VideoFormat::Gif)
        return size;
    return QSize(size.width() + size.width() % 2, size.height() + size.height() % 2);
}

// An odd side grows by one pixel: the last column or row is repeated.
QImage PaddedTo(const QImage &rgb, QSize size)
{
    if (rgb.size() == size)
        return rgb;
    QImage padded(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(rgb.constScanLine(std::min(y, rgb.height() - 1)));
        auto *to = reinterpret_cast<QRgb *>(padded.scanLine(y));
        std::copy(from, from + rgb.width(), to);
        to[size.width() - 1] = from[rgb.width() - 1];
    }
    return padded;
}

const char *MuxerName(VideoFormat format)
{
    return format == VideoFormat::Gif ? "gif" : format == VideoFormat::WebM ? "webm" : "mp4";
}

// libx264 and libvpx-vp9 by name, as FFmpeg may prefer another encoder of the same kind.
const AVCodec *EncoderFor(VideoFormat format)
{
    if (format == VideoFormat::Gif)
        return avcodec_find_encoder(AV_CODEC_ID_GIF);
    const bool webm = format == VideoFormat::WebM;
    const AVCodec *preferred = avcodec_find_encoder_by_name(webm ? "libvpx-vp9" : "libx264");
    return preferred ? preferred : avcodec_find_encoder(webm ? AV_CODEC_ID_VP9 : AV_CODEC_ID_H264);
}

// Thin coloured lines on white lose more to yuv420p's one colour for 2x2 pixels than
// to these qualities, and 10 s at 800x450 encode in a few seconds.
void SetEncoderOptions(VideoFormat format, Options &options)
{
    switch (format) {
    case VideoFormat::WebM:
        options.Set("crf", "26");
        options.Set("deadline", "good");
        options.Set("cpu-used", "2");
        options.Set("row-mt", "1");
        break;
    case VideoFormat::Gif:
        // Whole frames only: the encoder compares a frame with the one before by palette
        // index, which goes wrong where the two frames' palettes differ.
        options.Set("gifflags", "0");
        break;
    default:
        options.Set("preset", "medium");
        options.Set("crf", "18");
    }
}

void SetMuxerOptions(VideoFormat format, Options &options)
{
    if (format == VideoFormat::Mp4)
        options.Set("movflags", "+faststart");  // a browser plays it before it has all of it
    if (format == VideoFormat::Gif)
        options.Set("loop", "0");  // forever
}

// Players read the colours as BT.709 from these tags; untagged, some guess BT.601
// and shift every line's colour.
void TagColours(AVCodecContext *codec, SwsContext *scaler)
{
    codec->colorspace = AVCOL_SPC_BT709;
    codec->color_primaries = AVCOL_PRI_BT709;
    codec->color_trc = AVCOL_TRC_BT709;
    codec->color_range = AVCOL_RANGE_MPEG;
    const int *bt709 = sws_getCoefficients(SWS_CS_ITU709);
    sws_setColorspaceDetails(scaler, bt709, 1, bt709, 0, 0, 1 << 16, 1 << 16);
}

std::unordered_map<QRgb, int> ColourCounts(const QImage &rgb)
{
    std::unordered_map<QRgb, int> counts;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0, run = 1; x < rgb.width(); x += run) {
            for (run = 1; x + run < rgb.width() && line[x + run] == line[x];)
                ++run;
            counts[line[x] | 0xff000000u] += run;
        }
    }
    return counts;
}

// A GIF frame's palette: its colours, the commonest first, at most 256 of them.
std::vector<QRgb> CommonestColours(const QImage &rgb)
{
    const auto counts = ColourCounts(rgb);
    std::vector<std::pair<QRgb, int>> colours(counts.begin(), counts.end());
    const auto commoner = [](const auto &a, const auto &b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    };
    const size_t kept = std::min<size_t>(colours.size(), GifColours);
    std::partial_sort(colours.begin(), colours.begin() + kept, colours.end(), commoner);
    std::vector<QRgb> palette(kept);
    std::transform(colours.begin(), colours.begin() + kept, palette.begin(), [](const auto &c) { return c.first; });
    return palette;
}

uint8_t NearestIndex(QRgb colour, const std::vector<QRgb> &palette)
{
    size_t nearest = 0;
    int nearestDistance = INT_MAX;
    for (size_t i = 0; i < palette.size(); ++i) {
        const int red = qRed(colour) - qRed(palette[i]), green = qGreen(colour) - qGreen(palette[i]);
        const int blue = qBlue(colour) - qBlue(palette[i]);
        const int distance = red * red + green * green + blue * blue;
        if (distance < nearestDistance) {
            nearest = i;
            nearestDistance = distance;
        }
    }
    return uint8_t(nearest);
}

// Opaque everywhere: the encoder takes an entry with alpha below 128 as transparent.
// The unused entries repeat the first colour, and the encoder leaves repeats out.
void WritePalette(const std::vector<QRgb> &palette, AVFrame *frame)
{
    auto *entries = reinterpret_cast<uint32_t *>(frame->data[1]);
    std::fill(entries, entries + GifColours, palette.front());
    std::copy(palette.begin(), palette.end(), entries);
}

// Fills a PAL8 frame: its palette (data[1]) holds the picture's colours, all of them
// when there are at most 256, so that the GIF shows the picture exactly; any other
// colour is drawn in its nearest one.
void FillIndexed(const QImage &rgb, AVFrame *frame)
{
    const std::vector<QRgb> palette = CommonestColours(rgb);
    WritePalette(palette, frame);
    std::unordered_map<QRgb, uint8_t> indexOf;
    for (size_t i = 0; i < palette.size(); ++i)
        indexOf.emplace(palette[i], uint8_t(i));
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        uint8_t *indices = frame->data[0] + y * frame->linesize[0];
        QRgb lastColour = 0;  // no opaque colour: the first pixel is looked up
        uint8_t lastIndex = 0;
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb colour = line[x] | 0xff000000u;
            if (colour != lastColour) {
                auto found = indexOf.find(colour);
                if (found == indexOf.end())
                    found = indexOf.emplace(colour, NearestIndex(colour, palette)).first;
                lastColour = colour;
                lastIndex = found->second;
            }
            indices[x] = lastIndex;
        }
    }
}

}  // namespace

VideoFormat VideoFormatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("mp4"))
        return VideoFormat::Mp4;
    if (suffix == QLatin1String("webm"))
        return VideoFormat::WebM;
    if (suffix == QLatin1String("gif"))
        return VideoFormat::Gif;
    throw std::invalid_argument(QStringLiteral("'%1' is not an animation file: use .mp4, .webm or .gif")
                                    .arg(QFileInfo(path).fileName())
                                    .toStdString());
}

// The muxer, encoder and frame of one animation. Members end in reverse order:
// the file is closed before the unfinished file is removed.
struct VideoWriter::Output {
    Output(const QString &target, const VideoSettings &settings);
    ~Output();
    void Write(const QImage &rgb, int number);
    void Finish();

private:
    void Check(int result, const char *step) const;
    void OpenEncoder(const VideoSettings &settings);
    void OpenScaler();
    void BeginFile();
    void Encode(const AVFrame *picture);

    QString path;
    VideoFormat format;
    UnfinishedFile unfinished;
    std::unique_ptr<AVFormatContext, MuxerFree> muxer;
    ffmpeg::Codec codec;
    AVStream *stream = nullptr;
    ffmpeg::Frame frame{av_frame_alloc()};
    ffmpeg::Packet packet{av_packet_alloc()};
    ffmpeg::Scaler scaler;
    bool fileBegun = false;
};

VideoWriter::Output::Output(const QString &target, const VideoSettings &settings)
    : path(target), format(settings.format), unfinished(target)
{
    if (!frame || !packet)
        throw std::bad_alloc();
    AVFormatContext *created = nullptr;
    const std::string url = "file:" + unfinished.Name();
    Check(avformat_alloc_output_context2(&created, nullptr, MuxerName(format), url.c_str()),
          "this FFmpeg has no muxer for it");
    muxer.reset(created);
    OpenEncoder(settings);
    BeginFile();
}

VideoWriter::Output::~Output()
{
    // A begun file is ended even when it is thrown away: the muxer frees what it holds there.
    if (fileBegun)
        av_write_trailer(muxer.get());
}

void VideoWriter::Output::Check(int result, const char *step) const
{
    if (result < 0)
        FailToSave(path, QStringLiteral("%1 (%2)").arg(QLatin1String(step), FfmpegText(result)));
}

void VideoWriter::Output::OpenEncoder(const VideoSettings &settings)
{
    const AVCodec *encoder = EncoderFor(format);
    if (!encoder)
        FailToSave(path, QStringLiteral("this FFmpeg has no %1 encoder").arg(QLatin1String(MuxerName(format))));
    codec.reset(avcodec_alloc_context3(encoder));
    if (!codec)
        throw std::bad_alloc();
    const QSize coded = CodedSize(settings.size, format);
    codec->width = coded.width();
    codec->height = coded.height();
    codec->time_base = AVRational{1, settings.framesPerSecond};
    codec->framerate = AVRational{settings.framesPerSecond, 1};
    codec->pix_fmt = format == VideoFormat::Gif ? AV_PIX_FMT_PAL8 : AV_PIX_FMT_YUV420P;
    codec->bit_rate = 0;      // the quality decides the size
    codec->thread_count = 0;  // as many as the machine has
    if (format != VideoFormat::Gif)
        OpenScaler();
    if (muxer->oformat->flags & AVFMT_GLOBALHEADER)
        codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    Options options;
    SetEncoderOptions(format, options);
    Check(avcodec_open2(codec.get(), encoder, &options.entries), "the encoder did not start");
    frame->format = codec->pix_fmt;
    frame->width = codec->width;
    frame->height = codec->height;
    Check(av_frame_get_buffer(frame.get(), 0), "no memory for a frame");
}

void VideoWriter::Output::OpenScaler()
{
    scaler.reset(sws_getContext(codec->width, codec->height, AV_PIX_FMT_RGB32, codec->width, codec->height,
                                AV_PIX_FMT_YUV420P, SWS_BICUBIC | SWS_ACCURATE_RND, nullptr, nullptr, nullptr));
    if (!scaler)
        FailToSave(path, QStringLiteral("no conversion of its pictures to yuv420p"));
    TagColours(codec.get(), scaler.get());
}

void VideoWriter::Output::BeginFile()
{
    stream = avformat_new_stream(muxer.get(), nullptr);
    if (!stream)
        throw std::bad_alloc();
    stream->time_base = codec->time_base;
    Check(avcodec_parameters_from_context(stream->codecpar, codec.get()), "the encoder's settings do not fit the file");
    Check(avio_open(&muxer->pb, muxer->url, AVIO_FLAG_WRITE), "the file could not be opened");
    Options options;
    SetMuxerOptions(format, options);
    Check(avformat_write_header(muxer.get(), &options.entries), "the file's header could not be written");
    fileBegun = true;
}

void VideoWriter::Output::Write(const QImage &rgb, int number)
{
    // The encoder may still hold the last frame: writing into it needs a buffer of our own.
    Check(av_frame_make_writable(frame.get()), "no memory for a frame");
    if (format == VideoFormat::Gif) {
        FillIndexed(rgb, frame.get());
    } else {
        const QImage padded = PaddedTo(rgb, QSize(frame->width, frame->height));
        const uint8_t *const lines[] = {padded.constBits()};
        const int strides[] = {int(padded.bytesPerLine())};
        sws_scale(scaler.get(), lines, strides, 0, padded.height(), frame->data, frame->linesize);
    }
    frame->pts = number;
    Encode(frame.get());
}

// Sends one frame (none: the end) and writes every packet the encoder has ready.
void VideoWriter::Output::Encode(const AVFrame *picture)
{
    Check(avcodec_send_frame(codec.get(), picture), "the encoder took no frame");
    for (;;) {
        const int received = avcodec_receive_packet(codec.get(), packet.get());
        if (received == AVERROR(EAGAIN) || received == AVERROR_EOF)
            return;
        Check(received, "the encoder failed");
        if (packet->duration == 0)
            packet->duration = 1;  // the last frame's time on screen
        av_packet_rescale_ts(packet.get(), codec->time_base, stream->time_base);
        packet->stream_index = stream->index;
        Check(av_interleaved_write_frame(muxer.get(), packet.get()), "a frame could not be written");
    }
}

void VideoWriter::Output::Finish()
{
    Encode(nullptr);
    fileBegun = false;
    Check(av_write_trailer(muxer.get()), "the file could not be completed");
    Check(avio_closep(&muxer->pb), "the file could not be closed");
    unfinished.RenameTo(path);
}

VideoWriter::VideoWriter(const QString &target, const VideoSettings &settings) : path(target), size(settings.size)
{
    CheckSettings(settings);
    av_log_set_level(AV_LOG_ERROR);  // the encoders' statistics are no concern of the user
    output = std::make_unique<Output>(target, settings);
}

VideoWriter::~VideoWriter() = default;

void VideoWriter::Add(const QImage &frame)
{
    if (!output)
        throw std::logic_error("The animation is already finished.");
    if (frame.size() != size)
        throw std::invalid_argument(QStringLiteral("The frame is %1x%2 pixels, but the animation's frames are %3x%4.")
                                        .arg(frame.width())
                                        .arg(frame.height())
                                        .arg(size.width())
                                        .arg(size.height())
                                        .toStdString());
    output->Write(frame.convertToFormat(QImage::Format_RGB32), framesWritten);
    ++framesWritten;
}

void VideoWriter::Finish()
{
    if (!output)
        throw std::logic_error("The animation is already finished.");
    if (framesWritten == 0)
        throw std::logic_error("An animation needs at least one frame.");
    output->Finish();
    output.reset();
}

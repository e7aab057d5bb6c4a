#include "window/VideoDecode.h"

#include <QFile>
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>

#include "window/FfmpegOwners.h"

namespace {

struct InputFree {
    void operator()(AVFormatContext *input) const { avformat_close_input(&input); }
};

void Check(int result, const char *step)
{
    if (result < 0)
        throw std::runtime_error(std::string("Decoding failed: ") + step);
}

// RGB32 as the file means it: the matrix and range its frames are tagged with.
QImage ToRgb(const AVFrame *frame)
{
    const auto format = AVPixelFormat(frame->format);
    ffmpeg::Scaler scaler(sws_getContext(frame->width, frame->height, format, frame->width, frame->height,
                                         AV_PIX_FMT_RGB32, SWS_BICUBIC | SWS_ACCURATE_RND, nullptr, nullptr, nullptr));
    if (!scaler)
        throw std::runtime_error("Decoding failed: no conversion to RGB");
    const int space = frame->colorspace == AVCOL_SPC_UNSPECIFIED ? SWS_CS_DEFAULT : int(frame->colorspace);
    const int *table = sws_getCoefficients(space);
    sws_setColorspaceDetails(scaler.get(), table, frame->color_range == AVCOL_RANGE_JPEG, table, 1, 0, 1 << 16,
                             1 << 16);
    QImage rgb(frame->width, frame->height, QImage::Format_RGB32);
    uint8_t *const lines[] = {rgb.bits()};
    const int strides[] = {int(rgb.bytesPerLine())};
    sws_scale(scaler.get(), frame->data, frame->linesize, 0, frame->height, lines, strides);
    return rgb;
}

void ReceiveFrames(AVCodecContext *codec, AVFrame *frame, std::vector<QImage> &frames)
{
    for (;;) {
        const int received = avcodec_receive_frame(codec, frame);
        if (received == AVERROR(EAGAIN) || received == AVERROR_EOF)
            return;
        Check(received, "a frame");
        frames.push_back(ToRgb(frame));
        av_frame_unref(frame);
    }
}

std::unique_ptr<AVFormatContext, InputFree> OpenInput(const QString &path)
{
    AVFormatContext *opened = nullptr;
    Check(avformat_open_input(&opened, QFile::encodeName(path).constData(), nullptr, nullptr), "open");
    std::unique_ptr<AVFormatContext, InputFree> input(opened);
    Check(avformat_find_stream_info(input.get(), nullptr), "stream info");
    return input;
}

}  // namespace

std::vector<QImage> DecodedFrames(const QString &path)
{
    const auto input = OpenInput(path);
    const AVCodec *decoder = nullptr;
    const int stream = av_find_best_stream(input.get(), AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0);
    Check(stream, "no video stream");
    ffmpeg::Codec codec(avcodec_alloc_context3(decoder));
    Check(avcodec_parameters_to_context(codec.get(), input->streams[stream]->codecpar), "parameters");
    Check(avcodec_open2(codec.get(), decoder, nullptr), "decoder");
    ffmpeg::Packet packet(av_packet_alloc());
    ffmpeg::Frame frame(av_frame_alloc());
    std::vector<QImage> frames;
    while (av_read_frame(input.get(), packet.get()) >= 0) {
        const int sent = packet->stream_index == stream ? avcodec_send_packet(codec.get(), packet.get()) : 0;
        av_packet_unref(packet.get());
        Check(sent, "a packet");
        ReceiveFrames(codec.get(), frame.get(), frames);
    }
    Check(avcodec_send_packet(codec.get(), nullptr), "the end");
    ReceiveFrames(codec.get(), frame.get(), frames);
    return frames;
}

std::vector<double> FrameTimes(const QString &path)
{
    const auto input = OpenInput(path);
    ffmpeg::Packet packet(av_packet_alloc());
    std::vector<double> times;
    while (av_read_frame(input.get(), packet.get()) >= 0) {
        times.push_back(double(packet->pts) * av_q2d(input->streams[packet->stream_index]->time_base));
        av_packet_unref(packet.get());
    }
    std::sort(times.begin(), times.end());  // B-frames come before the frames they follow
    return times;
}

double Psnr(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        throw std::invalid_argument("Pictures of two sizes have no PSNR");
    const QImage first = a.convertToFormat(QImage::Format_RGB32), second = b.convertToFormat(QImage::Format_RGB32);
    double squares = 0;
    for (int y = 0; y < first.height(); ++y) {
        const auto *one = reinterpret_cast<const QRgb *>(first.constScanLine(y));
        const auto *other = reinterpret_cast<const QRgb *>(second.constScanLine(y));
        for (int x = 0; x < first.width(); ++x) {
            const int red = qRed(one[x]) - qRed(other[x]), green = qGreen(one[x]) - qGreen(other[x]);
            const int blue = qBlue(one[x]) - qBlue(other[x]);
            squares += red * red + green * green + blue * blue;
        }
    }
    if (squares == 0)
        return std::numeric_limits<double>::infinity();
    const double meanSquare = squares / (3.0 * first.width() * first.height());
    return 10 * std::log10(255.0 * 255.0 / meanSquare);
}

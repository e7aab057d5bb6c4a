#pragma once

#include <QImage>
#include <QString>
#include <vector>

// Every frame of an animation file (MP4, WebM or GIF) as RGB32 pictures, read back
// through FFmpeg; throws std::runtime_error where the file cannot be read.
std::vector<QImage> DecodedFrames(const QString &path);

// When each frame is shown, in seconds from the start, in order.
std::vector<double> FrameTimes(const QString &path);

// Peak signal-to-noise ratio in dB over the red, green and blue of two pictures of
// one size; infinity for equal pictures. Throws std::invalid_argument for two sizes.
double Psnr(const QImage &a, const QImage &b);

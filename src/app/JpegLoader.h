// Decoding JPEG picture files with libjpeg.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace kalvora::app {

// The largest picture accepted, in pixels; a header that claims more is treated as corrupt so
// that a damaged file cannot make the program allocate gigabytes.
constexpr qint64 kMaxJpegPixels = 64LL * 1024 * 1024;

// Decodes a JPEG held in memory. A corrupt, truncated or unsupported picture gives a null image;
// libjpeg's own error exit is caught, so no input can end the program.
QImage DecodeJpeg(const QByteArray& bytes);

// Reads and decodes a JPEG file; a missing or unreadable file gives a null image.
QImage LoadJpeg(const QString& path);

}  // namespace kalvora::app

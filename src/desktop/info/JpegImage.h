// Picture files of the program: JPEG through libjpeg, everything else (the .bmp body pictures)
// through QImage. A file that is missing, unreadable, corrupt or cut short gives a null image, so
// a window shows it exactly as if the file were not there.
#pragma once

#include <QImage>
#include <QString>

namespace kalvora {

// Decodes a JPEG file into an RGB image. Any libjpeg error or warning (a damaged or truncated
// file) gives a null image; nothing is printed.
QImage LoadJpegImage(const QString& path);

// Decodes JPEG bytes already in memory, with the same rules.
QImage DecodeJpegImage(const QByteArray& bytes);

// Reads a picture file's bytes through the program's file module: a regular file of at most
// 64 MB. Anything else at that name (a pipe, a folder, a device) is skipped with one line on
// standard error; a missing file silently.
bool ReadPictureBytes(const QString& path, QByteArray* bytes);

// Loads a picture file by its extension: ".jpg"/".jpeg" through libjpeg, others through QImage.
QImage LoadPictureFile(const QString& path);

}  // namespace kalvora

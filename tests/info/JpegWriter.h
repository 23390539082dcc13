// Writes small JPEG images with libjpeg, so the tests can put picture files into a folder.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace kalvora::testing {

enum class JpegKind { Rgb, Grey, Cmyk, Progressive };

// A width x height picture filled with one colour.
inline QByteArray MakeJpeg(int width, int height, QColor colour, JpegKind kind = JpegKind::Rgb) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    switch (kind) {
        case JpegKind::Rgb:
        case JpegKind::Progressive:
            cinfo.input_components = 3;
            cinfo.in_color_space = JCS_RGB;
            break;
        case JpegKind::Grey:
            cinfo.input_components = 1;
            cinfo.in_color_space = JCS_GRAYSCALE;
            break;
        case JpegKind::Cmyk:
            cinfo.input_components = 4;
            cinfo.in_color_space = JCS_CMYK;
            break;
    }
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    if (kind == JpegKind::Progressive) {
        jpeg_simple_progression(&cinfo);
    }
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(width * cinfo.input_components));
    for (int x = 0; x < width; ++x) {
        unsigned char* px = &row[static_cast<std::size_t>(x * cinfo.input_components)];
        if (cinfo.input_components == 3) {
            px[0] = static_cast<unsigned char>(colour.red());
            px[1] = static_cast<unsigned char>(colour.green());
            px[2] = static_cast<unsigned char>(colour.blue());
        } else if (kind == JpegKind::Grey) {
            px[0] = static_cast<unsigned char>(qGray(colour.rgb()));
        } else {  // inverted CMYK (255 = no ink) behind an Adobe marker, as Photoshop writes
            px[0] = static_cast<unsigned char>(colour.red());
            px[1] = static_cast<unsigned char>(colour.green());
            px[2] = static_cast<unsigned char>(colour.blue());
            px[3] = 255;
        }
    }
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW rowPointer = row.data();
        jpeg_write_scanlines(&cinfo, &rowPointer, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return bytes;
}

inline bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

}  // namespace kalvora::testing

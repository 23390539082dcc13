#include "app/JpegLoader.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>
#include <vector>

// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>

namespace kalvora::app {

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return; it jumps back
// into DecodeJpeg instead of ending the program.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

[[noreturn]] void OnError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    std::longjmp(err->jump, 1);
}

// Warnings (corrupt data, premature end of file) are counted by libjpeg; nothing is printed.
void OnMessage(j_common_ptr cinfo, int level) {
    if (level < 0) ++cinfo->err->num_warnings;
}

void Silent(j_common_ptr) {}

// Adobe writes CMYK JPEGs inverted; libjpeg hands the values back as stored.
QRgb CmykToRgb(const JSAMPLE* p, bool inverted) {
    int c = p[0], m = p[1], y = p[2], k = p[3];
    if (!inverted) {
        c = 255 - c;
        m = 255 - m;
        y = 255 - y;
        k = 255 - k;
    }
    return qRgb(c * k / 255, m * k / 255, y * k / 255);
}

// Everything that holds resources lives outside the setjmp frame so that a longjmp leaves no
// object with a destructor half-run.
struct Decoder {
    jpeg_decompress_struct cinfo{};
    ErrorManager err{};
    QImage image;
    std::vector<JSAMPLE> row;
};

bool Decode(Decoder& d, const QByteArray& bytes) {
    d.cinfo.err = jpeg_std_error(&d.err.pub);
    d.err.pub.error_exit = OnError;
    d.err.pub.emit_message = OnMessage;
    d.err.pub.output_message = Silent;
    if (setjmp(d.err.jump)) return false;

    jpeg_create_decompress(&d.cinfo);
    jpeg_mem_src(&d.cinfo, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&d.cinfo, TRUE) != JPEG_HEADER_OK) return false;
    const qint64 pixels = qint64(d.cinfo.image_width) * qint64(d.cinfo.image_height);
    if (pixels <= 0 || pixels > kMaxJpegPixels) return false;

    const bool cmyk = d.cinfo.jpeg_color_space == JCS_CMYK || d.cinfo.jpeg_color_space == JCS_YCCK;
    d.cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&d.cinfo);
    const int width = int(d.cinfo.output_width);
    const int height = int(d.cinfo.output_height);
    const int components = d.cinfo.output_components;
    if ((cmyk && components != 4) || (!cmyk && components != 3)) return false;

    d.image = QImage(width, height, QImage::Format_RGB32);
    if (d.image.isNull()) return false;
    d.row.resize(std::size_t(width) * std::size_t(components));
    const bool inverted = d.cinfo.saw_Adobe_marker;
    while (d.cinfo.output_scanline < d.cinfo.output_height) {
        JSAMPROW rows[1] = {d.row.data()};
        const int y = int(d.cinfo.output_scanline);
        if (jpeg_read_scanlines(&d.cinfo, rows, 1) != 1) return false;
        auto* out = reinterpret_cast<QRgb*>(d.image.scanLine(y));
        const JSAMPLE* p = d.row.data();
        for (int x = 0; x < width; ++x, p += components) {
            out[x] = cmyk ? CmykToRgb(p, inverted) : qRgb(p[0], p[1], p[2]);
        }
    }
    jpeg_finish_decompress(&d.cinfo);
    // A truncated or damaged stream is only warned about by libjpeg, which then fills the
    // rest of the picture with grey; such a picture is not shown.
    return d.err.pub.num_warnings == 0;
}

}  // namespace

QImage DecodeJpeg(const QByteArray& bytes) {
    if (bytes.isEmpty()) return {};
    Decoder d;
    const bool ok = Decode(d, bytes);
    jpeg_destroy_decompress(&d.cinfo);
    return ok ? d.image : QImage();
}

QImage LoadJpeg(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return DecodeJpeg(file.readAll());
}

}  // namespace kalvora::app

#include "desktop/info/JpegImage.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <csetjmp>
#include <cstdio>  // jpeglib.h uses FILE without including it

#include "engine/files/DiskFiles.h"
#include "engine/files/FileErrors.h"

#include <jpeglib.h>

namespace kalvora {
namespace {

// Picture files are a few hundred kilobytes; anything far larger is not one of ours.
constexpr std::size_t kMaxFileBytes = 64 * 1024 * 1024;
constexpr unsigned long long kMaxPixels = 50ULL * 1000 * 1000;
// A progressive picture comes in a few scans, each refining the whole picture; a file made of
// thousands of them keeps the decoder busy for minutes. Both the scans and the work they make
// (pixels times scans) are limited; a picture beyond either is not shown.
constexpr int kMaxScans = 100;
constexpr unsigned long long kMaxWork = 400ULL * 1000 * 1000;

struct ErrorManager {
    jpeg_error_mgr pub;  // first, so that libjpeg's pointer is also ours
    std::jmp_buf jump;
};

[[noreturn]] void ErrorExit(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    std::longjmp(err->jump, 1);
}

// Warnings (level -1) mean damaged data, such as a file cut short or a scan that repeats
// another: the picture is refused at once, before more work goes into it. Nothing is printed.
void EmitMessage(j_common_ptr cinfo, int level) {
    if (level < 0) {
        ++cinfo->err->num_warnings;
        (*cinfo->err->error_exit)(cinfo);
    }
}

// Called by libjpeg between pieces of work; stops a picture of too many scans.
void WatchScans(j_common_ptr cinfo) {
    const auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    const unsigned long long pixels =
        static_cast<unsigned long long>(d->image_width) * d->image_height;
    const auto scans = static_cast<unsigned long long>(d->input_scan_number);
    if (d->input_scan_number > kMaxScans || pixels * scans > kMaxWork) {
        (*cinfo->err->error_exit)(cinfo);
    }
}

void OutputMessage(j_common_ptr) {}

unsigned char Ink(int value, int black) {
    return static_cast<unsigned char>(value * black / 255);
}

// All libjpeg calls happen in this frame. Only trivially destructible objects are declared in
// it, so jumping back from the error handler skips no destructor; the image is the caller's.
bool Decode(const unsigned char* data, unsigned long size, QImage* out) {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = ErrorExit;
    err.pub.emit_message = EmitMessage;
    err.pub.output_message = OutputMessage;
    cinfo.mem = nullptr;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_progress_mgr progress{};
    progress.progress_monitor = WatchScans;
    cinfo.progress = &progress;
    jpeg_mem_src(&cinfo, data, size);
    jpeg_read_header(&cinfo, TRUE);

    const unsigned long long pixels =
        static_cast<unsigned long long>(cinfo.image_width) * cinfo.image_height;
    if (pixels == 0 || pixels > kMaxPixels || err.pub.num_warnings > 0) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    // Printing-press JPEGs hold CMYK; libjpeg cannot turn that into RGB itself.
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&cinfo);

    const int width = static_cast<int>(cinfo.output_width);
    const int height = static_cast<int>(cinfo.output_height);
    *out = QImage(width, height, QImage::Format_RGB888);
    if (out->isNull()) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    JSAMPARRAY cmykRow = nullptr;
    if (cmyk) {
        cmykRow = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                             cinfo.output_width * 4, 1);
    }
    // Adobe writes CMYK inverted (255 means no ink).
    const bool inverted = cinfo.saw_Adobe_marker != 0;
    while (cinfo.output_scanline < cinfo.output_height) {
        uchar* line = out->scanLine(static_cast<int>(cinfo.output_scanline));
        if (!cmyk) {
            JSAMPROW row = line;
            jpeg_read_scanlines(&cinfo, &row, 1);
            continue;
        }
        jpeg_read_scanlines(&cinfo, cmykRow, 1);
        const unsigned char* in = cmykRow[0];
        for (int x = 0; x < width; ++x, in += 4) {
            const int c = inverted ? in[0] : 255 - in[0];
            const int m = inverted ? in[1] : 255 - in[1];
            const int y = inverted ? in[2] : 255 - in[2];
            const int k = inverted ? in[3] : 255 - in[3];
            line[3 * x] = Ink(c, k);
            line[3 * x + 1] = Ink(m, k);
            line[3 * x + 2] = Ink(y, k);
        }
    }
    jpeg_finish_decompress(&cinfo);
    const bool damaged = err.pub.num_warnings > 0;
    jpeg_destroy_decompress(&cinfo);
    return !damaged;
}

}  // namespace

QImage DecodeJpegImage(const QByteArray& bytes) {
    if (bytes.isEmpty()) {
        return QImage();
    }
    QImage image;
    if (!Decode(reinterpret_cast<const unsigned char*>(bytes.constData()),
                static_cast<unsigned long>(bytes.size()), &image)) {
        return QImage();
    }
    return image;
}

QImage LoadJpegImage(const QString& path) {
    QByteArray bytes;
    if (!ReadPictureBytes(path, &bytes)) return QImage();
    return DecodeJpegImage(bytes);
}

bool ReadPictureBytes(const QString& path, QByteArray* bytes) {
    const std::string name = QFile::encodeName(path).toStdString();
    std::string content;
    const FileResult read = ReadRegularFile(name, kMaxFileBytes, &content);
    if (!read) {
        // A missing picture is no fault; anything else in its place is worth one line.
        if (KindOf(name) != PathKind::Missing) {
            std::fprintf(stderr, "kalvora: картинка «%s» пропущена: %s\n", ShownPath(name).c_str(),
                         read.reason.c_str());
        }
        return false;
    }
    *bytes = QByteArray(content.data(), static_cast<qsizetype>(content.size()));
    return true;
}

QImage LoadPictureFile(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) {
        return LoadJpegImage(path);
    }
    QByteArray bytes;
    if (!ReadPictureBytes(path, &bytes)) return QImage();
    const QByteArray format = suffix.toLatin1().toUpper();
    return QImage::fromData(bytes, format.isEmpty() ? nullptr : format.constData());
}

}  // namespace kalvora

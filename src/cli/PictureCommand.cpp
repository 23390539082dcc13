#include "cli/PictureCommand.h"

#include <sys/stat.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <regex>

#include "cli/CommandLineStart.h"
#include "cli/ScriptUi.h"
#include "model/CarLook.h"
#include "pictures/CarPicture.h"
#include "pricing/DiskFileAccess.h"
#include "pricing/DiskFiles.h"
#include "pricing/FileErrors.h"

namespace kalvora::cli {

namespace {

constexpr int kDefaultWidth = 800;
constexpr int kDefaultHeight = 320;
constexpr int kLargest = 4000;

int Usage(std::ostream& err, const std::string& why) {
    err << "kalvora-cli: picture: " << why << "\n"
        << "Справка: kalvora-cli --help\n";
    return 2;
}

std::optional<QSize> ParseSize(const std::string& text) {
    static const std::regex form("([0-9]{1,4})x([0-9]{1,4})");
    std::smatch m;
    if (!std::regex_match(text, m, form)) return std::nullopt;
    const int w = std::stoi(m[1]);
    const int h = std::stoi(m[2]);
    if (w < 1 || h < 1 || w > kLargest || h > kLargest) return std::nullopt;
    return QSize(w, h);
}

// Qt's own notes (such as a missing runtime folder, which the offscreen platform does not
// need) are not the command's messages; only fatal ones get through.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Qt needs an application object to draw; no window is opened.
std::unique_ptr<QGuiApplication> OffscreenApplication() {
    if (QCoreApplication::instance()) return nullptr;
    qInstallMessageHandler(QuietQtMessages);
    static int argc = 3;
    static char name[] = "kalvora-cli";
    static char option[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

// The output names the configuration file the picture is drawn from (by the same name, another
// name or a link): writing it would replace the configuration by a PNG.
bool IsSameFile(const std::string& input, const std::string& output) {
    if (output == "-") return false;
    if (input == output) return true;
    struct stat a;
    struct stat b;
    return input.find('\0') == std::string::npos && output.find('\0') == std::string::npos &&
           ::stat(input.c_str(), &a) == 0 && ::stat(output.c_str(), &b) == 0 &&
           a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

int RunPictureCommand(const std::vector<std::string>& arguments, std::ostream& out,
                      std::ostream& err) {
    std::vector<std::string> files;
    QSize size(kDefaultWidth, kDefaultHeight);
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--size") {
            if (i + 1 >= arguments.size()) return Usage(err, "после --size нужен размер ШxВ");
            const auto parsed = ParseSize(arguments[++i]);
            if (!parsed) {
                return Usage(err, "размер «" + arguments[i] +
                                      "» не подходит: нужно ШxВ, от 1x1 до 4000x4000");
            }
            size = *parsed;
        } else {
            files.push_back(arguments[i]);
        }
    }
    if (files.size() != 2) return Usage(err, "нужны код или файл конфигурации и имя файла PNG");

    if (IsSameFile(files[0], files[1])) {
        err << "kalvora-cli: picture: "
            << EscapeLine(SaveFailedMessage(files[1], "это входной файл команды")) << '\n';
        return 1;
    }
    DiskFileAccess access;
    CommandLineStart start(files[0], access);
    if (!start.Error().empty()) {
        err << "kalvora-cli: " << EscapeLine(files[0]) << ": " << EscapeLine(start.Error()) << '\n';
        return 1;
    }
    const CarLook look = LookOf(start.Config());

    const auto application = OffscreenApplication();
    const QImage image = pictures::RenderCar(look, size);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "PNG")) {
        err << "kalvora-cli: picture: не удалось нарисовать автомобиль\n";
        return 1;
    }
    const std::string_view bytes(png.constData(), static_cast<std::size_t>(png.size()));
    if (files[1] == "-") {
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            err << "kalvora-cli: " << OutputFailed(errno) << '\n';
            return 1;
        }
        return 0;
    }
    // Written as a configuration is saved: a temporary file renamed over the target, so the
    // previous picture stays whole whatever happens to the write.
    if (const FileResult written = WriteFileAtomically(files[1], bytes); !written) {
        err << "kalvora-cli: " << EscapeLine(SaveFailedMessage(files[1], written.reason)) << '\n';
        return 1;
    }
    return 0;
}

}  // namespace kalvora::cli

#include "cli/PictureCommand.h"

#include <sys/stat.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <memory>
#include <optional>
#include <regex>
#include <utility>
#include <vector>

#include "cli/BatchRun.h"
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

}  // namespace

int RunPictureCommand(const std::vector<std::string>& arguments, std::istream& in,
                      std::ostream& out, std::ostream& err) {
    std::vector<OptionRule> optionRules = BatchOptionRules();
    optionRules.push_back({"--size", true});
    std::string error;
    const auto parsed = ParseArguments(arguments, optionRules, &error);
    std::optional<BatchTarget> target;
    if (parsed) target = ReadBatchTarget(*parsed, &error);
    if (!parsed || !target) return UsageError(err, "picture", error);
    QSize size(kDefaultWidth, kDefaultHeight);
    if (const auto text = parsed->Value("--size")) {
        const auto chosen = ParseSize(*text);
        if (!chosen) {
            return UsageError(err, "picture",
                              "размер «" + *text + "» не подходит: нужно ШxВ, от 1x1 до 4000x4000");
        }
        size = *chosen;
    }
    // Without --output-dir or --name: one configuration and the file to write.
    const std::vector<std::string>& operands = parsed->operands;
    if (!target->ToFiles() && operands.size() != 2) {
        return UsageError(err, "picture",
                          "нужны код или файл конфигурации и имя файла PNG (для нескольких "
                          "картинок: --output-dir ПАПКА)");
    }

    DiskFileAccess files;
    const auto application = OffscreenApplication();
    // A day's cars come in a few dozen looks: each is drawn once per run.
    std::vector<std::pair<CarLook, std::string>> drawn;
    const MakeDocument draw = [&](const std::string& input) {
        BatchDocument document;
        CommandLineStart start(input, files);
        if (!start.Error().empty()) {
            document.error = start.Error();
            return document;
        }
        document.code = start.Config().CodeFieldText();
        const CarLook look = LookOf(start.Config());
        for (const auto& [known, png] : drawn) {
            if (known == look) {
                document.bytes = png;
                return document;
            }
        }
        const QImage image = pictures::RenderCar(look, size);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (image.isNull() || !image.save(&buffer, "PNG")) {
            document.error = "не удалось нарисовать автомобиль";
        } else {
            document.bytes.assign(png.constData(), static_cast<std::size_t>(png.size()));
            drawn.emplace_back(look, document.bytes);
        }
        return document;
    };
    if (target->ToFiles()) {
        InputList inputs(operands, in);
        return RunBatch({"picture", "png"}, *target, inputs, draw, out, err, files);
    }
    if (IsSameFile(operands[0], operands[1])) {
        ReportError(err, "picture", SaveFailedMessage(operands[1], "это входной файл команды"));
        return 1;
    }
    const BatchDocument document = draw(operands[0]);
    if (!document.error.empty()) {
        ReportError(err, "picture", operands[0] + ": " + document.error);
        return 1;
    }
    if (operands[1] == "-") {
        out.write(document.bytes.data(), static_cast<std::streamsize>(document.bytes.size()));
        return Flushed(out, err, "picture", 0);
    }
    // Written as a configuration is saved: a temporary file renamed over the target, so the
    // previous picture stays whole whatever happens to the write.
    if (!files.WriteFile(operands[1], document.bytes, &error)) {
        ReportError(err, "picture", SaveFailedMessage(operands[1], error));
        return 1;
    }
    return 0;
}

}  // namespace kalvora::cli

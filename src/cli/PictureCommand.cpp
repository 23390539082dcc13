#include "cli/PictureCommand.h"

#include <QBuffer>
#include <QImage>
#include <optional>
#include <regex>
#include <utility>
#include <vector>

#include "cli/BatchRun.h"
#include "cli/CommandLineStart.h"
#include "cli/OffscreenApplication.h"
#include "engine/model/CarLook.h"
#include "desktop/pictures/CarPicture.h"
#include "engine/code/DiskFileAccess.h"

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

}  // namespace

int RunPictureCommand(const std::vector<std::string>& arguments, std::istream& in,
                      std::ostream& out, std::ostream& err) {
    int status = 0;
    const auto run = ReadDocumentRun("picture", arguments, {{"--size", true}}, err, &status,
                                     "нужны код или файл конфигурации и имя файла PNG (для "
                                     "нескольких картинок: --output-dir ПАПКА)");
    if (!run) return status;
    QSize size(kDefaultWidth, kDefaultHeight);
    if (const auto text = run->parsed.Value("--size")) {
        const auto chosen = ParseSize(*text);
        if (!chosen) {
            return UsageError(err, "picture",
                              "размер «" + *text + "» не подходит: нужно ШxВ, от 1x1 до 4000x4000");
        }
        size = *chosen;
    }

    ArgumentFiles files;
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
    return RunFileDocuments({"picture", "png"}, *run, in, draw, out, err, files);
}

}  // namespace kalvora::cli

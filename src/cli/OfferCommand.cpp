#include "cli/OfferCommand.h"

#include <QGuiApplication>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>

#include "cli/CommandLine.h"
#include "cli/CommandLineStart.h"
#include "cli/CreditCommand.h"
#include "credit/CreditCalculator.h"
#include "offer/OfferPdf.h"
#include "offer/OfferSettings.h"
#include "pricing/DiskFileAccess.h"
#include "pricing/FileErrors.h"
#include "settings/WindowSettings.h"

namespace kalvora::cli {

namespace {

// Qt's own notes are not the command's messages; only fatal ones get through.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Qt needs an application object to lay out text and draw; no window is opened.
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

// --date, else SOURCE_DATE_EPOCH, else now; on failure the message.
std::optional<OfferDate> DateOf(const std::optional<std::string>& option, std::string* problem) {
    if (option) {
        const auto date = ParseOfferDate(*option);
        if (!date) *problem = "дата «" + *option + "» не подходит: нужно ГГГГ-ММ-ДД, с 1970 года";
        return date;
    }
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch && *epoch) {
        char* end = nullptr;
        errno = 0;
        const long long seconds = std::strtoll(epoch, &end, 10);
        const auto date = *end == '\0' && errno == 0 ? OfferDateFromEpoch(seconds) : std::nullopt;
        if (!date) *problem = "SOURCE_DATE_EPOCH=«" + std::string(epoch) + "» не число секунд";
        return date;
    }
    return OfferDateFromEpoch(static_cast<std::int64_t>(std::time(nullptr)));
}

// The file name an input gets in the output folder: a file's name with ".pdf" for its
// extension, a code as it is; a name used twice gets "-2", "-3", ...
std::string OutputName(const std::string& input, std::set<std::string>* used) {
    std::string stem = input.substr(input.find_last_of('/') + 1);
    if (stem.size() > 4 && stem.compare(stem.size() - 4, 4, ".klv") == 0)
        stem.resize(stem.size() - 4);
    if (stem.empty() || stem == "." || stem == "..") stem = "offer";
    std::string name = stem + ".pdf";
    for (int n = 2; !used->insert(name).second; ++n) name = stem + "-" + std::to_string(n) + ".pdf";
    return name;
}

}  // namespace

int RunOfferCommand(const std::vector<std::string>& arguments, std::istream&, std::ostream& out,
                    std::ostream& err) {
    std::vector<OptionRule> optionRules = CreditOptionRules();
    optionRules.push_back({"--credit"});
    optionRules.push_back({"--date", true});
    optionRules.push_back({"--output-dir", true});
    std::string error;
    const auto parsed = ParseArguments(arguments, optionRules, &error);
    if (!parsed) return UsageError(err, "offer", error);
    const auto terms = ReadCreditTerms(*parsed, &error);
    if (!terms) return UsageError(err, "offer", error);
    CreditCalculator calc(',');
    terms->ApplyTo(calc);
    const bool credit = parsed->Has("--credit") || !terms->inputs.empty();
    const std::optional<std::string> dateOption = parsed->Value("--date");
    const std::optional<std::string> outputDir = parsed->Value("--output-dir");
    const std::vector<std::string>& files = parsed->operands;
    if (outputDir ? files.empty() : files.size() != 2) {
        return UsageError(err, "offer",
                          outputDir ? "не задан ни один код или файл"
                                    : "нужны код или файл конфигурации и имя файла PDF");
    }
    std::string problem;
    const std::optional<OfferDate> date = DateOf(dateOption, &problem);
    if (!date) return UsageError(err, "offer", problem);

    // Each input and where its offer goes ("-": the standard output).
    std::vector<std::pair<std::string, std::string>> jobs;
    if (outputDir) {
        std::set<std::string> used;
        const std::string folder =
            outputDir->empty() || outputDir->back() == '/' ? *outputDir : *outputDir + "/";
        // The folder is made when missing, as "mkdir -p" would; a failure shows on the first write.
        std::error_code ignored;
        std::filesystem::create_directories(*outputDir, ignored);
        for (const std::string& input : files)
            jobs.emplace_back(input, folder + OutputName(input, &used));
    } else {
        jobs.emplace_back(files[0], files[1]);
    }

    const auto application = OffscreenApplication();
    const OfferDealer dealer = ReadOfferDealer(SettingsFilePath());
    DiskFileAccess access;
    int status = 0;
    for (const auto& [input, target] : jobs) {
        bool ownInput = false;
        for (const auto& job : jobs) ownInput = ownInput || IsSameFile(job.first, target);
        if (ownInput) {
            ReportError(err, "offer", SaveFailedMessage(target, "это входной файл команды"));
            status = 1;
            continue;
        }
        CommandLineStart start(input, access);
        if (!start.Error().empty()) {
            ReportError(err, "offer", input + ": " + start.Error());
            status = 1;
            continue;
        }
        const std::optional<Offer> offer =
            MakeOffer(start.Config(), dealer, *date, credit ? &calc : nullptr);
        const QByteArray pdf = offer ? offer::OfferPdf(*offer, *date) : QByteArray();
        if (pdf.isEmpty()) {
            ReportError(err, "offer", input + ": не удалось составить предложение");
            status = 1;
            continue;
        }
        if (target == "-") {
            out.write(pdf.constData(), pdf.size());
            if (Flushed(out, err, "offer") != 0) return 1;
            continue;
        }
        if (!access.WriteFile(target, pdf.toStdString(), &error)) {
            ReportError(err, "offer", SaveFailedMessage(target, error));
            status = 1;
        }
    }
    return status;
}

}  // namespace kalvora::cli

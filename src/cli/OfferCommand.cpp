#include "cli/OfferCommand.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <optional>

#include "cli/BatchRun.h"
#include "cli/CommandLineStart.h"
#include "cli/CreditCommand.h"
#include "cli/OffscreenApplication.h"
#include "engine/credit/CreditCalculator.h"
#include "desktop/offer/OfferPdf.h"
#include "desktop/offer/OfferSettings.h"
#include "engine/code/DiskFileAccess.h"
#include "desktop/settings/WindowSettings.h"

namespace kalvora::cli {

namespace {

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

}  // namespace

int RunOfferCommand(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                    std::ostream& err) {
    std::vector<OptionRule> optionRules = CreditOptionRules();
    optionRules.push_back({"--credit"});
    optionRules.push_back({"--date", true});
    int status = 0;
    const auto run = ReadDocumentRun("offer", arguments, optionRules, err, &status,
                                     "нужны код или файл конфигурации и имя файла PDF (для "
                                     "нескольких предложений: --output-dir ПАПКА)");
    if (!run) return status;
    std::string error;
    const auto terms = ReadCreditTerms(run->parsed, &error);
    if (!terms) return UsageError(err, "offer", error);
    CreditCalculator calc(',');
    terms->ApplyTo(calc);
    const bool credit = run->parsed.Has("--credit") || !terms->inputs.empty();
    const std::optional<OfferDate> date = DateOf(run->parsed.Value("--date"), &error);
    if (!date) return UsageError(err, "offer", error);

    const auto application = OffscreenApplication();
    const OfferDealer dealer = ReadOfferDealer(SettingsFilePath());
    DiskFileAccess access;
    const MakeDocument write = [&](const std::string& input) {
        BatchDocument document;
        CommandLineStart start(input, access);
        if (!start.Error().empty()) {
            document.error = start.Error();
            return document;
        }
        document.code = start.Config().CodeFieldText();
        const std::optional<Offer> offer =
            MakeOffer(start.Config(), dealer, *date, credit ? &calc : nullptr);
        const QByteArray pdf = offer ? offer::OfferPdf(*offer, *date) : QByteArray();
        if (pdf.isEmpty()) {
            document.error = "не удалось составить предложение";
        } else {
            document.bytes.assign(pdf.constData(), static_cast<std::size_t>(pdf.size()));
        }
        return document;
    };
    return RunFileDocuments({"offer", "pdf"}, *run, in, write, out, err, access);
}

}  // namespace kalvora::cli

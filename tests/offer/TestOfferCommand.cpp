// kalvora-cli offer: the PDF read back with poppler's tools as a reader of the file would.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <set>
#include <sstream>

#include "cli/CommandLineStart.h"
#include "cli/CreditCommand.h"
#include "cli/OfferCommand.h"
#include "engine/documents/OrderDocument.h"
#include "engine/offer/Offer.h"
#include "desktop/offer/OfferSettings.h"
#include "engine/code/DiskFileAccess.h"
#include "desktop/settings/WindowSettings.h"

namespace kalvora::cli {
namespace {

// A Ghia wagon with aluminium rails, metallic paint and every option "Оснастить" ticks; an
// Ambiente three-door in Frozen White without options, and one with no colour chosen.
constexpr char kGhiaWagon[] = "yLTqV.vzk7Ss########";
constexpr char kAmbiente[] = "111111111#1111111111";
constexpr char kAmbienteNoColour[] = "####################";

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome Offer(const std::vector<std::string>& arguments, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunOfferCommand(arguments, in, out, err);
    return {status, out.str(), err.str()};
}

// What a shell command prints.
std::string Shell(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return output;
    char buffer[4096];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        output.append(buffer, n);
    pclose(pipe);
    return output;
}

std::string WithoutBlanks(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c != ' ' && c != '\n' && c != '\f') out += c;
    }
    return out;
}

std::string Bytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

class OfferCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        // No dealer's settings of the machine get in.
        qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit());
        qunsetenv("SOURCE_DATE_EPOCH");
    }
    std::string Path(const char* name) const {
        return dir_.filePath(QLatin1String(name)).toStdString();
    }
    QTemporaryDir dir_;
};

// What comes with a paid package is named with it; "стандартно" is what the trim gives.
TEST_F(OfferCommand, ItemsThatComeWithAPackageSayWhichOne) {
    // A Trend wagon with the winter package and radio package No. 6.
    const std::string trendWagon = "Ljkvmtnnvsvvvvvvvvvv";
    const struct {
        std::string code;
        Opt option;
        const char* note;
    } cases[] = {
        {trendWagon, Opt::HeatedWindscreen, "в пакете «Зимний»"},
        {trendWagon, Opt::HeatedMirrors, "в пакете «Зимний»"},
        {trendWagon, Opt::HeatedFrontSeats, "в пакете «Зимний»"},
        {trendWagon, Opt::SteeringRadioControl, "в составе «Радио Пакет №6»"},
        {trendWagon, Opt::AirConditioning, "стандартно"},
        {trendWagon, Opt::WinterPackage, "$400"},
        {kGhiaWagon, Opt::SecurityPack1, "стандартно"},
        {kGhiaWagon, Opt::SecurityPack5, "в пакете «Комфорт +»"},
    };
    DiskFileAccess files;
    for (const auto& c : cases) {
        CommandLineStart start(c.code, files);
        const auto offer = MakeOffer(start.Config(), {}, *ParseOfferDate("2026-12-08"), nullptr);
        ASSERT_TRUE(offer) << c.code;
        std::string note = "not listed";
        for (const OfferGroup& group : offer->equipment) {
            for (const OfferItem& item : group.items) {
                if (item.option == c.option) note = item.note;
            }
        }
        EXPECT_EQ(note, c.note) << c.code << " " << Def(c.option).name;
    }
}

TEST_F(OfferCommand, PdfHoldsTheCarItsPriceCodeAndOptionsInEmbeddedFontsWithoutPictures) {
    // Letters that fonts like to join ("ffi") stay letters a reader can search for.
    ASSERT_TRUE(WriteOfferDealer({"Автосалон", "", "", "https://official-offers.example/ffi"},
                                 SettingsFilePath()));
    const struct {
        const char* code;
        std::vector<std::string> credit;
        const char* pages;
        const char* total;
        std::vector<std::string> said;    // without blanks
        std::vector<std::string> unsaid;  // without blanks
    } cases[] = {
        {kGhiaWagon,
         {"--first-percent", "30", "--repay-after", "1", "--repay-by", "24"},
         "2",
         "$24990",
         {"Зимниешины195/65R15", "Окраска«металлик»$275", "Направляющиебагажника$115",
          "Переплата:процентызавычетомскидкиФМК"},
         {"Потери"}},
        {kAmbiente, {}, "1", "$12420", {"FrozenWhite,безметаллика"}, {"$0", "Направляющие"}},
        {kAmbienteNoColour,
         {},
         "1",
         "$12420",
         {"Цветокраскикузованевыбран"},
         {"???", "$0", "Направляющие"}},
    };
    for (const auto& c : cases) {
        const std::string pdf = Path("offer.pdf");
        std::vector<std::string> args = c.credit;
        args.insert(args.end(), {"--date", "2026-12-08", c.code, pdf});
        const Outcome run = Offer(args);
        ASSERT_EQ(run.status, 0) << run.err;

        const std::string info = Shell("pdfinfo '" + pdf + "'");
        EXPECT_NE(info.find("Pages:           " + std::string(c.pages) + "\n"), std::string::npos)
            << info;
        EXPECT_NE(info.find("pts (A4)"), std::string::npos) << info;
        EXPECT_NE(info.find("CreationDate:    Tue Dec  8 00:00:00 2026 UTC"), std::string::npos)
            << info;

        const std::string text = WithoutBlanks(Shell("pdftotext -raw -enc UTF-8 '" + pdf + "' -"));
        EXPECT_NE(text.find(c.total), std::string::npos);
        EXPECT_NE(text.find(c.code), std::string::npos);
        EXPECT_NE(text.find("8декабря2026г."), std::string::npos);
        EXPECT_NE(text.find("https://official-offers.example/ffi"), std::string::npos) << text;
        DiskFileAccess files;
        CommandLineStart start(c.code, files);
        int ticked = 0;
        // Each option by its caption in the main window, the metallic one by its check box's.
        for (Opt o : OrderOptionSequence()) {
            if (!start.Config().Checked(o)) continue;
            ++ticked;
            const std::string_view caption =
                o == Opt::MetallicPaint ? Def(o).ownCaption : Def(o).caption;
            EXPECT_NE(text.find(WithoutBlanks(std::string(caption))), std::string::npos)
                << Def(o).name;
        }
        for (const std::string& said : c.said)
            EXPECT_NE(text.find(said), std::string::npos) << said;
        for (const std::string& unsaid : c.unsaid)
            EXPECT_EQ(text.find(unsaid), std::string::npos) << unsaid << " in " << c.code;
        EXPECT_EQ(ticked > 20, c.code == std::string(kGhiaWagon));
        if (!c.credit.empty()) {
            EXPECT_NE(text.find("Платёж,месяцы2–24"), std::string::npos);
            EXPECT_NE(text.find("Графикплатежей"), std::string::npos);
        }

        // Every font is embedded; the car is lines and fills, not an image.
        const std::string fonts = Shell("pdffonts '" + pdf + "' | tail -n +3");
        EXPECT_NE(fonts.find("DejaVuSans"), std::string::npos) << fonts;
        std::istringstream lines(fonts);
        for (std::string line; std::getline(lines, line);) {
            EXPECT_NE(line.find(" yes "), std::string::npos) << line;
        }
        EXPECT_EQ(Shell("pdfimages -list '" + pdf + "' | tail -n +3"), "");
    }
}

// "$359,11" or "359,11" as a number.
double Number(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    return std::stod(text.substr(text.rfind('$', 0) == 0 ? 1 : 0));
}

// The credit page shows what "kalvora-cli credit" shows for the same options: the calculator's
// term, loans, discount and rates in one form whatever was typed, the month an early repayment
// ends the loan, the payments and premiums as the schedule has them, and the calculator's
// totals, which are the schedule's sums; with an early repayment as without.
TEST_F(OfferCommand, CreditPageIsTheCalculatorsScheduleAndItsSums) {
    const struct {
        std::vector<std::string> options;
        int months;
        std::vector<std::string> rows;  // "label=value" of the summary
    } cases[] = {
        {{}, 36, {"Первый взнос (40 %)=$9996,00", "Ставка от ФМК=4,9 % годовых"}},
        {{"--first-percent", "33,5", "--rate-real", "12"},
         36,
         {"Первый взнос (33,5 %)=$8371,65", "Ставка банка=12 % годовых"}},
        {{"--first-percent", "030.00", "--rate-promo", "5.50"},
         36,
         {"Первый взнос (30 %)=$7497,00", "Ставка от ФМК=5,5 % годовых"}},
        {{"--repay-after", "1", "--repay-by", "24"}, 24, {"Досрочное погашение=в 24-м месяце"}},
        // The third year insured as no credit.
        {{"--repay-after", "12", "--repay-by", "18"}, 18, {"Досрочное погашение=в 18-м месяце"}},
        {{"--repay-after", "6", "--repay-by", "10"}, 10, {}},  // so are the second and third
        {{"--repay-after", "0", "--repay-by", "48", "--first-percent", "20"},
         48,
         {"Последний платёж=в 48-м месяце"}},
    };
    DiskFileAccess files;
    CommandLineStart start(kGhiaWagon, files);
    for (const auto& c : cases) {
        std::string what, error;
        for (const std::string& option : c.options) what += option + " ";
        const auto parsed = ParseArguments(c.options, CreditOptionRules(), &error);
        const auto terms = parsed ? ReadCreditTerms(*parsed, &error) : std::nullopt;
        ASSERT_TRUE(terms) << error;
        CreditCalculator calc(',');
        terms->ApplyTo(calc);
        const auto offer = MakeOffer(start.Config(), {}, *ParseOfferDate("2026-12-08"), &calc);
        ASSERT_TRUE(offer && offer->credit) << what;
        const OfferCredit& credit = *offer->credit;
        auto values = [&](const std::string& prefix) {
            std::vector<std::string> found;
            for (const OfferRow& row : credit.summary) {
                if (row.label.rfind(prefix, 0) == 0) found.push_back(row.value);
            }
            return found;
        };
        using One = std::vector<std::string>;

        // The command's figures ("name<TAB>value") and the months that carry a payment or a
        // premium (the later ones only repeat the running total), with a decimal comma.
        std::vector<std::string> arguments = {kGhiaWagon};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        std::ostringstream out, err;
        ASSERT_EQ(RunCreditCommand(arguments, out, err), 0) << err.str();
        std::istringstream lines(out.str());
        std::map<std::string, std::string> figures;
        std::vector<std::vector<std::string>> cliRows;
        bool schedule = false;
        for (std::string line; std::getline(lines, line);) {
            std::replace(line.begin(), line.end(), '.', ',');
            schedule = schedule || line.empty();
            std::vector<std::string> cells;
            std::istringstream fields(line + '\t');
            for (std::string cell; std::getline(fields, cell, '\t');) cells.push_back(cell);
            if (!schedule) figures[cells[0]] = "$" + cells[1];
            if (schedule && cells.size() == 6 && (!cells[1].empty() || !cells[4].empty()))
                cliRows.push_back(cells);
        }

        // The schedule is the command's, month by month.
        ASSERT_EQ(credit.schedule.size(), cliRows.size()) << what;
        int months = 0;
        double bank = 0;
        std::set<std::string> payments;
        std::vector<std::string> premiums;
        for (std::size_t r = 0; r < cliRows.size(); ++r) {
            EXPECT_EQ(One(credit.schedule[r].begin(), credit.schedule[r].end()), cliRows[r])
                << what;
            if (!cliRows[r][1].empty()) {
                ++months;
                bank += Number(cliRows[r][1]);
                payments.insert("$" + cliRows[r][1]);
            }
            if (!cliRows[r][4].empty()) premiums.push_back("$" + cliRows[r][4]);
        }
        EXPECT_EQ(months, c.months) << what;

        // The summary: the term, the loans and rates, each payment, the premiums charged, the
        // totals.
        EXPECT_EQ(values("Срок кредита"), One{"36 мес."}) << what;
        EXPECT_EQ(values("Досрочное погашение").size() + values("Последний платёж").size(),
                  c.months == 36 ? 0u : 1u)
            << what;
        for (const std::string& row : c.rows) {
            const auto equals = row.find('=');
            EXPECT_EQ(values(row.substr(0, equals)), One{row.substr(equals + 1)}) << what;
        }
        EXPECT_EQ(values("Сумма кредита"), One{figures["credit-sum"]}) << what;
        EXPECT_EQ(values("Скидка ФМК"), One{figures["discount"]}) << what;
        EXPECT_EQ(values("Кредит банка"), One{figures["real-loan"]}) << what;
        // Each month's running total grows by what its row shows paid: the page adds up.
        for (std::size_t r = 1; r < credit.schedule.size(); ++r) {
            const auto& row = credit.schedule[r];
            const double added =
                (row[1].empty() ? 0 : Number(row[1])) + (row[4].empty() ? 0 : Number(row[4]));
            EXPECT_NEAR(Number(row[5]) - Number(credit.schedule[r - 1][5]), added, 0.011)
                << what << " month " << row[0];
        }
        One shown = values("Ежемесячный платёж");
        for (const std::string& v : values("Платёж, месяц")) shown.push_back(v);
        EXPECT_EQ(std::set<std::string>(shown.begin(), shown.end()), payments) << what;
        EXPECT_EQ(values("КАСКО"), premiums) << what;
        EXPECT_EQ(values("Выплачено банку"), One{figures["bank-total"]}) << what;
        // Each row is rounded to the cent on its own: half a cent a month at most.
        EXPECT_NEAR(Number(figures["bank-total"]), bank, 0.0051 * months) << what;
        EXPECT_EQ(values("Всего будет выплачено"), One{figures["paid-total"]}) << what;
        EXPECT_EQ(figures["paid-total"], "$" + credit.schedule.back()[5]) << what;
        const bool gain = figures["losses"].rfind("$-", 0) == 0;
        EXPECT_EQ(values(gain ? "Выгода" : "Переплата"),
                  One{gain ? "$" + figures["losses"].substr(2) : figures["losses"]})
            << what;
    }
}

TEST_F(OfferCommand, SameInputsAndDateGiveTheSameBytesInAnyTimeZone) {
    const std::string first = Path("a.pdf");
    ASSERT_EQ(Offer({"--date", "2026-12-08", "--credit", kGhiaWagon, first}).status, 0);
    // Qt writes the creation time with the zone's offset, which is longer than "Z".
    qputenv("TZ", "Europe/Moscow");
    const Outcome again = Offer({"--date", "2026-12-08", "--credit", kGhiaWagon, "-"});
    qunsetenv("TZ");
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.out, Bytes(first));
    EXPECT_EQ(again.out.rfind("%PDF-1.4", 0), 0u);

    // SOURCE_DATE_EPOCH stands for --date; --date wins over it.
    qputenv("SOURCE_DATE_EPOCH", "1796688000");  // 2026-12-08 00:00:00 UTC
    EXPECT_EQ(Offer({"--credit", kGhiaWagon, "-"}).out, again.out);
    EXPECT_NE(Offer({"--date", "2026-12-09", "--credit", kGhiaWagon, "-"}).out, again.out);
    qputenv("SOURCE_DATE_EPOCH", "yesterday");
    EXPECT_EQ(Offer({kGhiaWagon, "-"}).status, 2);
    qunsetenv("SOURCE_DATE_EPOCH");
}

// Many offers are written as the other documents are (--output-dir, --name, "-" for the standard
// input); two inputs that would write one file do not overwrite each other.
TEST_F(OfferCommand, WritesManyOffersIntoAFolderAndReportsEachFailure) {
    const QString folder = dir_.filePath(QStringLiteral("out"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const std::string klv = Path("ghia.klv");
    {
        QFile file(QString::fromStdString(klv));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(kGhiaWagon) + "\r\n");
    }
    const Outcome run = Offer({"--date", "2026-12-08", "--output-dir", folder.toStdString(), klv,
                               kAmbiente, "bad code", kAmbiente});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("kalvora-cli: offer: bad code: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("уже записан в этом запуске"), std::string::npos) << run.err;
    const QDir out(folder);
    EXPECT_EQ(out.entryList(QDir::Files, QDir::Name),
              (QStringList{QString::fromLatin1(kAmbiente) + ".pdf", "ghia.pdf"}));
    const std::string ghia = Offer({"--date", "2026-12-08", kGhiaWagon, "-"}).out;
    EXPECT_EQ(Bytes(out.filePath("ghia.pdf").toStdString()), ghia);

    const Outcome named =
        Offer({"--date=2026-12-08", "--name", folder.toStdString() + "/{n}-{name}.pdf", "-"},
              klv + "\n" + kAmbiente + "\n");
    EXPECT_EQ(named.status, 0) << named.err;
    EXPECT_EQ(Bytes(folder.toStdString() + "/1-ghia.pdf"), ghia);
    EXPECT_TRUE(out.exists(QStringLiteral("2-") + kAmbiente + ".pdf"));

    // The configuration file it reads is never replaced by its offer.
    const Outcome own = Offer({klv, klv});
    EXPECT_EQ(own.status, 1);
    EXPECT_NE(own.err.find("это входной файл команды"), std::string::npos) << own.err;
    EXPECT_EQ(Bytes(klv), std::string(kGhiaWagon) + "\r\n");

    const std::string nowhere = "/nonexistent-folder/offer.pdf";
    const Outcome failed = Offer({kAmbiente, nowhere});
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("Не удалось сохранить файл «" + nowhere + "»"), std::string::npos)
        << failed.err;

    const std::vector<std::vector<std::string>> wrong = {
        {kAmbiente},
        {kAmbiente, "a.pdf", "b.pdf"},
        {"--output-dir", folder.toStdString()},
        {"--date", "08.12.2026", kAmbiente, "a.pdf"},
        {"--first-percent", "100", kAmbiente, "a.pdf"},
        {"--repay-after", "3", kAmbiente, "a.pdf"},
        {"--pages", "3", kAmbiente, "a.pdf"},
        {"--date"},
    };
    for (const auto& args : wrong) {
        const Outcome bad = Offer(args);
        EXPECT_EQ(bad.status, 2) << args.front();
        EXPECT_NE(bad.err.find("kalvora-cli: offer: "), std::string::npos) << bad.err;
    }
}

}  // namespace
}  // namespace kalvora::cli

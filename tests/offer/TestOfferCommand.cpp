// kalvora-cli offer: the PDF read back with poppler's tools as a reader of the file would.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>

#include "cli/CommandLineStart.h"
#include "cli/OfferCommand.h"
#include "documents/OrderDocument.h"
#include "pricing/DiskFileAccess.h"

namespace kalvora::cli {
namespace {

// A Ghia wagon with aluminium rails, metallic paint and every option "Оснастить" ticks; an
// Ambiente three-door in Frozen White without options.
constexpr char kGhiaWagon[] = "yLTqV.vzk7Ss########";
constexpr char kAmbiente[] = "111111111#1111111111";

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

TEST_F(OfferCommand, PdfHoldsTheCarItsPriceCodeAndOptionsInEmbeddedFontsWithoutPictures) {
    const struct {
        const char* code;
        std::vector<std::string> credit;
        const char* pages;
        const char* total;
    } cases[] = {
        {kGhiaWagon,
         {"--first-percent", "30", "--repay-after", "1", "--repay-by", "24"},
         "2",
         "$24990"},
        {kAmbiente, {}, "1", "$12420"},
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
        DiskFileAccess files;
        CommandLineStart start(c.code, files);
        int ticked = 0;
        for (Opt o : OrderOptionSequence()) {
            if (!start.Config().Checked(o)) continue;
            ++ticked;
            EXPECT_NE(text.find(WithoutBlanks(std::string(OrderOptionText(o)))), std::string::npos)
                << Def(o).name;
        }
        EXPECT_EQ(ticked > 20, c.code == std::string(kGhiaWagon));
        if (!c.credit.empty()) {
            EXPECT_NE(text.find("Ежемесячныйплатёж"), std::string::npos);
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

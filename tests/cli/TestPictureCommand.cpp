// kalvora-cli picture: a PNG of the configured car, without a display.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <sstream>

#include "cli/PictureCommand.h"

namespace kalvora::cli {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome Picture(const std::vector<std::string>& arguments) {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunPictureCommand(arguments, in, out, err);
    return {status, out.str(), err.str()};
}

TEST(PictureCommand, WritesAPngOfTheRequestedSizeAndExplainsFailures) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string png = dir.filePath(QStringLiteral("car.png")).toStdString();

    Outcome run = Picture({"####################", png, "--size", "320x130"});
    ASSERT_EQ(run.status, 0) << run.err;
    const QImage image(QString::fromStdString(png), "PNG");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(320, 130));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);       // transparent around the car
    EXPECT_EQ(qAlpha(image.pixel(160, 80)), 255);  // the car itself

    run = Picture({"not a code", png});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("not a code"), std::string::npos) << run.err;

    const std::string nowhere = "/nonexistent-folder/car.png";
    run = Picture({"####################", nowhere});
    EXPECT_EQ(run.status, 1);
    // Said in Russian, as every other message of the program.
    EXPECT_EQ(run.err, "kalvora-cli: picture: Не удалось сохранить файл «" + nowhere +
                           "»: нет такого файла или каталога\n");

    for (const char* size : {"0x10", "10", "5000x10", "axb"}) {
        run = Picture({"####################", png, "--size", size});
        EXPECT_EQ(run.status, 2) << size;
        EXPECT_NE(run.err.find(size), std::string::npos) << run.err;
    }
    EXPECT_EQ(Picture({"####################"}).status, 2);
}

}  // namespace
}  // namespace kalvora::cli

// Times the pictures of the configured car: the drawing of a new look (cold) and the same look
// asked for again (cached), alone and as a colour change in the main window, with the program
// idle between two changes as between clicks. Prints figures;
// run offscreen (QT_QPA_PLATFORM=offscreen) or under Xvfb.
#include <sys/resource.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "desktop/app/MainWindow.h"
#include "desktop/pictures/CarPicture.h"

namespace {

using kalvora::CarLook;
namespace pictures = kalvora::pictures;

// Pages of memory the process touched for the first time so far.
long MinorFaults() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

// Processor time of the whole process (its helper threads included), in milliseconds.
double ProcessorMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double Largest(const std::vector<double>& v) {
    return *std::max_element(v.begin(), v.end());
}

void Print(const char* what, const std::vector<double>& ms) {
    std::printf("%-62s median %7.3f ms   max %7.3f ms   (%zu)\n", what, Median(ms), Largest(ms),
                ms.size());
}

// Everything a colour change shows: the body area, the faint background and the swatch.
void ShowLook(pictures::CarPictureCache& cache, const CarLook& look) {
    const QPixmap body = QPixmap::fromImage(cache.Picture(look, QSize(142, 78)));
    const QPixmap background =
        QPixmap::fromImage(cache.Picture(look, QSize(1000, 400), pictures::Strength::Faint));
    (void)body;
    (void)background;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());

    // The pictures alone, through the cache the window uses: once with the program idle
    // between two colour changes, as between a user's clicks, once back to back.
    for (const bool idle : {true, false}) {
        pictures::CarPictureCache cache;
        ShowLook(cache, CarLook{});  // the drawings' first parse, as at start-up
        QCoreApplication::processEvents();
        std::vector<double> cold;
        std::vector<double> cached;
        std::vector<double> processor;
        const long faultsBefore = MinorFaults();
        long coldFaults = 0;
        CarLook previous;
        for (int body = 0; body < kalvora::kBodyCount; ++body) {
            for (int colour = 1; colour <= 10; ++colour) {
                CarLook look;
                look.body = body;
                look.paint = kalvora::PaintOf(colour);
                look.metallic = kalvora::MetallicPaint(colour);
                const long faults = MinorFaults();
                const double cpu = ProcessorMs();
                QElapsedTimer t;
                t.start();
                ShowLook(cache, look);
                cold.push_back(t.nsecsElapsed() / 1e6);
                processor.push_back(ProcessorMs() - cpu);
                coldFaults += MinorFaults() - faults;
                if (idle) QCoreApplication::processEvents();
                // Back to the colour before: drawn already.
                t.restart();
                ShowLook(cache, previous);
                cached.push_back(t.nsecsElapsed() / 1e6);
                ShowLook(cache, look);
                previous = look;
            }
        }
        const long allFaults = MinorFaults() - faultsBefore;
        Print(idle ? "body area + background, new look (cold), idle between"
                   : "body area + background, new look (cold), back to back",
              cold);
        std::printf("%-62s median %7.3f ms\n", "  processor time, all threads", Median(processor));
        std::printf("%-62s %ld during the change, %ld with the idle time\n",
                    "  memory pages touched first, per change", coldFaults / long(cold.size()),
                    allFaults / long(cold.size()));
        if (idle) Print("body area + background, look seen before (cached)", cached);
    }

    // The parts of a cold drawing.
    {
        std::vector<double> small;
        std::vector<double> large;
        for (int colour = 1; colour <= 10; ++colour) {
            CarLook look;
            look.paint = kalvora::PaintOf(colour);
            QElapsedTimer t;
            t.start();
            (void)pictures::RenderCar(look, QSize(142, 78));
            small.push_back(t.nsecsElapsed() / 1e6);
            t.restart();
            (void)pictures::RenderCar(look, QSize(1000, 400), pictures::Strength::Faint);
            large.push_back(t.nsecsElapsed() / 1e6);
        }
        Print("of which: the body area, 142 x 78", small);
        Print("of which: the faint background, 1000 x 400", large);
    }

    // A colour change in the main window: rules, price, code and pictures, without painting.
    {
        kalvora::app::MainWindow form;
        form.SetSettingsPath(dir.filePath(QStringLiteral("kalvora.INI")));
        form.show();
        if (!QTest::qWaitForWindowExposed(&form)) {
            std::fprintf(stderr, "picture-benchmark: the main window was never shown\n");
            return 1;
        }
        form.RunStartCode();
        std::vector<double> cold;
        std::vector<double> cached;
        for (int round = 0; round < 2; ++round) {
            for (int body : {kalvora::Hatchback5Door, kalvora::Wagon}) {
                form.Config().SelectBody(body);
                form.Sync();
                for (int colour = 1; colour <= 10; ++colour) {
                    QElapsedTimer t;
                    t.start();
                    form.Config().SetColourIndex(colour);
                    form.Config().OnColourChosen();
                    form.Sync();
                    (round == 0 ? cold : cached).push_back(t.nsecsElapsed() / 1e6);
                    QCoreApplication::processEvents();  // idle until the next click
                }
            }
        }
        Print("window: colour change with its pictures, new look (cold)", cold);
        Print("window: colour change with its pictures, seen before (cached)", cached);
    }
    return 0;
}

// The drawn car: its body, paint, rails and wheels must show as configured, and the cache must
// give back what a fresh drawing gives.
#include <QtTest>
#include <map>
#include <utility>
#include <vector>

#include "desktop/pictures/CarPicture.h"

using namespace kalvora;
using kalvora::pictures::RenderCar;

namespace {

const QSize kSize(600, 240);  // one pixel per unit of the drawings

CarLook Look(int body, int colour = 0, RailsLook rails = RailsLook::None,
             WheelLook wheels = WheelLook::Steel) {
    CarLook look;
    look.body = body;
    look.paint = PaintOf(colour);
    look.metallic = MetallicPaint(colour);
    look.rails = rails;
    look.wheels = wheels;
    return look;
}

// Pixels of `region` that differ between two pictures by more than a trace.
int Differing(const QImage& a, const QImage& b, const QRect& region) {
    int n = 0;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q)) +
                    qAbs(qAlpha(p) - qAlpha(q)) >
                24)
                ++n;
        }
    }
    return n;
}

// The most frequent opaque colour of the door panels, below the windows and above the sill.
QRgb DominantPaint(const QImage& image) {
    std::map<QRgb, int> count;
    for (int y = 140; y < 180; ++y) {
        for (int x = 200; x < 420; ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) == 255) ++count[p & 0xFFFFFFu];
        }
    }
    QRgb best = 0;
    int most = 0;
    for (const auto& [rgb, n] : count) {
        if (n > most) best = rgb, most = n;
    }
    return best;
}

}  // namespace

class TestCarPicture : public QObject {
    Q_OBJECT

  private slots:
    void eachBodyHasItsOwnSilhouette() {
        QImage pictures[kBodyCount];
        for (int b = 0; b < kBodyCount; ++b) {
            pictures[b] = RenderCar(Look(b), kSize).convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(pictures[b].size(), kSize);
        }
        for (int a = 0; a < kBodyCount; ++a) {
            for (int b = a + 1; b < kBodyCount; ++b) {
                QVERIFY2(Differing(pictures[a], pictures[b], pictures[a].rect()) > 800,
                         qPrintable(QStringLiteral("bodies %1 and %2").arg(a).arg(b)));
            }
        }
    }

    void paintMatchesTheChosenColour_data() {
        QTest::addColumn<int>("colour");
        for (int c = 0; c < kColourCount; ++c) QTest::addRow("%d", c) << c;
    }
    void paintMatchesTheChosenColour() {
        QFETCH(int, colour);
        for (int body = 0; body < kBodyCount; ++body) {
            const QImage car =
                RenderCar(Look(body, colour), kSize).convertToFormat(QImage::Format_ARGB32);
            const QRgb seen = DominantPaint(car);
            const Rgb wanted = PaintOf(colour);
            const int tolerance = 6;
            QVERIFY2(qAbs(qRed(seen) - int(wanted >> 16 & 0xFF)) <= tolerance &&
                         qAbs(qGreen(seen) - int(wanted >> 8 & 0xFF)) <= tolerance &&
                         qAbs(qBlue(seen) - int(wanted & 0xFF)) <= tolerance,
                     qPrintable(QStringLiteral("body %1: %2 instead of %3")
                                    .arg(body)
                                    .arg(seen, 6, 16, QLatin1Char('0'))
                                    .arg(wanted, 6, 16, QLatin1Char('0'))));
        }
    }

    void railsAndAlloysShowOnlyWhenChosen() {
        const QRect roof(60, 50, 300, 22);
        const QRect wheel(458 - 22, 192 - 22, 44, 44);  // the front rim
        const auto draw = [](RailsLook rails, WheelLook wheels) {
            return RenderCar(Look(Wagon, 6, rails, wheels), kSize)
                .convertToFormat(QImage::Format_ARGB32);
        };
        const QImage plain = draw(RailsLook::None, WheelLook::Steel);
        const QImage black = draw(RailsLook::Black, WheelLook::Steel);
        const QImage aluminium = draw(RailsLook::Aluminium, WheelLook::Steel);
        QVERIFY(Differing(plain, black, roof) > 300);
        QVERIFY(Differing(plain, aluminium, roof) > 300);
        QVERIFY(Differing(black, aluminium, roof) > 300);
        // The rails change nothing but the roof; the wheels nothing but the wheels.
        QCOMPARE(Differing(plain, black, wheel), 0);
        const QImage alloy15 = draw(RailsLook::None, WheelLook::Alloy15);
        const QImage alloy16 = draw(RailsLook::None, WheelLook::Alloy16);
        QVERIFY(Differing(plain, alloy15, wheel) > 200);
        QVERIFY(Differing(alloy15, alloy16, wheel) > 200);
        QCOMPARE(Differing(plain, alloy16, roof), 0);
    }

    void cacheGivesTheSamePictureAndKeepsItsBound() {
        // Room for three pictures of the body area.
        pictures::CarPictureCache cache(3 * 142 * 78 * 4);
        const CarLook red = Look(Hatchback5Door, 6);
        const QImage& first = cache.Picture(red, QSize(142, 78));
        const qint64 key = first.cacheKey();
        QCOMPARE(first, RenderCar(red, QSize(142, 78)));
        for (int c = 1; c <= 4; ++c) cache.Picture(Look(Hatchback5Door, c), QSize(142, 78));
        QCOMPARE(cache.Count(), 3);
        QVERIFY(cache.Picture(Look(Hatchback5Door, 4), QSize(142, 78)).cacheKey() ==
                cache.Picture(Look(Hatchback5Door, 4), QSize(142, 78)).cacheKey());
        QVERIFY(cache.Picture(red, QSize(142, 78)).cacheKey() != key);  // drawn again
    }

    void reusedMemoryNeverShowsInAPicture() {
        // The cache draws new looks into the memory of dropped pictures and of spares prepared
        // while idle. Whatever was there before must not show, and a picture still held
        // elsewhere (by a window) must never be drawn over.
        const QSize small(142, 78);
        const QSize faint(200, 80);
        pictures::CarPictureCache cache(2 * 200 * 80 * 4);  // room for two backgrounds
        std::vector<std::pair<CarLook, QImage>> held;
        int n = 0;
        for (int body = 0; body < kBodyCount; ++body) {
            for (int colour = 0; colour <= 10; ++colour, ++n) {
                const CarLook look = Look(body, colour, RailsLook(n % 3), WheelLook(n / 3 % 3));
                const QImage& background = cache.Picture(look, faint, pictures::Strength::Faint);
                QCOMPARE(background, RenderCar(look, faint, pictures::Strength::Faint));
                if (n % 4 == 0) held.emplace_back(look, background);
                QCOMPARE(cache.Picture(look, small), RenderCar(look, small));
                if (n % 2) QCoreApplication::processEvents();  // lets spares be prepared
            }
        }
        for (const auto& [look, picture] : held) {
            QCOMPARE(picture, RenderCar(look, faint, pictures::Strength::Faint));
        }
    }

    void withoutTheDrawingsNothingIsDrawn() {
        const QString kept = pictures::DrawingFolder();
        pictures::SetDrawingFolder(QStringLiteral("/nonexistent/kalvora-drawings"));
        QVERIFY(RenderCar(Look(Sedan), kSize).isNull());
        QVERIFY(
            pictures::RenderIllustration(pictures::Illustration::Radio2, QSize(480, 300)).isNull());
        pictures::SetDrawingFolder(kept);
        for (int i = 0; i <= int(pictures::Illustration::About); ++i) {
            QVERIFY(
                !pictures::RenderIllustration(pictures::Illustration(i), QSize(300, 200)).isNull());
        }
    }
};

QTEST_MAIN(TestCarPicture)
#include "TestCarPicture.moc"

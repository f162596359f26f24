// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The glyph pictures are generated once and committed, so nothing in the build
// would notice a missing, blank, mis-sized or swapped picture. These checks look
// at the embedded resources exactly as the program loads them.

#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTest>

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

struct GlyphPicture {
    const char* path; // 1x resource path, without the leading ":/"
    int width;        // at 1x
    int height;
};

const GlyphPicture GlyphPictures[] = {
    {"glyphs/signs/01aries.png", 40, 36},       {"glyphs/signs/02taurus.png", 40, 36},
    {"glyphs/signs/03gemini.png", 40, 36},      {"glyphs/signs/04cancer.png", 40, 36},
    {"glyphs/signs/05leo.png", 40, 36},         {"glyphs/signs/06virgo.png", 40, 36},
    {"glyphs/signs/07libra.png", 40, 36},       {"glyphs/signs/08scorpio.png", 40, 36},
    {"glyphs/signs/09sagittarius.png", 40, 36}, {"glyphs/signs/10capricorn.png", 40, 36},
    {"glyphs/signs/11aquarius.png", 40, 36},    {"glyphs/signs/12pisces.png", 40, 36},
    {"glyphs/planets/01sun.png", 40, 41},       {"glyphs/planets/02moon.png", 39, 53},
    {"glyphs/planets/03jupiter.png", 36, 33},   {"glyphs/planets/04mercury.png", 36, 33},
    {"glyphs/planets/05venus.png", 30, 30},     {"glyphs/planets/06mars.png", 36, 33},
    {"glyphs/planets/07saturn.png", 36, 33},    {"glyphs/planets/08uranus.png", 30, 30},
    {"glyphs/planets/09neptune.png", 30, 30},   {"glyphs/planets/10pluto.png", 30, 30},
};

constexpr int InkGray = 96;             // darker than this is clearly glyph, not antialiasing
constexpr double MinimumInk = 0.03;     // share of ink pixels below which a picture looks empty
constexpr int MarginAt1x = 2;           // white border the generator leaves around the glyph
constexpr double CentreTolerance = 1.0; // px at 1x; antialiasing shifts the visible edge a little
// Mean gray difference (0..255) below which two pictures show the same glyph.
// Resampling the same glyph stays near 1; two different glyphs are far above.
constexpr double SameGlyphDifference = 12.0;

QString resourcePath(const char* path) {
    return QStringLiteral(":/") + QString::fromLatin1(path);
}

// Qt's naming rule for the high-DPI variant: "name@2x.png" beside "name.png".
QString twinPath(const QString& path) {
    QString twin = path;
    twin.insert(twin.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
    return twin;
}

bool isInk(QRgb pixel) {
    return qGray(pixel) < InkGray;
}

double inkRatio(const QImage& image) {
    qint64 ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isInk(image.pixel(x, y))) {
                ++ink;
            }
        }
    }
    return static_cast<double>(ink) / (static_cast<double>(image.width()) * image.height());
}

// Smallest rectangle holding every ink pixel; null when there is none.
QRect inkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isInk(image.pixel(x, y))) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

bool isOpaqueWhite(QRgb pixel) {
    return qAlpha(pixel) == 255 && qGray(pixel) >= 250;
}

std::vector<QRgb> corners(const QImage& image) {
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    return {image.pixel(0, 0), image.pixel(right, 0), image.pixel(0, bottom), image.pixel(right, bottom)};
}

// Mean absolute gray difference of two equally sized pictures, 0..255.
double meanGrayDifference(const QImage& a, const QImage& b) {
    qint64 total = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            total += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
        }
    }
    return static_cast<double>(total) / (static_cast<double>(a.width()) * a.height());
}

} // namespace

class TestGlyphPictures : public QObject {
    Q_OBJECT

public:
    // QIcon only looks for "@2x" twins when the application runs at a device
    // pixel ratio of 2, so the whole test pretends to be on a high-DPI screen.
    // QTEST_MAIN calls this before the application object exists.
    static void initMain() { qputenv("QT_SCALE_FACTOR", "2"); }

private slots:
    void picture_data();
    void picture();
    void twinShowsTheSameGlyph_data();
    void twinShowsTheSameGlyph();
    void iconPicksTheTwinOnHighDpi_data();
    void iconPicksTheTwinOnHighDpi();
    void glyphsAreAllDifferent();
    void programIcon_data();
    void programIcon();
};

void TestGlyphPictures::picture_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("scale");

    for (const GlyphPicture& glyph : GlyphPictures) {
        const QString normal = resourcePath(glyph.path);
        const QString twin = twinPath(normal);
        QTest::newRow(qPrintable(normal)) << normal << glyph.width << glyph.height << 1;
        QTest::newRow(qPrintable(twin)) << twin << 2 * glyph.width << 2 * glyph.height << 2;
    }
}

void TestGlyphPictures::picture() {
    QFETCH(QString, path);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, scale);

    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path + QStringLiteral(" does not load")));
    QCOMPARE(image.size(), QSize(width, height));
    QVERIFY2(!image.hasAlphaChannel(), "glyph pictures have an opaque ground");

    for (const QRgb corner : corners(image)) {
        QVERIFY2(isOpaqueWhite(corner), qPrintable(QStringLiteral("corner is #%1, not white").arg(corner, 8, 16)));
    }

    const double ink = inkRatio(image);
    QVERIFY2(ink >= MinimumInk, qPrintable(QStringLiteral("only %1 % ink").arg(100.0 * ink, 0, 'f', 1)));

    // Not clipped: the glyph keeps clear of every edge.
    const QRect bounds = inkBounds(image);
    const QRect inner = image.rect().adjusted(scale, scale, -scale, -scale);
    QVERIFY2(inner.contains(bounds), "glyph touches the picture's edge");

    // Centred.
    const double dx = (bounds.left() + bounds.right() + 1) / 2.0 - width / 2.0;
    const double dy = (bounds.top() + bounds.bottom() + 1) / 2.0 - height / 2.0;
    QVERIFY2(std::abs(dx) <= CentreTolerance * scale && std::abs(dy) <= CentreTolerance * scale,
             qPrintable(QStringLiteral("glyph is off centre by (%1, %2) px").arg(dx).arg(dy)));

    // As large as fits: along at least one axis the glyph reaches the margin.
    const int slack = 2 * (MarginAt1x + 1) * scale;
    QVERIFY2(bounds.width() >= width - slack || bounds.height() >= height - slack,
             qPrintable(QStringLiteral("glyph is only %1 x %2 px").arg(bounds.width()).arg(bounds.height())));
}

void TestGlyphPictures::twinShowsTheSameGlyph_data() {
    QTest::addColumn<QString>("path");

    for (const GlyphPicture& glyph : GlyphPictures) {
        QTest::newRow(glyph.path) << resourcePath(glyph.path);
    }
}

// Both sizes are drawn separately, so a mix-up in one of them would show one
// symbol on ordinary screens and another on high-DPI ones.
void TestGlyphPictures::twinShowsTheSameGlyph() {
    QFETCH(QString, path);

    const QImage normal(path);
    const QImage twin(twinPath(path));
    QVERIFY(!normal.isNull());
    QVERIFY(!twin.isNull());
    QCOMPARE(twin.size(), 2 * normal.size());

    const QImage reduced = twin.scaled(normal.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double difference = meanGrayDifference(normal, reduced);
    QVERIFY2(difference < SameGlyphDifference,
             qPrintable(QStringLiteral("pictures differ by %1 gray levels").arg(difference)));
}

void TestGlyphPictures::iconPicksTheTwinOnHighDpi_data() {
    twinShowsTheSameGlyph_data();
}

void TestGlyphPictures::iconPicksTheTwinOnHighDpi() {
    QFETCH(QString, path);

    const QIcon icon(path);
    const QSize logicalSize = QImage(path).size();
    QVERIFY(!logicalSize.isEmpty());

    QCOMPARE(qApp->devicePixelRatio(), 2.0);

    const QPixmap sharp = icon.pixmap(logicalSize, 2.0);
    QCOMPARE(sharp.size(), 2 * logicalSize);
    QCOMPARE(sharp.devicePixelRatio(), 2.0);

    const QPixmap plain = icon.pixmap(logicalSize, 1.0);
    QCOMPARE(plain.size(), logicalSize);
}

// A generator that drew the same symbol into every file would pass every
// per-picture check above.
void TestGlyphPictures::glyphsAreAllDifferent() {
    std::vector<QImage> images;
    for (const GlyphPicture& glyph : GlyphPictures) {
        images.emplace_back(resourcePath(glyph.path));
    }
    for (std::size_t i = 0; i < images.size(); ++i) {
        for (std::size_t j = i + 1; j < images.size(); ++j) {
            if (images[i].size() != images[j].size()) {
                continue;
            }
            QVERIFY2(meanGrayDifference(images[i], images[j]) >= SameGlyphDifference,
                     qPrintable(QStringLiteral("%1 looks like %2")
                                    .arg(QString::fromLatin1(GlyphPictures[i].path),
                                         QString::fromLatin1(GlyphPictures[j].path))));
        }
    }
}

void TestGlyphPictures::programIcon_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("size");

    QTest::newRow("32") << QStringLiteral(":/icons/orbelle-32.png") << 32;
    QTest::newRow("64") << QStringLiteral(":/icons/orbelle-64.png") << 64;
}

void TestGlyphPictures::programIcon() {
    QFETCH(QString, path);
    QFETCH(int, size);

    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path + QStringLiteral(" does not load")));
    QCOMPARE(image.size(), QSize(size, size));

    // The emblem is round on a transparent ground, so it sits on any panel.
    QVERIFY(image.hasAlphaChannel());
    for (const QRgb corner : corners(image)) {
        QCOMPARE(qAlpha(corner), 0);
    }
    QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
}

QTEST_MAIN(TestGlyphPictures)
#include "tst_glyphpictures.moc"

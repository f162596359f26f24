// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the zodiac sign and planet pictures and the program icon that Orbelle
// embeds. The pictures are committed, so this runs only when their look has to
// change; the app itself never depends on a symbol font being installed.

#include <QByteArray>
#include <QColor>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QRawFont>
#include <QSaveFile>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <optional>
#include <vector>

#ifndef GLYPHGEN_DEFAULT_OUTPUT_DIR
#define GLYPHGEN_DEFAULT_OUTPUT_DIR "resources"
#endif
#ifndef GLYPHGEN_DEFAULT_FONT_FILE
#define GLYPHGEN_DEFAULT_FONT_FILE "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
#endif

namespace {

struct GlyphPicture {
    const char* folder; // below glyphs/
    const char* baseName;
    char32_t codePoint;
    int width; // at 1x
    int height;
};

// Sizes are at 1x and roughly follow each symbol's own proportions, so the
// glyph fills its picture instead of floating in white space.
const GlyphPicture Pictures[] = {
    {"signs", "01aries", U'\u2648', 40, 36},       {"signs", "02taurus", U'\u2649', 40, 36},
    {"signs", "03gemini", U'\u264A', 40, 36},      {"signs", "04cancer", U'\u264B', 40, 36},
    {"signs", "05leo", U'\u264C', 40, 36},         {"signs", "06virgo", U'\u264D', 40, 36},
    {"signs", "07libra", U'\u264E', 40, 36},       {"signs", "08scorpio", U'\u264F', 40, 36},
    {"signs", "09sagittarius", U'\u2650', 40, 36}, {"signs", "10capricorn", U'\u2651', 40, 36},
    {"signs", "11aquarius", U'\u2652', 40, 36},    {"signs", "12pisces", U'\u2653', 40, 36},
    {"planets", "01sun", U'\u2609', 40, 41},       {"planets", "02moon", U'\u263D', 39, 53},
    {"planets", "03jupiter", U'\u2643', 36, 33},   {"planets", "04mercury", U'\u263F', 36, 33},
    {"planets", "05venus", U'\u2640', 30, 30},     {"planets", "06mars", U'\u2642', 36, 33},
    {"planets", "07saturn", U'\u2644', 36, 33},    {"planets", "08uranus", U'\u2645', 30, 30},
    {"planets", "09neptune", U'\u2646', 30, 30},   {"planets", "10pluto", U'\u2647', 30, 30},
};

// White border kept around the glyph at 1x; it doubles with the 2x twin.
constexpr int GlyphMargin = 2;

const int IconSizes[] = {32, 64, 128, 256};

// A fixed resolution keeps the PNG bytes independent of the screen the tool
// happens to run on.
constexpr int DotsPerMeter = 3780; // 96 dpi

// Large enough that the outline keeps every curve detail before it is scaled
// down to a few dozen pixels.
constexpr int OutlinePixelSize = 512;

void fail(const QString& message) {
    std::fprintf(stderr, "glyphgen: %s\n", qPrintable(message));
}

QString codePointName(char32_t codePoint) {
    return QStringLiteral("U+%1").arg(static_cast<uint>(codePoint), 4, 16, QLatin1Char('0')).toUpper();
}

bool writeImage(QImage image, const QString& filePath) {
    image.setDotsPerMeterX(DotsPerMeter);
    image.setDotsPerMeterY(DotsPerMeter);
    QImageWriter writer(filePath, "png");
    if (!writer.write(image)) {
        fail(QStringLiteral("cannot write %1: %2").arg(filePath, writer.errorString()));
        return false;
    }
    return true;
}

bool writeText(const QString& text, const QString& filePath) {
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
        fail(QStringLiteral("cannot write %1: %2").arg(filePath, file.errorString()));
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// Glyph pictures

// Scaling the outline by its own bounding box, not by font metrics, is what
// lets a wide Capricorn and a narrow Mercury both fill their picture.
QImage renderGlyph(const QPainterPath& outline, int width, int height, int margin) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);

    const QRectF bounds = outline.boundingRect();
    const qreal scale = std::min((width - 2 * margin) / bounds.width(), (height - 2 * margin) / bounds.height());

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(width / 2.0, height / 2.0);
    painter.scale(scale, scale);
    painter.translate(-bounds.center());
    painter.fillPath(outline, Qt::black);
    painter.end();
    return image;
}

// Checks every glyph before anything is written, so a wrong font never leaves
// a half-regenerated set behind.
bool checkGlyphCoverage(const QRawFont& rawFont, const QString& fontFile) {
    bool complete = true;
    for (const GlyphPicture& picture : Pictures) {
        if (!rawFont.supportsCharacter(picture.codePoint)) {
            fail(QStringLiteral("font %1 (%2) has no glyph for %3, needed for %4")
                     .arg(rawFont.familyName(), fontFile, codePointName(picture.codePoint),
                          QString::fromLatin1(picture.baseName)));
            complete = false;
        }
    }
    return complete;
}

// QFont picks fonts by name, and the file given on the command line usually
// shares its family with installed fonts (DejaVuSans-Bold.ttf is "DejaVu Sans"
// too). Comparing the font header tables proves the font QFont settled on is
// the very file that was asked for.
std::optional<QFont> loadGlyphFont(const QString& fontFile) {
    if (!QFileInfo::exists(fontFile)) {
        fail(QStringLiteral("font file %1 does not exist").arg(fontFile));
        return std::nullopt;
    }
    const QRawFont fileFont(fontFile, OutlinePixelSize, QFont::PreferNoHinting);
    if (!fileFont.isValid() || QFontDatabase::addApplicationFont(fontFile) < 0) {
        fail(QStringLiteral("cannot load font file %1").arg(fontFile));
        return std::nullopt;
    }
    if (!checkGlyphCoverage(fileFont, fontFile)) {
        return std::nullopt;
    }

    QFont font(fileFont.familyName());
    font.setStyleName(fileFont.styleName());
    font.setWeight(static_cast<QFont::Weight>(fileFont.weight()));
    font.setStyle(fileFont.style());
    font.setPixelSize(OutlinePixelSize);
    font.setHintingPreference(QFont::PreferNoHinting);
    // Without this Qt would happily borrow a symbol from a colour emoji font,
    // and the pictures must show the plain text-style glyphs of this font.
    font.setStyleStrategy(QFont::NoFontMerging);

    const QRawFont resolved = QRawFont::fromFont(font);
    const QByteArray headTable = fileFont.fontTable("head");
    if (headTable.isEmpty() || resolved.fontTable("head") != headTable) {
        fail(QStringLiteral("font %1 %2 from %3 resolved to a different font file (%4 %5)")
                 .arg(fileFont.familyName(), fileFont.styleName(), fontFile, resolved.familyName(),
                      resolved.styleName()));
        return std::nullopt;
    }
    return font;
}

bool writeGlyphPictures(const QFont& font, const QDir& outputDir) {
    for (const GlyphPicture& picture : Pictures) {
        QPainterPath outline;
        outline.addText(0, 0, font, QString::fromUcs4(&picture.codePoint, 1));
        if (outline.isEmpty() || outline.boundingRect().isEmpty()) {
            fail(QStringLiteral("glyph %1 has an empty outline").arg(codePointName(picture.codePoint)));
            return false;
        }

        const QString folder = QStringLiteral("glyphs/") + QString::fromLatin1(picture.folder);
        if (!outputDir.mkpath(folder)) {
            fail(QStringLiteral("cannot create %1").arg(outputDir.filePath(folder)));
            return false;
        }
        const QString stem = outputDir.filePath(folder + QLatin1Char('/') + QString::fromLatin1(picture.baseName));

        // The 2x twin is drawn from the outline again rather than upscaled, so
        // high-DPI screens get genuinely sharper strokes.
        const QImage normal = renderGlyph(outline, picture.width, picture.height, GlyphMargin);
        const QImage doubled = renderGlyph(outline, 2 * picture.width, 2 * picture.height, 2 * GlyphMargin);
        if (!writeImage(normal, stem + QStringLiteral(".png")) ||
            !writeImage(doubled, stem + QStringLiteral("@2x.png"))) {
            return false;
        }
    }
    return true;
}

// ---------------------------------------------------------------------------
// Program icon
//
// A zodiac wheel around a gold star. The same geometry feeds both the raster
// sizes and the SVG, so the two can never drift apart. Units are those of the
// 256 x 256 SVG canvas.

constexpr qreal Centre = 128.0;
constexpr qreal WheelRadius = 120.0;
constexpr qreal HubRadius = 92.0; // the dark band between hub and wheel is the ring
constexpr qreal TickInnerRadius = 97.0;
constexpr qreal TickOuterRadius = 115.0;
constexpr qreal TickWidth = 11.0;
constexpr int StarPoints = 8;
constexpr qreal StarOuterRadius = 64.0;
constexpr qreal StarInnerRadius = 28.0;

const QColor DarkGreen(0, 64, 0);
const QColor Green(0, 128, 0);
const QColor Gold(255, 180, 4);

constexpr qreal Pi = 3.14159265358979323846;

QPointF polar(qreal radius, qreal degrees) {
    const qreal radians = degrees * Pi / 180.0;
    return {Centre + radius * std::cos(radians), Centre + radius * std::sin(radians)};
}

struct Tick {
    QPointF inner;
    QPointF outer;
};

// One tick per sign boundary, starting on the horizontal axis where a chart
// puts the ascendant.
std::vector<Tick> wheelTicks() {
    std::vector<Tick> ticks;
    for (int i = 0; i < 12; ++i) {
        ticks.push_back({polar(TickInnerRadius, 30.0 * i), polar(TickOuterRadius, 30.0 * i)});
    }
    return ticks;
}

QPolygonF starOutline() {
    QPolygonF star;
    for (int i = 0; i < 2 * StarPoints; ++i) {
        const qreal radius = (i % 2 == 0) ? StarOuterRadius : StarInnerRadius;
        star << polar(radius, -90.0 + i * 180.0 / StarPoints);
    }
    return star;
}

QImage renderIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 256.0, size / 256.0);

    painter.setPen(Qt::NoPen);
    painter.setBrush(DarkGreen);
    painter.drawEllipse(QPointF(Centre, Centre), WheelRadius, WheelRadius);
    painter.setBrush(Green);
    painter.drawEllipse(QPointF(Centre, Centre), HubRadius, HubRadius);

    painter.setPen(QPen(Gold, TickWidth, Qt::SolidLine, Qt::FlatCap));
    for (const Tick& tick : wheelTicks()) {
        painter.drawLine(tick.inner, tick.outer);
    }

    painter.setPen(Qt::NoPen);
    painter.setBrush(Gold);
    painter.drawPolygon(starOutline());
    painter.end();

    return image.convertToFormat(QImage::Format_ARGB32);
}

// Two decimals are far below what any renderer can show at 256 units, and a
// short fixed form keeps the file diff-friendly.
QString svgNumber(qreal value) {
    QString text = QString::number(value, 'f', 2);
    while (text.endsWith(QLatin1Char('0'))) {
        text.chop(1);
    }
    if (text.endsWith(QLatin1Char('.'))) {
        text.chop(1);
    }
    return text == QStringLiteral("-0") ? QStringLiteral("0") : text;
}

QString svgColour(const QColor& colour) {
    return colour.name(QColor::HexRgb);
}

// Fills say stroke="none" explicitly: the SVG default already is none, but at
// least one common converter outlines unstroked shapes in black otherwise.
QString iconSvg() {
    QString svg;
    svg += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    svg += QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" "
                          "width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n");
    svg += QStringLiteral("  <title>Orbelle</title>\n");
    svg += QStringLiteral("  <circle cx=\"%1\" cy=\"%1\" r=\"%2\" fill=\"%3\" stroke=\"none\"/>\n")
               .arg(svgNumber(Centre), svgNumber(WheelRadius), svgColour(DarkGreen));
    svg += QStringLiteral("  <circle cx=\"%1\" cy=\"%1\" r=\"%2\" fill=\"%3\" stroke=\"none\"/>\n")
               .arg(svgNumber(Centre), svgNumber(HubRadius), svgColour(Green));
    svg += QStringLiteral("  <g stroke=\"%1\" stroke-width=\"%2\" stroke-linecap=\"butt\">\n")
               .arg(svgColour(Gold), svgNumber(TickWidth));
    for (const Tick& tick : wheelTicks()) {
        svg += QStringLiteral("    <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\"/>\n")
                   .arg(svgNumber(tick.inner.x()), svgNumber(tick.inner.y()), svgNumber(tick.outer.x()),
                        svgNumber(tick.outer.y()));
    }
    svg += QStringLiteral("  </g>\n");
    QStringList points;
    for (const QPointF& point : starOutline()) {
        points << svgNumber(point.x()) + QLatin1Char(',') + svgNumber(point.y());
    }
    svg += QStringLiteral("  <polygon fill=\"%1\" stroke=\"none\" points=\"%2\"/>\n")
               .arg(svgColour(Gold), points.join(QLatin1Char(' ')));
    svg += QStringLiteral("</svg>\n");
    return svg;
}

bool writeIcons(const QDir& outputDir) {
    if (!outputDir.mkpath(QStringLiteral("icons"))) {
        fail(QStringLiteral("cannot create %1").arg(outputDir.filePath(QStringLiteral("icons"))));
        return false;
    }
    for (const int size : IconSizes) {
        if (!writeImage(renderIcon(size), outputDir.filePath(QStringLiteral("icons/orbelle-%1.png").arg(size)))) {
            return false;
        }
    }
    return writeText(iconSvg(), outputDir.filePath(QStringLiteral("icons/orbelle.svg")));
}

} // namespace

int main(int argc, char* argv[]) {
    // Rendering needs no window, and the tool must also run where there is no
    // display at all.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("glyphgen"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Draws Orbelle's zodiac and planet glyph pictures and the program icon."));
    parser.addHelpOption();
    const QCommandLineOption fontOption(QStringLiteral("font"),
                                        QStringLiteral("Font file to draw the glyphs from (default: %1).")
                                            .arg(QStringLiteral(GLYPHGEN_DEFAULT_FONT_FILE)),
                                        QStringLiteral("file"), QStringLiteral(GLYPHGEN_DEFAULT_FONT_FILE));
    parser.addOption(fontOption);
    parser.addPositionalArgument(QStringLiteral("output"),
                                 QStringLiteral("Resources folder to write into (default: %1).")
                                     .arg(QStringLiteral(GLYPHGEN_DEFAULT_OUTPUT_DIR)),
                                 QStringLiteral("[output]"));
    parser.process(app);

    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        fail(QStringLiteral("expected at most one output folder"));
        return 2;
    }
    const QString outputPath = positional.isEmpty() ? QStringLiteral(GLYPHGEN_DEFAULT_OUTPUT_DIR) : positional.first();
    const QString fontFile = parser.value(fontOption);

    const std::optional<QFont> font = loadGlyphFont(fontFile);
    if (!font) {
        return 1;
    }

    QDir outputDir(outputPath);
    if (!outputDir.mkpath(QStringLiteral("."))) {
        fail(QStringLiteral("cannot create output folder %1").arg(outputPath));
        return 1;
    }
    if (!writeGlyphPictures(*font, outputDir) || !writeIcons(outputDir)) {
        return 1;
    }

    std::printf("glyphgen: wrote %d glyph pictures (with 2x twins) and the icon set into %s\n",
                static_cast<int>(std::size(Pictures)), qPrintable(QDir::toNativeSeparators(outputDir.absolutePath())));
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The drawings: colours from the name's hash, fitted titles and a few simple scenes.
#include "ArtPainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace artgen {
namespace {

/// A small deterministic generator, seeded by the name's hash.
class Rng {
public:
    explicit Rng(std::uint32_t seed) : state_(seed == 0 ? 0x9e3779b9u : seed) {}

    std::uint32_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }

    /// A whole number from `low` to `high`, both included.
    int range(int low, int high) {
        return low + static_cast<int>(next() % static_cast<std::uint32_t>(high - low + 1));
    }

private:
    std::uint32_t state_;
};

/// The colours of one game: a main hue and an accent hue some way round the circle.
struct Palette {
    int hue = 0;
    int accentHue = 0;

    QColor main(int saturation, int value, int alpha = 255) const {
        return QColor::fromHsv(hue, saturation, value, alpha);
    }
    QColor accent(int saturation, int value, int alpha = 255) const {
        return QColor::fromHsv(accentHue, saturation, value, alpha);
    }
};

Palette paletteOf(const Game& game) {
    Palette palette;
    palette.hue = static_cast<int>(game.hash % 360);
    palette.accentHue = (palette.hue + 140 + static_cast<int>((game.hash >> 12) % 80)) % 360;
    return palette;
}

QFont fontOf(const char* family, double pixels, bool bold) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

/// A title broken into at most `maxLines` lines that fit `box` (lines `lineSpacing` times the
/// font's height apart), at the largest pixel size from `largest` down to `smallest` that
/// allows it; at the smallest size the last line is elided.
struct FittedText {
    QFont font;
    QStringList lines;
};

QStringList wrap(const QString& text, const QFontMetricsF& metrics, double width) {
    QStringList lines;
    QString line;
    for (const QString& word : text.split(' ', Qt::SkipEmptyParts)) {
        const QString candidate = line.isEmpty() ? word : line + ' ' + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
            lines << line;
            line = word;
        } else {
            line = candidate;
        }
    }
    if (!line.isEmpty()) {
        lines << line;
    }
    return lines;
}

FittedText fitText(const QString& text, const char* family, bool bold, const QSizeF& box,
                   int maxLines, int largest, int smallest, double lineSpacing = 1.0) {
    const double width = box.width();
    auto fitsAt = [&](int size, FittedText& fitted) {
        fitted.font = fontOf(family, size, bold);
        const QFontMetricsF metrics(fitted.font);
        fitted.lines = wrap(text, metrics, width);
        if (fitted.lines.size() > maxLines ||
            metrics.height() * lineSpacing * static_cast<double>(fitted.lines.size()) >
                box.height()) {
            return false;
        }
        for (const QString& line : fitted.lines) {
            if (metrics.horizontalAdvance(line) > width) {
                return false;
            }
        }
        return true;
    };
    // The largest size that fits, found by halving: a larger size never fits where a smaller
    // one does not.
    FittedText fitted;
    FittedText best;
    bool found = false;
    int low = smallest;
    int high = largest;
    while (low <= high) {
        const int size = (low + high) / 2;
        if (fitsAt(size, fitted)) {
            best = fitted;
            found = true;
            low = size + 1;
        } else {
            high = size - 1;
        }
    }
    if (found) {
        return best;
    }
    fitted.font = fontOf(family, smallest, bold);
    const QFontMetricsF metrics(fitted.font);
    QStringList lines = wrap(text, metrics, width);
    while (lines.size() > maxLines) {
        lines.removeLast();
    }
    for (QString& line : lines) {
        line = metrics.elidedText(line, Qt::ElideRight, width);
    }
    if (!lines.isEmpty() && lines.size() < wrap(text, metrics, width).size()) {
        lines.last() =
            metrics.elidedText(lines.last() + QStringLiteral(" \u2026"), Qt::ElideRight, width);
    }
    fitted.lines = lines;
    return fitted;
}

/// Draws fitted lines centred on `centreX`, the block centred on `centreY`, filled with `fill`
/// and outlined `outlineWidth` wide.
void drawOutlined(QPainter& painter, const FittedText& text, double centreX, double centreY,
                  const QBrush& fill, const QColor& outline, double outlineWidth,
                  double lineSpacing = 1.0) {
    const QFontMetricsF metrics(text.font);
    const double lineHeight = metrics.height() * lineSpacing;
    const double blockHeight = lineHeight * static_cast<double>(text.lines.size());
    double baseline =
        centreY - blockHeight / 2 + metrics.ascent() + (lineHeight - metrics.height()) / 2;
    QPainterPath path;
    for (const QString& line : text.lines) {
        path.addText(centreX - metrics.horizontalAdvance(line) / 2, baseline, text.font, line);
        baseline += lineHeight;
    }
    if (outlineWidth > 0) {
        painter.strokePath(path,
                           QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    painter.fillPath(path, fill);
}

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

/// Flyers and cabinets: the shape of a 300 x 420 poster, a little smaller to save time.
constexpr int kPosterWidth = 240;
constexpr int kPosterHeight = 336;

// --- Snap scenes, drawn at 160 x 120 ---

void sceneShooter(QPainter& p, Rng& rng, const Palette& palette) {
    const std::array<QColor, 3> rows = {palette.accent(200, 255), palette.main(150, 255),
                                        QColor(240, 240, 240)};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 8; ++column) {
            const int x = 22 + column * 15;
            const int y = 22 + row * 11;
            p.fillRect(x, y, 9, 5, rows[static_cast<std::size_t>(row)]);
            p.fillRect(x + 1, y + 5, 2, 2, rows[static_cast<std::size_t>(row)]);
            p.fillRect(x + 6, y + 5, 2, 2, rows[static_cast<std::size_t>(row)]);
            p.fillRect(x + 2, y + 1, 1, 1, Qt::black);
            p.fillRect(x + 6, y + 1, 1, 1, Qt::black);
        }
    }
    const int shipX = rng.range(30, 120);
    p.fillRect(shipX - 6, 104, 13, 4, QColor(90, 230, 255));
    p.fillRect(shipX - 2, 100, 5, 4, QColor(90, 230, 255));
    p.fillRect(shipX, 97, 1, 3, Qt::white);
    for (int shot = 0; shot < 3; ++shot) {
        p.fillRect(shipX, 88 - shot * 14, 1, 4, QColor(255, 255, 160));
    }
    for (int bunker = 0; bunker < 4; ++bunker) {
        p.fillRect(18 + bunker * 36, 88, 16, 6, palette.main(180, 200));
    }
}

void scenePlatform(QPainter& p, Rng& rng, const Palette& palette) {
    const QColor brick = palette.main(170, 190);
    const QColor mortar = palette.main(200, 90);
    for (int y = 104; y < 120; y += 4) {
        for (int x = (y / 4) % 2 * 4 - 4; x < 160; x += 8) {
            p.fillRect(x, y, 8, 4, mortar);
            p.fillRect(x + 1, y + 1, 7, 3, brick);
        }
    }
    for (int i = 0; i < 4; ++i) {
        const int x = rng.range(0, 120);
        const int y = 40 + i * 16;
        const int width = rng.range(24, 48);
        for (int bx = x; bx < x + width; bx += 8) {
            p.fillRect(bx, y, 8, 4, mortar);
            p.fillRect(bx + 1, y + 1, 7, 3, brick);
        }
        p.fillRect(x + width / 2, y - 7, 4, 4, QColor(255, 215, 60));
    }
    const int heroX = rng.range(20, 130);
    p.fillRect(heroX, 92, 6, 12, palette.accent(220, 240));
    p.fillRect(heroX + 1, 88, 4, 4, QColor(250, 210, 170));
    p.fillRect(heroX + 4, 89, 1, 1, Qt::black);
}

void sceneRacer(QPainter& p, Rng& rng, const Palette& palette) {
    p.fillRect(0, 60, 160, 60, palette.main(160, 120));
    QPolygon road;
    road << QPoint(74, 60) << QPoint(86, 60) << QPoint(150, 120) << QPoint(10, 120);
    p.setBrush(QColor(70, 70, 78));
    p.setPen(Qt::NoPen);
    p.drawPolygon(road);
    for (int i = 0; i < 6; ++i) {
        const double t = (i + 0.5) / 6.0;
        const int y = 60 + static_cast<int>(t * t * 60);
        const int h = std::max(1, static_cast<int>(t * 6));
        p.fillRect(79, y, std::max(1, static_cast<int>(t * 4)), h, Qt::white);
    }
    for (int i = 0; i < 6; ++i) {
        const int x = rng.range(0, 150);
        const int y = rng.range(62, 110);
        if (x > 60 && x < 100) {
            continue;
        }
        p.fillRect(x, y - 8, 3, 8, QColor(90, 60, 30));
        p.fillRect(x - 3, y - 14, 9, 7, palette.accent(150, 150));
    }
    const int carX = rng.range(55, 95);
    p.fillRect(carX, 100, 16, 8, palette.accent(230, 240));
    p.fillRect(carX + 3, 96, 10, 4, palette.accent(200, 180));
    p.fillRect(carX - 1, 106, 4, 4, Qt::black);
    p.fillRect(carX + 13, 106, 4, 4, Qt::black);
}

} // namespace

QImage paintMarquee(const Game& game) {
    const Palette palette = paletteOf(game);
    QImage image(512, 128, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient band(0, 0, 512, 0);
    band.setColorAt(0, palette.main(230, 60));
    band.setColorAt(0.5, palette.main(200, 170));
    band.setColorAt(1, palette.main(230, 60));
    p.fillRect(image.rect(), band);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 26));
    for (int x = -128; x < 512; x += 48) {
        p.drawPolygon(QPolygonF(
            {QPointF(x, 128), QPointF(x + 24, 128), QPointF(x + 152, 0), QPointF(x + 128, 0)}));
    }
    p.fillRect(0, 0, 512, 10, palette.accent(200, 220));
    p.fillRect(0, 118, 512, 10, palette.accent(200, 220));
    p.fillRect(0, 10, 512, 2, palette.accent(80, 255));
    p.fillRect(0, 116, 512, 2, palette.accent(80, 255));
    const FittedText title =
        fitText(qt(game.title).toUpper(), "DejaVu Sans", true, QSizeF(480, 100), 2, 64, 18, 0.95);
    QLinearGradient letters(0, 30, 0, 100);
    letters.setColorAt(0, QColor(255, 255, 235));
    letters.setColorAt(1, palette.accent(120, 255));
    drawOutlined(p, title, 256, 64, letters, palette.main(255, 30), 6, 0.95);
    return image;
}

QImage paintSnap(const Game& game) {
    const Palette palette = paletteOf(game);
    Rng rng(game.hash);
    QImage low(160, 120, QImage::Format_RGB32);
    {
        QPainter p(&low);
        QLinearGradient sky(0, 0, 0, 120);
        sky.setColorAt(0, palette.main(200, 25));
        sky.setColorAt(1, palette.accent(160, 90));
        p.fillRect(low.rect(), sky);
        for (int star = 0; star < 50; ++star) {
            const int level = rng.range(90, 255);
            p.fillRect(rng.range(0, 159), rng.range(0, 80), 1, 1, QColor(level, level, level));
        }
        switch (game.hash % 3) {
        case 0:
            sceneShooter(p, rng, palette);
            break;
        case 1:
            scenePlatform(p, rng, palette);
            break;
        default:
            sceneRacer(p, rng, palette);
            break;
        }
    }
    QImage image = low.scaled(320, 240, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QPainter p(&image);
    // The overlay is laid out on a 480 x 360 grid.
    p.scale(320.0 / 480.0, 240.0 / 360.0);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QFont hud = fontOf("DejaVu Sans Mono", 18, true);
    p.setFont(hud);
    const int score = static_cast<int>(game.hash % 9999) * 10;
    const int best = 50000 + static_cast<int>((game.hash >> 8) % 4999) * 10;
    p.setPen(QColor(255, 80, 80));
    p.drawText(QRectF(16, 6, 200, 24), Qt::AlignLeft, QStringLiteral("1UP"));
    p.drawText(QRectF(264, 6, 200, 24), Qt::AlignRight, QStringLiteral("HI-SCORE"));
    p.setPen(Qt::white);
    p.drawText(QRectF(16, 26, 200, 24), Qt::AlignLeft,
               QString::number(score).rightJustified(7, '0'));
    p.drawText(QRectF(264, 26, 200, 24), Qt::AlignRight,
               QString::number(best).rightJustified(7, '0'));
    const FittedText title =
        fitText(qt(game.title), "DejaVu Sans", true, QSizeF(440, 120), 2, 46, 16);
    drawOutlined(p, title, 240, 150, QColor(255, 250, 220), QColor(0, 0, 0, 220), 6);
    p.setFont(fontOf("DejaVu Sans Mono", 16, true));
    p.setPen(palette.accent(120, 255));
    p.drawText(QRectF(0, 300, 480, 24), Qt::AlignHCenter, QStringLiteral("PUSH START BUTTON"));
    if (!game.subtitle.empty()) {
        p.setFont(fontOf("DejaVu Sans Mono", 13, false));
        p.setPen(QColor(220, 220, 220));
        p.drawText(QRectF(10, 328, 460, 22), Qt::AlignHCenter,
                   QFontMetricsF(p.font()).elidedText(QStringLiteral("\u00a9 ") + qt(game.subtitle),
                                                      Qt::ElideRight, 460));
    }
    return image;
}

QImage paintFlyer(const Game& game) {
    const Palette palette = paletteOf(game);
    Rng rng(game.hash ^ 0xf1e7u);
    QImage image(kPosterWidth, kPosterHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kPosterWidth / 300.0, kPosterHeight / 420.0); // drawn on a 300 x 420 grid
    QLinearGradient back(0, 0, 0, 420);
    back.setColorAt(0, palette.main(170, 235));
    back.setColorAt(1, palette.main(230, 50));
    p.fillRect(QRectF(0, 0, 300, 420), back);
    const QPointF sun(rng.range(90, 210), rng.range(200, 260));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 34));
    for (int ray = 0; ray < 18; ray += 2) {
        const double a0 = ray * std::numbers::pi / 9;
        const double a1 = (ray + 1) * std::numbers::pi / 9;
        p.drawPolygon(QPolygonF({sun, sun + QPointF(600 * std::cos(a0), 600 * std::sin(a0)),
                                 sun + QPointF(600 * std::cos(a1), 600 * std::sin(a1))}));
    }
    QRadialGradient planet(sun - QPointF(20, 20), 110);
    planet.setColorAt(0, palette.accent(60, 255));
    planet.setColorAt(1, palette.accent(230, 120));
    p.setBrush(planet);
    p.drawEllipse(sun, 78, 78);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(palette.accent(100, 255, 150), 3));
    p.drawEllipse(sun, 118, 26);

    const FittedText title =
        fitText(qt(game.title).toUpper(), "DejaVu Sans", true, QSizeF(268, 140), 3, 50, 16, 0.92);
    QLinearGradient letters(0, 20, 0, 130);
    letters.setColorAt(0, Qt::white);
    letters.setColorAt(1, QColor(255, 230, 120));
    drawOutlined(p, title, 150, 84, letters, palette.main(255, 25), 7, 0.92);

    p.fillRect(0, 352, 300, 68, QColor(0, 0, 0, 170));
    static const char* const kTags[] = {"NOW IN ARCADES!", "1 OR 2 PLAYERS", "INSERT COIN",
                                        "THE ULTIMATE CHALLENGE", "COMING SOON"};
    p.setFont(fontOf("DejaVu Sans", 17, true));
    p.setPen(palette.accent(120, 255));
    p.drawText(QRectF(0, 356, 300, 28), Qt::AlignHCenter,
               QString::fromLatin1(kTags[(game.hash >> 5) % 5]));
    if (!game.subtitle.empty()) {
        p.setFont(fontOf("DejaVu Sans", 12, false));
        p.setPen(QColor(235, 235, 235));
        p.drawText(QRectF(8, 386, 284, 22), Qt::AlignHCenter,
                   QFontMetricsF(p.font()).elidedText(qt(game.subtitle), Qt::ElideRight, 284));
    }
    p.setPen(QPen(QColor(255, 255, 255, 220), 6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(3, 3, 294, 414));
    return image;
}

QImage paintCabinet(const Game& game, const QImage& snap) {
    const Palette palette = paletteOf(game);
    QImage image(kPosterWidth, kPosterHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kPosterWidth / 300.0, kPosterHeight / 420.0); // drawn on a 300 x 420 grid
    const QPen edge(QColor(15, 10, 10), 2);
    p.setPen(edge);

    // The side, seen a little from the left, then the front.
    p.setBrush(palette.main(220, 70));
    p.drawPolygon(
        QPolygonF({QPointF(26, 30), QPointF(60, 14), QPointF(60, 404), QPointF(26, 412)}));
    p.setBrush(palette.accent(200, 200));
    p.drawPolygon(
        QPolygonF({QPointF(26, 250), QPointF(60, 232), QPointF(60, 300), QPointF(26, 322)}));
    QLinearGradient front(60, 0, 274, 0);
    front.setColorAt(0, palette.main(200, 120));
    front.setColorAt(1, palette.main(220, 80));
    p.setBrush(front);
    p.drawRect(QRectF(60, 14, 214, 390));

    // The lit marquee.
    QLinearGradient light(0, 20, 0, 72);
    light.setColorAt(0, palette.accent(60, 255));
    light.setColorAt(1, palette.accent(160, 230));
    p.setBrush(light);
    p.drawRect(QRectF(66, 20, 202, 52));
    const FittedText name =
        fitText(qt(game.title).toUpper(), "DejaVu Sans", true, QSizeF(190, 48), 2, 26, 9, 0.9);
    drawOutlined(p, name, 167, 46, palette.main(255, 40), Qt::transparent, 0, 0.9);

    // The screen in its bezel, showing the snap, with a glare.
    p.setBrush(QColor(12, 12, 14));
    p.drawRect(QRectF(68, 82, 198, 150));
    const QRectF screen(80, 94, 174, 126);
    if (!snap.isNull()) {
        p.drawImage(screen, snap);
    } else {
        p.fillRect(screen, palette.main(150, 40));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawPolygon(
        QPolygonF({screen.topLeft(), screen.topLeft() + QPointF(70, 0),
                   screen.topLeft() + QPointF(20, 60), screen.topLeft() + QPointF(0, 60)}));

    // The control panel with a stick and three buttons.
    p.setPen(edge);
    p.setBrush(palette.accent(190, 170));
    p.drawPolygon(
        QPolygonF({QPointF(56, 240), QPointF(278, 240), QPointF(292, 286), QPointF(44, 286)}));
    p.setBrush(palette.accent(200, 110));
    p.drawRect(QRectF(44, 286, 248, 12));
    p.setBrush(QColor(20, 20, 20));
    p.drawEllipse(QPointF(112, 266), 10, 5);
    p.setPen(QPen(QColor(30, 30, 30), 4));
    p.drawLine(QPointF(112, 266), QPointF(108, 250));
    p.setPen(edge);
    p.setBrush(QColor(220, 30, 30));
    p.drawEllipse(QPointF(108, 248), 8, 8);
    const std::array<QColor, 3> buttons = {QColor(250, 220, 40), QColor(40, 160, 250),
                                           QColor(60, 220, 90)};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(buttons[static_cast<std::size_t>(i)]);
        p.drawEllipse(QPointF(172 + i * 26, 264 - (i == 1 ? 4 : 0)), 8, 6);
    }

    // The coin door and the kick plate.
    p.setBrush(QColor(40, 36, 40));
    p.drawRect(QRectF(130, 318, 76, 66));
    p.setBrush(QColor(255, 140, 30));
    p.drawRect(QRectF(146, 330, 10, 18));
    p.drawRect(QRectF(180, 330, 10, 18));
    p.setBrush(QColor(15, 12, 12));
    p.drawRect(QRectF(60, 392, 214, 12));
    return image;
}

} // namespace artgen

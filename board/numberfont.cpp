// SPDX-License-Identifier: GPL-3.0-or-later
#include "numberfont.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

constexpr int referenceSize = 64;  // the outline drawn, scaled down, for tiny numbers
constexpr int smallestHinted = 6;  // below this, hinted metrics stray from the outline's

// The nominal size is the cell size less six pixels. Cells of seven pixels
// or fewer would have none; they get the one pixel of a seven-pixel cell, so
// that zooming in from them never shrinks a number.
qreal nominalSize(int cellSize)
{
    return std::max(cellSize - 6, 1);
}

}  // namespace

NumberFont::NumberFont(int cellSize)
{
    setCellSize(cellSize);
}

void NumberFont::setCellSize(int cellSize)
{
    size = cellSize;
    for (auto &byDigits : looks)
        byDigits.fill(Look());
}

QFont NumberFont::font(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::Monospace, QFont::PreferDefault);
    f.setStyleName(QString());
    f.setPixelSize(pixelSize);
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    f.setStyle(QFont::StyleNormal);
    f.setUnderline(false);
    f.setOverline(false);
    f.setStrikeOut(false);
    f.setFixedPitch(true);
    f.setStretch(QFont::Unstretched);
    f.setKerning(false);
    f.setCapitalization(QFont::MixedCase);
    f.setLetterSpacing(QFont::PercentageSpacing, 100);
    f.setWordSpacing(0);
    f.setHintingPreference(QFont::PreferDefaultHinting);
    return f;
}

const NumberFont::Metrics &NumberFont::metrics(int pixelSize, bool bold)
{
    auto &known = measured[bold ? 1 : 0];
    const auto found = known.find(pixelSize);
    if (found != known.end())
        return found->second;
    const QFontMetricsF m(font(pixelSize, bold));
    Metrics result;
    for (char c = '0'; c <= '9'; ++c)
        result.digitInk |= m.tightBoundingRect(QString(QLatin1Char(c)));
    result.advance = m.horizontalAdvance(QLatin1Char('0'));  // monospaced: every digit alike
    result.ascent = m.ascent();
    result.height = m.height();
    return known.emplace(pixelSize, result).first->second;
}

// Where a hinted number starts, on whole pixels as the raster engine draws
// it: its box centred in the square's interior (inside the outline, which
// takes the square's first row and column). False when any ink would fall
// outside that interior.
bool NumberFont::placeHinted(int pixelSize, int digits, bool bold, QPointF &origin)
{
    const Metrics &m = metrics(pixelSize, bold);
    origin = QPointF(std::round(1 + (size - 1 - m.advance * digits) / 2),
                     std::round(1 + (size - 1 - m.height) / 2 + m.ascent));
    const QRectF ink(
        QPointF(origin.x() + m.digitInk.left(), origin.y() + m.digitInk.top()),
        QPointF(origin.x() + m.advance * (digits - 1) + m.digitInk.right(), origin.y() + m.digitInk.bottom()));
    return std::floor(ink.left()) >= 1 && std::floor(ink.top()) >= 1 && std::ceil(ink.right()) <= size
           && std::ceil(ink.bottom()) <= size;
}

// The largest size up to the nominal one whose ink stays inside the outline:
// whole pixels while hinting keeps tiny metrics true, a scaled outline below
// that. Whatever fits a cell also fits every larger cell, so sizes only grow
// with the cell.
NumberFont::Look NumberFont::measure(int digits, bool bold)
{
    const qreal nominal = nominalSize(size);
    Look l;
    for (int pixels = int(nominal); pixels >= smallestHinted; --pixels) {
        if (placeHinted(pixels, digits, bold, l.origin)) {
            l.font = font(pixels, bold);
            l.size = pixels;
            return l;
        }
    }
    // Below that, the number is drawn as an outline, whose ink is exactly
    // its path: centred in the interior and scaled to fit it.
    QRectF ink;
    l.font = font(referenceSize, bold);
    for (char c = '0'; c <= '9'; ++c) {
        QPainterPath path;
        path.addText(QPointF(), l.font, QString(digits, QLatin1Char(c)));
        ink |= path.boundingRect();
    }
    const qreal room = size - 1 - 0.02;  // the interior, less a rounding error's worth
    const qreal fitting = referenceSize * std::min(room / ink.width(), room / ink.height());
    l.size = std::min({nominal, fitting, qreal(smallestHinted)});
    l.scale = l.size / referenceSize;
    l.origin = -ink.center();
    return l;
}

const NumberFont::Look &NumberFont::look(int digits, bool bold)
{
    Look &l = looks[bold ? 1 : 0][std::size_t(std::clamp(digits, 1, 10))];
    if (l.size == 0)
        l = measure(digits, bold);
    return l;
}

qreal NumberFont::pixelSize(int digits, bool bold)
{
    return look(digits, bold).size;
}

void NumberFont::draw(QPainter &painter, const QRect &square, quint32 number, bool bold)
{
    const QString text = QString::number(number);
    const Look &l = look(int(text.size()), bold);
    painter.setFont(l.font);
    if (l.scale == 1) {
        painter.drawText(square.topLeft() + l.origin, text);
        return;
    }
    QPainterPath path;
    path.addText(l.origin, l.font, text);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(square.x() + (square.width() + 1) / 2.0, square.y() + (square.height() + 1) / 2.0);
    painter.scale(l.scale, l.scale);
    painter.fillPath(path, painter.pen().color());
    painter.restore();
}

#include "numberfont.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int referenceSize = 64;  // large enough for true metrics, scaled down for tiny numbers
constexpr int smallestHinted = 6;  // below this, hinted metrics stray from the outline's

// Where the ink of `digits` digits lies, relative to the centre of the box
// that Qt centres in a square (advance by line height).
QRectF digitsInk(const QFont &font, int digits)
{
    const QFontMetricsF metrics(font);
    QRectF oneDigit;  // the ink of any one digit, from its origin on the baseline
    for (char c = '0'; c <= '9'; ++c)
        oneDigit |= metrics.tightBoundingRect(QString(QLatin1Char(c)));
    const qreal advance = metrics.horizontalAdvance(QLatin1Char('0'));  // monospaced: every digit alike
    const qreal left = -advance * digits / 2, baseline = -metrics.height() / 2 + metrics.ascent();
    return QRectF(QPointF(left + oneDigit.left(), baseline + oneDigit.top()),
                  QPointF(left + advance * (digits - 1) + oneDigit.right(), baseline + oneDigit.bottom()));
}

// Ink fits when it stays within `half` pixels either side of the square's centre.
bool fitsSquare(const QRectF &ink, qreal half)
{
    return ink.left() >= -half && ink.right() <= half && ink.top() >= -half && ink.bottom() <= half;
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

QFont NumberFont::font(int pixelSize, bool bold) const
{
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::Monospace);
    f.setPixelSize(pixelSize);
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    return f;
}

// The nominal size where the number fits; otherwise the largest size that
// fits: whole pixels while hinting keeps tiny metrics true, a scaled outline
// below that.
NumberFont::Look NumberFont::measure(int digits, bool bold) const
{
    // The nominal font fits if its ink stays off the outline; a shrunk one
    // keeps a pixel more, since Qt places text on whole pixels.
    const int nominal = size - 6;
    const auto fits = [&](int pixels, qreal half) { return fitsSquare(digitsInk(font(pixels, bold), digits), half); };
    if (nominal >= 1 && fits(nominal, size / 2.0 - 0.5))
        return {font(nominal, bold), 1.0};

    const qreal half = std::max(size / 2.0 - 2, size / 4.0);
    const QRectF reference = digitsInk(font(referenceSize, bold), digits);
    const qreal fitting =
        referenceSize * half / std::max({-reference.left(), reference.right(), -reference.top(), reference.bottom()});
    int pixels = int(std::floor(nominal >= 1 ? std::min<qreal>(nominal, fitting) : fitting));
    while (pixels >= smallestHinted && !fits(pixels, half))
        --pixels;
    if (pixels >= smallestHinted)
        return {font(pixels, bold), 1.0};
    return {font(referenceSize, bold), fitting / referenceSize};
}

const NumberFont::Look &NumberFont::look(int digits, bool bold)
{
    Look &l = looks[bold ? 1 : 0][std::size_t(std::clamp(digits, 1, 10))];
    if (l.scale == 0)
        l = measure(digits, bold);
    return l;
}

void NumberFont::draw(QPainter &painter, const QRect &square, quint32 number, bool bold)
{
    const QString text = QString::number(number);
    const Look &l = look(int(text.size()), bold);
    painter.setFont(l.font);
    if (l.scale == 1.0) {
        painter.drawText(square, Qt::AlignCenter, text);
        return;
    }
    painter.save();
    painter.translate(QRectF(square).center());
    painter.scale(l.scale, l.scale);
    const qreal half = square.width() / 2.0 / l.scale;
    painter.drawText(QRectF(-half, -half, 2 * half, 2 * half), Qt::AlignCenter, text);
    painter.restore();
}

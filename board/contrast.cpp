// SPDX-License-Identifier: GPL-3.0-or-later
#include "contrast.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Linear light of each 8-bit sRGB channel value, worked out once.
const std::array<double, 256> &linearChannels()
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t{};
        for (std::size_t v = 0; v < t.size(); ++v) {
            const double c = double(v) / 255.0;
            t[v] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return t;
    }();
    return table;
}

}  // namespace

double relativeLuminance(QRgb colour)
{
    const auto &linear = linearChannels();
    return 0.2126 * linear[std::size_t(qRed(colour))] + 0.7152 * linear[std::size_t(qGreen(colour))]
           + 0.0722 * linear[std::size_t(qBlue(colour))];
}

double contrastRatio(QRgb a, QRgb b)
{
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// White or dark is decided once for a fill, against the usual dark grey, so
// that selecting a clue changes its weight and never its colour.
QColor numberPen(QRgb fill, bool selected)
{
    const QRgb darkGrey = qRgb(32, 32, 32), white = qRgb(255, 255, 255);
    if (contrastRatio(white, fill) > contrastRatio(darkGrey, fill))
        return QColor(white);
    return selected ? QColor(0, 0, 0) : QColor(darkGrey);
}

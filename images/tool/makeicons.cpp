// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the game's icons into the folder given on the command line.
// The PNGs are committed; run scripts/icons after changing a drawing.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cstdio>
#include <functional>

namespace {

const QColor ink(45, 52, 64);

QPainterPath starPath(QPointF centre, qreal outer, qreal inner)
{
    QPainterPath path;
    for (int k = 0; k < 10; ++k) {
        const qreal radius = k % 2 ? inner : outer;
        const qreal angle = -M_PI / 2 + k * M_PI / 5;
        const QPointF p = centre + QPointF(radius * qCos(angle), radius * qSin(angle));
        k == 0 ? path.moveTo(p) : path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

// The emblem: a little board cut into coloured rectangles, with a star.
void drawEmblem(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 9, 9);
    struct Block
    {
        QRectF rect;
        QColor colour;
    };
    const Block blocks[] = {
        {{6, 6, 30, 16}, QColor(217, 119, 113)},  {{40, 6, 18, 30}, QColor(120, 170, 220)},
        {{6, 26, 14, 32}, QColor(150, 200, 120)}, {{24, 26, 12, 14}, QColor(223, 113, 217)},
        {{24, 44, 34, 14}, QColor(240, 190, 90)},
    };
    for (const Block &b : blocks) {
        p.setBrush(b.colour);
        p.drawRoundedRect(b.rect, 2.5, 2.5);
    }
    p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 214, 64));
    p.drawPath(starPath(QPointF(36, 35), 17, 7.5));
    p.setPen(QPen(ink, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 9, 9);
}

void drawPlay(QPainter &p)
{
    p.setPen(QPen(QColor(30, 110, 50), 3));
    p.setBrush(QColor(70, 180, 90));
    p.drawEllipse(QRectF(4, 4, 56, 56));
    QPainterPath triangle;
    triangle.moveTo(25, 17);
    triangle.lineTo(47, 32);
    triangle.lineTo(25, 47);
    triangle.closeSubpath();
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(triangle);
}

void drawPrint(QPainter &p)
{
    p.setPen(QPen(ink, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(17, 5, 30, 20));  // paper going in
    p.setBrush(QColor(110, 125, 145));
    p.drawRoundedRect(QRectF(5, 22, 54, 26), 5, 5);  // body
    p.setBrush(Qt::white);
    p.drawRect(QRectF(17, 38, 30, 21));  // printed sheet
    p.setPen(Qt::NoPen);
    const QColor colours[] = {QColor(217, 119, 113), QColor(120, 170, 220), QColor(150, 200, 120)};
    for (int k = 0; k < 3; ++k) {
        p.setBrush(colours[k]);
        p.drawRect(QRectF(21 + 8 * k, 43, 6, 11));
    }
    p.setBrush(QColor(90, 220, 110));
    p.drawEllipse(QRectF(49, 27, 5, 5));
}

void drawQuit(QPainter &p)
{
    p.setPen(QPen(QColor(140, 30, 30), 3));
    p.setBrush(QColor(215, 65, 60));
    p.drawEllipse(QRectF(4, 4, 56, 56));
    p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(18, 18, 28, 28), 120 * 16, 300 * 16);
    p.drawLine(QPointF(32, 13), QPointF(32, 31));
}

void drawMagnifier(QPainter &p, bool plus)
{
    p.setPen(QPen(ink, 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(41, 41), QPointF(57, 57));
    p.setPen(QPen(ink, 4));
    p.setBrush(QColor(215, 235, 250));
    p.drawEllipse(QPointF(26, 26), 20, 20);
    p.setPen(QPen(QColor(30, 100, 180), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 26), QPointF(36, 26));
    if (plus)
        p.drawLine(QPointF(26, 16), QPointF(26, 36));
}

void drawHelp(QPainter &p)
{
    p.setPen(QPen(QColor(25, 75, 150), 3));
    p.setBrush(QColor(60, 130, 210));
    p.drawEllipse(QRectF(4, 4, 56, 56));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(40);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(4, 5, 56, 56), Qt::AlignCenter, QStringLiteral("?"));
}

bool render(const QString &path, int size, const std::function<void(QPainter &)> &draw)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / 64.0, size / 64.0);
    draw(p);
    p.end();
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("images"));
    bool ok = true;
    ok &= render(out.filePath("star.png"), 256, drawEmblem);  // the window icon: sharp on a 2x task bar
    ok &= render(out.filePath("varritqt.png"), 256, drawEmblem);
    ok &= render(out.filePath("play.png"), 64, drawPlay);
    ok &= render(out.filePath("print.png"), 64, drawPrint);
    ok &= render(out.filePath("quit.png"), 64, drawQuit);
    ok &= render(out.filePath("zoom_in.png"), 64, [](QPainter &p) { drawMagnifier(p, true); });
    ok &= render(out.filePath("zoom_out.png"), 64, [](QPainter &p) { drawMagnifier(p, false); });
    ok &= render(out.filePath("help.png"), 64, drawHelp);
    return ok ? 0 : 1;
}

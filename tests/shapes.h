#ifndef SHAPES_H
#define SHAPES_H

#include <QRandomGenerator>
#include <QString>

// The settings of the n-th random puzzle of a property check: square, wide,
// tall, one row or one column in turn, from sparse to crowded with seeds.
struct Shape
{
    quint32 rows, columns, seeds;
    QByteArray name;
};

inline Shape shape(quint32 n)
{
    QRandomGenerator random(n);
    const quint32 k = 1 + random.bounded(40u), kind = n % 5;
    const quint32 rows = kind == 3 ? 1 : kind == 2 ? 4 * k : k, columns = kind == 4 ? 1 : kind == 1 ? 4 * k : k;
    const quint32 seeds = random.bounded(rows * columns + 2);
    return {rows, columns, seeds, QString::asprintf("seed %u: %u x %u, %u seeds", n, rows, columns, seeds).toLatin1()};
}

#endif  // SHAPES_H

// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzlegrid.h"

#include "partition.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <random>
#include <utility>

namespace {

// s * 192 + 40, truncated toward zero; only the low byte is kept, so
// negative values wrap (-1 gives 255).
quint8 channel(double s)
{
    return quint8(qint32(s * 192.0 + 40.0));
}

quint64 splitMix(quint64 x)
{
    x += 0x9e3779b97f4a7c15ull;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
    return x ^ (x >> 31);
}

}  // namespace

PuzzleGrid::PuzzleGrid()
    : m_seedSource(&PuzzleGrid::freshSeed)
{ }

void PuzzleGrid::clear()
{
    for (Row &row : m_cells)
        row.clear();
    m_cells.clear();
    m_fields.clear();
}

Colour PuzzleGrid::paletteColour(float r, quint32 index, quint32 count)
{
    const double rr = r;
    const double i = index;
    const double n = count;
    Colour c;
    c.red = channel(std::sin(rr * 11 + ((i * 9.4247779752) / n) * 0.5));
    c.green = channel(std::sin(rr * 49 + ((i * 34.5575192424) / n) * 0.5));
    c.blue = channel(std::sin(rr * 3 + ((i * 153.9380402616) / n) * 0.5));
    // The wrap can land on white, which would read as unpainted and could
    // never be cleared: such a field is silver instead.
    if (c == blankColour)
        return Colour{192, 192, 192};
    return c;
}

void PuzzleGrid::preparePalette(quint32 count)
{
    const float r = float(rand());
    m_palette.clear();
    for (quint32 i = 0; i < count; ++i)
        m_palette.push_back(paletteColour(r, i, count));
}

Colour PuzzleGrid::takeColour()
{
    if (!m_palette.empty()) {
        const Colour c = m_palette.front();
        m_palette.pop_front();
        return c;
    }
    return randomColour(m_random);
}

Colour PuzzleGrid::randomColour(RandomSequence &random)
{
    Colour c;
    c.red = quint8(random.next() % 192 + 40);
    c.green = quint8(random.next() % 192 + 40);
    c.blue = quint8(random.next() % 192 + 40);
    return c;
}

void PuzzleGrid::generate(quint32 rows, quint32 columns, quint32 seeds)
{
    generate(rows, columns, seeds, nextSeed());
}

void PuzzleGrid::generate(quint32 rows, quint32 columns, quint32 seeds, quint32 seed)
{
    Partition attempt;
    attempt.generate(rows, columns, seeds, seed);
    attempt.writeTo(*this);
}

void PuzzleGrid::setSeedSource(std::function<quint32()> source)
{
    m_seedSource = source ? std::move(source) : std::function<quint32()>(&PuzzleGrid::freshSeed);
}

// A new value on every call, even for calls within one clock tick.
quint32 PuzzleGrid::freshSeed()
{
    static const quint64 processSalt = (quint64(std::random_device{}()) << 32) ^ std::random_device{}();
    static std::atomic<quint64> counter{0};
    const quint64 now = quint64(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    const quint64 n = counter.fetch_add(1, std::memory_order_relaxed);
    return quint32(splitMix(processSalt ^ splitMix(now) ^ (n * 0xd1b54a32d192ed03ull)) >> 32);
}

void PuzzleGrid::swapPuzzle(PuzzleGrid &other) noexcept
{
    m_cells.swap(other.m_cells);
    m_palette.swap(other.m_palette);
    m_fields.swap(other.m_fields);
}

// Whether a cell is blank is told by its colour alone, so a cell painted in
// the colour of blank counts as blank.
void PuzzleGrid::toggleMark(quint32 row, quint32 column, quint32 fromRow, quint32 fromColumn)
{
    Cell &cell = m_cells[row][column];
    if (cell.colour == blankColour) {
        const Cell &from = m_cells[fromRow][fromColumn];
        cell.colour = from.colour;
        cell.fieldId = from.fieldId;
    } else {
        cell.colour = blankColour;
        cell.fieldId = 0;
    }
}

bool PuzzleGrid::fieldSizesWithin(quint32 minFieldSize, quint32 maxFieldSize) const
{
    bool within = true;
    for (const Field &f : m_fields) {
        const quint32 area = m_cells[f.clueRow][f.clueColumn].area;
        if (area < minFieldSize || area > maxFieldSize)
            within = false;
    }
    return within;
}

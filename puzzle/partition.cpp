// SPDX-License-Identifier: GPL-3.0-or-later
#include "partition.h"

#include "puzzlegrid.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

enum Direction { Left = 0, Right = 1, Up = 2, Down = 3 };

// s * 192 + 40, truncated toward zero; only the low byte is kept, so
// negative values wrap (-1 gives 255).
quint8 channel(double s)
{
    return quint8(qint32(s * 192.0 + 40.0));
}

}  // namespace

Colour Partition::paletteColour(float phase, quint32 index, quint32 count)
{
    const double r = phase;
    const double i = index;
    const double n = count;
    Colour c;
    c.red = channel(std::sin(r * 11 + ((i * 9.4247779752) / n) * 0.5));
    c.green = channel(std::sin(r * 49 + ((i * 34.5575192424) / n) * 0.5));
    c.blue = channel(std::sin(r * 3 + ((i * 153.9380402616) / n) * 0.5));
    // The wrap can land on white, which would read as unpainted and could
    // never be cleared: such a field is silver instead.
    if (c == blankColour)
        return Colour{192, 192, 192};
    return c;
}

Colour Partition::randomColour(RandomSequence &random)
{
    Colour c;
    c.red = quint8(random.next() % 192 + 40);
    c.green = quint8(random.next() % 192 + 40);
    c.blue = quint8(random.next() % 192 + 40);
    return c;
}

void Partition::generate(quint32 rows, quint32 columns, quint32 seeds, quint32 seed)
{
    boxes.clear();
    live.clear();
    this->rows = rows;
    this->columns = columns;
    if (rows == 0 || columns == 0)
        return;  // nothing to cut: an empty grid
    random.seed(seed);
    phase = float(random.next());
    paletteSize = 2 * seeds;
    stride = columns + 2;
    steps[Left] = steps[Right] = stride;
    steps[Up] = steps[Down] = 1;
    ids.resize(std::size_t(rows + 2) * stride);
    std::memset(ids.data(), 0, ids.size() * sizeof(quint32));
    std::fill(ids.begin(), ids.begin() + stride, frame);
    std::fill(ids.end() - stride, ids.end(), frame);
    for (std::size_t edge = stride - 1; edge + 1 < ids.size(); edge += stride)
        ids[edge] = ids[edge + 1] = frame;

    for (quint32 s = 0; s < seeds; ++s) {
        const quint32 row = random.next() % rows;
        const quint32 column = random.next() % columns;
        if (ids[cellAt(row, column)] == 0)
            startField(row, column);
    }

    // Grow, then start a field at the first free cell in reading order and
    // grow again. Cells are never freed, so the search resumes where it stopped.
    for (auto free = ids.begin();;) {
        growAll();
        free = std::find(free, ids.end(), 0u);
        if (free == ids.end())
            break;
        const auto at = quint32(free - ids.begin());
        startField(at / stride - 1, at % stride - 1);
    }
}

// The fields past the palette invent their colours now: their draws decide
// everything after them.
void Partition::startField(quint32 row, quint32 column)
{
    ids[cellAt(row, column)] = quint32(boxes.size()) + 1;
    Box box{{column, column, row, row}, row, column, {}, 0};
    if (boxes.size() >= paletteSize)
        box.colour = randomColour(random);
    live.push_back(quint32(boxes.size()));
    boxes.push_back(box);
}

// Passes until eight in a row change nothing: a random one, then one for
// each direction in the order right, up, down, left, right, up, down.
void Partition::growAll()
{
    quint32 noChange = 0;
    do {
        changed = false;
        if (noChange == 0)
            randomPass();
        else
            fixedPass(noChange % 4);
        noChange = changed ? 0 : noChange + 1;
    } while (noChange <= 7);
}

// One draw for every field, in field order; those of fields that can no
// longer grow are skipped in bulk. The draws do not depend on what grows, so
// they are all made first, and only the directions not known to be blocked
// are tried: the random directions would foil any branch on that.
void Partition::randomPass()
{
    quint32 due = 0;  // the field whose draw comes next
    std::size_t tries = 0;
    tried.resize(live.size());
    for (const quint32 index : live) {
        random.skip(index - due);
        due = index + 1;
        const quint32 direction = random.next() % 4;
        tried[tries] = {index, direction};
        tries += !(boxes[index].blocked >> direction & 1);
    }
    random.skip(quint32(boxes.size()) - due);
    growTried(tries);
}

void Partition::fixedPass(quint32 direction)
{
    std::size_t tries = 0;
    tried.resize(live.size());
    for (const quint32 index : live) {
        tried[tries] = {index, direction};
        tries += !(boxes[index].blocked >> direction & 1);
    }
    growTried(tries);
}

// Grows the fields tried in a pass, in field order, and drops the fields
// blocked all round from the live list.
void Partition::growTried(std::size_t tries)
{
    for (std::size_t t = 0; t < tries; ++t)
        grow(tried[t].index, tried[t].direction);
    std::size_t kept = 0;
    for (const quint32 index : live) {
        live[kept] = index;
        kept += boxes[index].blocked != 0xf;
    }
    live.resize(kept);
}

// Takes the strip of cells beside one side of a field when all of it is
// free, as it scans it, and gives it back if a cell on the way is not.
// One path for the four directions: what a direction moves is looked up.
void Partition::grow(quint32 index, quint32 direction)
{
    static constexpr quint32 outward[4] = {~0u, 1, ~0u, 1};  // -1 or +1, wrapping below 0
    static constexpr int across[4] = {Up, Up, Left, Left};   // the sides the strip runs between
    Box &box = boxes[index];
    // The strip's row or column, counted from the frame (-1 wraps to 0 there).
    const quint32 line = box.side[direction] + outward[direction] + 1;
    const std::size_t step = steps[direction];  // from one cell of the strip to the next
    const quint32 from = box.side[across[direction]], count = box.side[across[direction] + 1] - from + 1;
    quint32 *cell = &ids[(from + 1) * step + line * (stride + 1 - step)];
    quint32 k = 0;
    for (; k < count && cell[k * step] == 0; ++k)
        cell[k * step] = index + 1;
    if (k < count) {
        while (k > 0)
            cell[--k * step] = 0;
        box.blocked |= quint8(1u << direction);
        return;
    }
    box.side[direction] = line - 1;
    changed = true;
}

AreaRange Partition::fieldAreas() const
{
    AreaRange range;
    for (const Box &b : boxes)
        range.add(b.area());
    return range;
}

// The first field that does not fit decides: most attempts are thrown away.
bool Partition::fieldSizesWithin(quint32 minFieldSize, quint32 maxFieldSize) const
{
    return std::all_of(boxes.begin(), boxes.end(),
                       [=](const Box &b) { return AreaRange::fits(b.area(), minFieldSize, maxFieldSize); });
}

void Partition::writeTo(PuzzleGrid &grid) const
{
    grid.clear();
    if (boxes.empty())
        return;
    Cell blank;
    blank.colour = blankColour;
    grid.cells().assign(rows, PuzzleGrid::Row(columns, blank));
    std::vector<Field> &fields = grid.fields();
    fields.reserve(boxes.size());
    for (const Box &b : boxes) {
        const quint32 id = quint32(fields.size()) + 1;
        const Colour colour = id <= paletteSize ? paletteColour(phase, id - 1, paletteSize) : b.colour;
        fields.push_back(
            Field{id, b.side[Up], b.side[Left], b.side[Down], b.side[Right], colour, b.clueRow, b.clueColumn});
        Cell &clue = grid.cells()[b.clueRow][b.clueColumn];
        clue.fieldId = qint32(id);
        clue.colour = colour;
        clue.isClue = true;
        clue.area = b.area();
    }
}

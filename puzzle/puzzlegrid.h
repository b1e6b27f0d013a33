// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PUZZLEGRID_H
#define PUZZLEGRID_H

#include "cell.h"
#include "colour.h"
#include "field.h"
#include "randomsequence.h"

#include <functional>
#include <list>
#include <vector>

// One puzzle: the cell matrix, the fields of the generated solution and the
// colours prepared for the next fields. Not thread-safe: only the thread that
// currently owns the grid may touch it.
class PuzzleGrid
{
public:
    using Row = std::vector<Cell>;
    using Matrix = std::vector<Row>;

    PuzzleGrid();

    Matrix &cells() { return m_cells; }
    const Matrix &cells() const { return m_cells; }
    std::list<Colour> &palette() { return m_palette; }
    const std::list<Colour> &palette() const { return m_palette; }
    std::vector<Field> &fields() { return m_fields; }
    const std::vector<Field> &fields() const { return m_fields; }

    quint32 rowCount() const { return quint32(m_cells.size()); }
    quint32 columnCount() const { return m_cells.empty() ? 0 : quint32(m_cells[0].size()); }

    void clear();
    void preparePalette(quint32 count);
    Colour takeColour();
    static Colour paletteColour(float r, quint32 index, quint32 count);
    // The colour of a field past the palette: three draws, each channel 40..231.
    static Colour randomColour(RandomSequence &random);

    // One attempt, seeded from the seed source or with the given seed.
    void generate(quint32 rows, quint32 columns, quint32 seeds);
    void generate(quint32 rows, quint32 columns, quint32 seeds, quint32 seed);
    bool fieldSizesWithin(quint32 minFieldSize, quint32 maxFieldSize) const;

    // The player's marks: on a cell that is no clue, a blank one takes the
    // colour and id of the cell `from`, a painted one is cleared.
    void toggleMark(quint32 row, quint32 column, quint32 fromRow, quint32 fromColumn);
    bool isSolved() const;
    void checkField(quint32 row, quint32 column) const;

    // The grid's own rand()/srand(), shared with no other grid.
    void srand(quint32 seed) { m_random.seed(seed); }
    int rand() { return int(m_random.next()); }

    // Where every generation attempt takes its seed from.
    void setSeedSource(std::function<quint32()> source);
    quint32 nextSeed() { return m_seedSource(); }
    static quint32 freshSeed();

    // Exchanges the puzzles (cells, palette, fields), not the random state.
    void swapPuzzle(PuzzleGrid &other) noexcept;

private:
    Matrix m_cells;
    std::list<Colour> m_palette;
    std::vector<Field> m_fields;
    RandomSequence m_random;
    std::function<quint32()> m_seedSource;
};

#endif  // PUZZLEGRID_H

#include "puzzlegrid.h"

namespace {

enum Direction { Left = 0, Right = 1, Up = 2, Down = 3 };
constexpr quint8 allBlocked = 0xf;

// Grows the fields of one attempt. Cells are only ever taken, never freed, so
// once a strip is blocked it stays blocked: a field remembers its blocked
// directions and is dropped from the live list when all four are. Its draws
// in random passes still happen (they decide the puzzle), but are skipped in
// bulk instead of being scanned for.
class FieldGrower
{
public:
    explicit FieldGrower(PuzzleGrid &grid)
        : grid(grid),
          cells(grid.cells()),
          fields(grid.fields()),
          rows(quint32(cells.size())),
          columns(quint32(cells[0].size()))
    { }

    void startField(quint32 row, quint32 column)
    {
        const quint32 id = quint32(fields.size()) + 1;
        Cell &cell = cells[row][column];
        cell.fieldId = qint32(id);
        cell.colour = grid.takeColour();
        cell.area = 1;
        cell.isClue = true;

        Field f;
        f.id = id;
        f.top = f.bottom = f.clueRow = row;
        f.left = f.right = f.clueColumn = column;
        f.colour = cell.colour;
        fields.push_back(f);
        blocked.push_back(0);
        live.push_back(id - 1);
    }

    // Passes until eight in a row change nothing.
    void growAll()
    {
        quint32 noChange = 0;
        do {
            changed = false;
            if (noChange == 0)
                randomPass();
            else
                fixedPass(Direction(noChange % 4));
            dropDeadFields();
            noChange = changed ? 0 : noChange + 1;
        } while (noChange <= 7);
    }

private:
    void randomPass()
    {
        quint32 due = 0;  // index of the field whose draw comes next
        for (const quint32 index : live) {
            grid.skipRand(index - due);
            tryGrow(index, Direction(quint32(grid.rand()) % 4));
            due = index + 1;
        }
        grid.skipRand(quint32(fields.size()) - due);
    }

    void fixedPass(Direction d)
    {
        for (const quint32 index : live)
            tryGrow(index, d);
    }

    void dropDeadFields()
    {
        std::size_t kept = 0;
        for (const quint32 index : live) {
            if (blocked[index] != allBlocked)
                live[kept++] = index;
        }
        live.resize(kept);
    }

    bool columnFree(quint32 column, quint32 top, quint32 bottom) const
    {
        for (quint32 i = top; i <= bottom; ++i) {
            if (cells[i][column].fieldId != 0)
                return false;
        }
        return true;
    }

    bool rowFree(quint32 row, quint32 left, quint32 right) const
    {
        const Cell *line = cells[row].data();
        for (quint32 j = left; j <= right; ++j) {
            if (line[j].fieldId != 0)
                return false;
        }
        return true;
    }

    void takeColumn(const Field &f, quint32 column)
    {
        for (quint32 i = f.top; i <= f.bottom; ++i) {
            cells[i][column].fieldId = qint32(f.id);
            cells[i][column].colour = f.colour;
        }
        cells[f.clueRow][f.clueColumn].area += f.height();
    }

    void takeRow(const Field &f, quint32 row)
    {
        Cell *line = cells[row].data();
        for (quint32 j = f.left; j <= f.right; ++j) {
            line[j].fieldId = qint32(f.id);
            line[j].colour = f.colour;
        }
        cells[f.clueRow][f.clueColumn].area += f.width();
    }

    void tryGrow(quint32 index, Direction d)
    {
        const quint8 bit = quint8(1u << d);
        if (blocked[index] & bit)
            return;
        Field &f = fields[index];
        bool possible = false;
        switch (d) {
        case Left:
            possible = f.left > 0 && columnFree(f.left - 1, f.top, f.bottom);
            if (possible)
                takeColumn(f, --f.left);
            break;
        case Right:
            possible = f.right + 1 < columns && columnFree(f.right + 1, f.top, f.bottom);
            if (possible)
                takeColumn(f, ++f.right);
            break;
        case Up:
            possible = f.top > 0 && rowFree(f.top - 1, f.left, f.right);
            if (possible)
                takeRow(f, --f.top);
            break;
        case Down:
            possible = f.bottom + 1 < rows && rowFree(f.bottom + 1, f.left, f.right);
            if (possible)
                takeRow(f, ++f.bottom);
            break;
        }
        if (possible)
            changed = true;
        else
            blocked[index] |= bit;
    }

    PuzzleGrid &grid;
    PuzzleGrid::Matrix &cells;
    std::vector<Field> &fields;
    const quint32 rows;
    const quint32 columns;
    std::vector<quint8> blocked;  // per field: directions that can never grow again
    std::vector<quint32> live;    // fields not yet blocked all round, in field order
    bool changed = false;
};

}  // namespace

void PuzzleGrid::generate(quint32 rows, quint32 columns, quint32 seeds)
{
    generate(rows, columns, seeds, nextSeed());
}

void PuzzleGrid::generate(quint32 rows, quint32 columns, quint32 seeds, quint32 seed)
{
    clear();
    if (rows == 0 || columns == 0)
        return;  // nothing to cut: an empty grid
    srand(seed);
    preparePalette(2 * seeds);

    Cell blank;
    blank.colour = blankColour;
    m_cells.assign(rows, Row(columns, blank));

    FieldGrower grower(*this);
    for (quint32 s = 0; s < seeds; ++s) {
        const quint32 row = quint32(rand()) % rows;
        const quint32 column = quint32(rand()) % columns;
        if (m_cells[row][column].fieldId == 0)
            grower.startField(row, column);
    }

    // Grow, then start a field at the first free cell in reading order and
    // grow again. Cells are never freed, so the search resumes where it stopped.
    quint32 row = 0, column = 0;
    for (;;) {
        grower.growAll();
        while (row < rows && m_cells[row][column].fieldId != 0) {
            if (++column == columns) {
                column = 0;
                ++row;
            }
        }
        if (row == rows)
            break;
        grower.startField(row, column);
    }

    for (Row &r : m_cells) {
        for (Cell &cell : r) {
            if (!cell.isClue) {
                cell.colour = blankColour;
                cell.fieldId = 0;
            }
        }
    }
}

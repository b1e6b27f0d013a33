#ifndef TESTHELPERS_H
#define TESTHELPERS_H

#include "varritwidget.h"

#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QtTest>

#include <memory>

// Closes every modal window that opens while it lives, recording each as
// "title|text" (a message box) or its class name (another dialog).
class ModalWatcher
{
public:
    ModalWatcher() { arm(alive, log); }
    ~ModalWatcher() { *alive = false; }
    QStringList seen() const { return *log; }

private:
    static void arm(std::shared_ptr<bool> alive, std::shared_ptr<QStringList> log)
    {
        QTimer::singleShot(5, [alive, log] {
            if (!*alive)
                return;
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (auto *box = qobject_cast<QMessageBox *>(dialog))
                log->append(box->windowTitle() + '|' + box->text());
            else if (dialog)
                log->append(dialog->metaObject()->className());
            if (dialog)
                dialog->reject();
            arm(alive, log);
        });
    }
    std::shared_ptr<bool> alive = std::make_shared<bool>(true);
    std::shared_ptr<QStringList> log = std::make_shared<QStringList>();
};

// Generates from seeds counted up from `seed` and waits for the puzzle.
inline bool generateFixed(varritWidget &board, quint32 rows, quint32 columns, quint32 seeds, quint32 seed,
                          quint32 minFieldSize = 1, quint32 maxFieldSize = 999999)
{
    board.setSeedSource([seed]() mutable { return seed++; });
    board.generate(rows, columns, seeds, minFieldSize, maxFieldSize);
    return QTest::qWaitFor([&board] { return !board.isGenerating(); }, 20000);
}

inline QImage renderBoard(varritWidget &board)
{
    QImage image(board.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    board.drawBoard(painter);
    return image;
}

// Top-left pixel of a cell's square (with `inset` added), at the current cell size.
inline QPoint cellPixel(const varritWidget &board, int row, int column, int inset = 0)
{
    const int pitch = int(board.getCellSize()) + 4;
    return QPoint(5 + column * pitch + inset, 5 + row * pitch + inset);
}

inline void press(varritWidget &board, int row, int column)
{
    QTest::mouseClick(&board, Qt::LeftButton, {}, cellPixel(board, row, column, int(board.getCellSize()) / 2));
}

#endif  // TESTHELPERS_H

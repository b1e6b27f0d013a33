#ifndef TESTHELPERS_H
#define TESTHELPERS_H

#include "varritwidget.h"

#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QtTest>

#include <memory>

// Closes every modal window that opens while it lives and records each:
// "title|text" for a message box, the class name for another dialog.
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
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                log->append(box->windowTitle() + '|' + box->text());
                box->done(QMessageBox::Ok);
            } else if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                log->append(dialog->metaObject()->className());
                dialog->reject();
            }
            arm(alive, log);
        });
    }
    std::shared_ptr<bool> alive = std::make_shared<bool>(true);
    std::shared_ptr<QStringList> log = std::make_shared<QStringList>();
};

inline QProgressDialog *progressDialog()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *dialog = qobject_cast<QProgressDialog *>(w))
            return dialog;
    return nullptr;
}

// Cancel as the user does it: the dialog's button.
inline void clickCancel()
{
    QTest::mouseClick(progressDialog()->findChild<QPushButton *>(), Qt::LeftButton);
}

// Generates from fixed seeds (counting up, so that tight limits are met
// eventually) and waits for the puzzle.
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

// Top-left pixel and centre of the square of a cell at the current cell size.
inline QPoint cellOrigin(const varritWidget &board, int row, int column)
{
    const int pitch = int(board.getCellSize()) + 4;
    return QPoint(5 + column * pitch, 5 + row * pitch);
}

inline QPoint cellCentre(const varritWidget &board, int row, int column)
{
    const int half = int(board.getCellSize()) / 2;
    return cellOrigin(board, row, column) + QPoint(half, half);
}

inline QColor toQColor(const Colour &c)
{
    return QColor(c.red, c.green, c.blue);
}

#endif  // TESTHELPERS_H

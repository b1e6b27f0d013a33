#ifndef MODALWATCHER_H
#define MODALWATCHER_H

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

// Closes every modal window that opens while it lives, and records what each
// one said: "title|text" for message boxes, the class name otherwise.
class ModalWatcher
{
public:
    ModalWatcher() { arm(); }
    ~ModalWatcher() { *alive = false; }

    QStringList seen() const { return *log; }
    void clear() { log->clear(); }

private:
    void arm()
    {
        auto flag = alive;
        auto record = log;
        QTimer::singleShot(5, [this, flag, record] {
            if (!*flag)
                return;
            if (QWidget *w = QApplication::activeModalWidget()) {
                if (auto *box = qobject_cast<QMessageBox *>(w)) {
                    record->append(box->windowTitle() + QLatin1Char('|') + box->text());
                    box->done(QMessageBox::Ok);
                } else if (auto *dialog = qobject_cast<QDialog *>(w)) {
                    record->append(QString::fromLatin1(w->metaObject()->className()));
                    dialog->reject();
                }
            }
            arm();
        });
    }

    std::shared_ptr<bool> alive = std::make_shared<bool>(true);
    std::shared_ptr<QStringList> log = std::make_shared<QStringList>();
};

#endif  // MODALWATCHER_H

// SPDX-License-Identifier: GPL-3.0-or-later
#include "infobox.h"

#include <QGridLayout>
#include <QMessageBox>

const char programName[] = "varritQt";

void showInformation(const QString &text)
{
    QMessageBox box(QMessageBox::Information, programName, text);
    // The box fits its text, and a window manager cuts the title to that
    // width: leave room for the title beside the frame's own buttons.
    if (auto *layout = qobject_cast<QGridLayout *>(box.layout())) {
        const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) + 200;
        layout->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), layout->rowCount(), 0,
                        1, layout->columnCount());
    }
    box.exec();
}

#ifndef GENPARAMS_H
#define GENPARAMS_H

#include <QtGlobal>

struct GenParams
{
    quint32 rows = 0;
    quint32 columns = 0;
    quint32 seeds = 0;
    quint32 minFieldSize = 0;
    quint32 maxFieldSize = 0;
};

#endif  // GENPARAMS_H

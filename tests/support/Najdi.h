#pragma once
// The child of a window by its object name; a missing one stops the test at once and names it, instead
// of a crash on a null pointer further on.

#include <QWidget>

template <typename T> T *najdi(QWidget &okno, const char *jmeno)
{
    T *w = okno.findChild<T *>(jmeno);
    if (!w)
        qFatal("no %s", jmeno);
    return w;
}

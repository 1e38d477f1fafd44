#pragma once
// The moment a started program is idle: its main window is exposed on the screen and the event loop
// has nothing left to do. The start programs of the start-up benchmark report it on standard output,
// as one line "idle", which the harness (MereniStartu) times from the moment it started the process.

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <functional>

// Calls hotovo once okno is exposed and every event that showing it queued has been handled.
inline void poNecinnosti(QWidget *okno, std::function<void()> hotovo)
{
    auto *casovac = new QTimer(okno);
    casovac->setInterval(0);
    QObject::connect(casovac, &QTimer::timeout, okno, [okno, casovac, hotovo = std::move(hotovo)] {
        if (!okno->windowHandle() || !okno->windowHandle()->isExposed())
            return;
        casovac->stop();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        hotovo();
    });
    casovac->start();
}

inline void ohlasNecinnost()
{
    std::fputs("idle\n", stdout);
    std::fflush(stdout);
}

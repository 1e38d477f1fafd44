#pragma once
// The application the window benchmarks need, made on first use and kept until the process ends;
// offscreen unless the caller chose a platform. The offscreen platform's note on every window shown
// (it cannot pass on size hints) is kept out of the benchmark's output.

#include <QApplication>
#include <QString>
#include <QtGlobal>

namespace bench {

inline QtMessageHandler puvodniHlaseni = nullptr;

inline void bezHlaseniPlatformy(QtMsgType typ, const QMessageLogContext &kontext, const QString &zprava)
{
    if (puvodniHlaseni && !zprava.contains(QLatin1String("propagateSizeHints")))
        puvodniHlaseni(typ, kontext, zprava);
}

// nazev is the program's name; pred runs before the application is made (the program's own set-up).
inline void zajistiAplikaci(const char *nazev, void (*pred)() = nullptr)
{
    static QApplication *aplikace = nullptr;
    if (aplikace)
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    puvodniHlaseni = qInstallMessageHandler(bezHlaseniPlatformy);
    static int argc = 1;
    static char *argv[] = {const_cast<char *>(nazev), nullptr};
    if (pred)
        pred();
    aplikace = new QApplication(argc, argv);
}

} // namespace bench

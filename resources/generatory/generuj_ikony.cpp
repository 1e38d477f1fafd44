// Writes the program's icon in every size into a folder laid out as the desktop's icon theme,
// "hicolor/<n>x<n>/apps/talvo.png", together with "ikony.qrc", the resource list that compiles the
// same files in as ":/ikony/talvo-<n>.png" for the window icon.
// Usage: generuj_ikony FOLDER

#include "resources/kresby/Kresby.h"

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplikace(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: generuj_ikony FOLDER\n");
        return 2;
    }
    const QDir slozka(QString::fromLocal8Bit(argv[1]));

    QString seznam = QStringLiteral("<RCC>\n  <qresource prefix=\"/ikony\">\n");
    for (const int n : velikostiIkony()) {
        const QString jmeno = QStringLiteral("hicolor/%1x%1/apps/talvo.png").arg(n);
        if (!QDir().mkpath(QFileInfo(slozka.filePath(jmeno)).path()) ||
            !nakresliIkonu(n).save(slozka.filePath(jmeno), "PNG")) {
            std::fprintf(stderr, "generuj_ikony: cannot write %s\n", qPrintable(slozka.filePath(jmeno)));
            return 1;
        }
        seznam += QStringLiteral("    <file alias=\"talvo-%1.png\">%2</file>\n").arg(n).arg(jmeno);
    }
    seznam += QStringLiteral("  </qresource>\n</RCC>\n");

    QSaveFile qrc(slozka.filePath(QStringLiteral("ikony.qrc")));
    if (!qrc.open(QIODevice::WriteOnly) || qrc.write(seznam.toUtf8()) < 0 || !qrc.commit()) {
        std::fprintf(stderr, "generuj_ikony: cannot write the resource list\n");
        return 1;
    }
    return 0;
}

// Writes every numbered bitmap of the program into a folder as "<number>.bmp" (24 bits per
// pixel), its double-size drawing for screens of twice the pixel density as "<number>@2x.png",
// and "bitmapy.qrc", the resource list that compiles them in.
// Usage: generuj_bitmapy FOLDER

#include "resources/kresby/Kresby.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Text on the pictures needs fonts, and fonts need a GUI application; no screen is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplikace(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: generuj_bitmapy FOLDER\n");
        return 2;
    }
    const QDir slozka(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(slozka.path())) {
        std::fprintf(stderr, "generuj_bitmapy: cannot create %s\n", argv[1]);
        return 1;
    }

    QString seznam = QStringLiteral("<RCC>\n  <qresource prefix=\"/bitmapy\">\n");
    for (const Kresba &kresba : vsechnyKresby()) {
        const QString jmeno = QStringLiteral("%1.bmp").arg(kresba.cislo);
        const QImage obraz = kresba.obraz.convertToFormat(QImage::Format_RGB32);
        if (!obraz.save(slozka.filePath(jmeno), "BMP")) {
            std::fprintf(stderr, "generuj_bitmapy: cannot write %s\n", qPrintable(slozka.filePath(jmeno)));
            return 1;
        }
        seznam += QStringLiteral("    <file>%1</file>\n").arg(jmeno);
    }
    for (const Kresba &kresba : vsechnyKresby(2)) {
        const QString jmeno = QStringLiteral("%1@2x.png").arg(kresba.cislo);
        if (!kresba.obraz.convertToFormat(QImage::Format_RGB32).save(slozka.filePath(jmeno), "PNG")) {
            std::fprintf(stderr, "generuj_bitmapy: cannot write %s\n", qPrintable(slozka.filePath(jmeno)));
            return 1;
        }
        seznam += QStringLiteral("    <file>%1</file>\n").arg(jmeno);
    }
    seznam += QStringLiteral("  </qresource>\n</RCC>\n");

    QSaveFile qrc(slozka.filePath(QStringLiteral("bitmapy.qrc")));
    if (!qrc.open(QIODevice::WriteOnly) || qrc.write(seznam.toUtf8()) < 0 || !qrc.commit()) {
        std::fprintf(stderr, "generuj_bitmapy: cannot write the resource list\n");
        return 1;
    }
    return 0;
}

#include "resources/Zdroje.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <algorithm>

// The bitmaps are compiled into an object of their own; registering them here also makes sure
// the linker keeps that object in every program that looks a bitmap up. (Q_INIT_RESOURCE
// declares the registration function, so it must stand outside any namespace.)
static void registrujBitmapy()
{
    static const bool hotovo = [] {
        Q_INIT_RESOURCE(bitmapy);
        return true;
    }();
    Q_UNUSED(hotovo);
}

static void registrujIkony()
{
    static const bool hotovo = [] {
        Q_INIT_RESOURCE(ikony);
        return true;
    }();
    Q_UNUSED(hotovo);
}

namespace {
constexpr QStringView SlozkaZdroju = u":/bitmapy";
} // namespace

QString cestaZdroje(int cislo)
{
    return QStringLiteral("%1/%2.bmp").arg(SlozkaZdroju).arg(cislo);
}

QImage obrazekZdroje(int cislo)
{
    registrujBitmapy();
    const QString cesta = cestaZdroje(cislo);
    if (cislo <= 0 || !QFile::exists(cesta))
        return {};
    return QImage(cesta, "BMP");
}

QPixmap bitmapaZdroje(int cislo)
{
    if (qGuiApp && qGuiApp->devicePixelRatio() > 1.0 && cislo > 0) {
        registrujBitmapy();
        QImage dvojita(cestaZdroje(cislo).chopped(4) + QStringLiteral("@2x.png"), "PNG");
        if (!dvojita.isNull()) {
            dvojita.setDevicePixelRatio(2.0);
            return QPixmap::fromImage(dvojita);
        }
    }
    const QImage obraz = obrazekZdroje(cislo);
    return obraz.isNull() ? QPixmap() : QPixmap::fromImage(obraz);
}

QList<int> cislaZdroju()
{
    registrujBitmapy();
    QList<int> cisla;
    const QStringList soubory = QDir(SlozkaZdroju.toString()).entryList({QStringLiteral("*.bmp")}, QDir::Files);
    for (const QString &soubor : soubory) {
        bool jeCislo = false;
        const int cislo = soubor.chopped(4).toInt(&jeCislo);
        if (jeCislo && cislo > 0)
            cisla.append(cislo);
    }
    std::sort(cisla.begin(), cisla.end());
    return cisla;
}

QIcon ikonaAplikace()
{
    registrujIkony();
    QIcon ikona;
    const QStringList soubory = QDir(QStringLiteral(":/ikony")).entryList({QStringLiteral("talvo-*.png")}, QDir::Files);
    for (const QString &soubor : soubory)
        ikona.addFile(QStringLiteral(":/ikony/") + soubor);
    return ikona;
}

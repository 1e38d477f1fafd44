#include "app/Zdroje.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace {
constexpr QStringView SlozkaZdroju = u":/bitmapy";
}

QString cestaZdroje(int cislo)
{
    return QStringLiteral("%1/%2.bmp").arg(SlozkaZdroju).arg(cislo);
}

QImage obrazekZdroje(int cislo)
{
    const QString cesta = cestaZdroje(cislo);
    if (cislo <= 0 || !QFile::exists(cesta))
        return {};
    return QImage(cesta, "BMP");
}

QPixmap bitmapaZdroje(int cislo)
{
    const QImage obraz = obrazekZdroje(cislo);
    return obraz.isNull() ? QPixmap() : QPixmap::fromImage(obraz);
}

QList<int> cislaZdroju()
{
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

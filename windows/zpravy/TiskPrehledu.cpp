#include "windows/zpravy/TiskPrehledu.h"

#include "text/Strankovani.h"
#include "windows/zpravy/TiskListu.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <optional>

namespace {
// Four times the shown size; smaller, keeping its shape, only where that would not fit into misto.
QSize velikostTisku(const QImage &obraz, QSize misto)
{
    QSize velikost = obraz.size() * ZvetseniObrazku;
    misto = misto.expandedTo(QSize(1, 1));
    if (velikost.width() > misto.width() || velikost.height() > misto.height())
        velikost.scale(misto, Qt::KeepAspectRatio);
    return velikost;
}

// Draws the overview's pictures below the line that ends at y, starting new sheets where they do not fit.
bool tiskniObrazky(QPrinter &tiskarna, QPainter &malir, const PrehledKTisku &prehled, int y)
{
    const int vyskaListu = tiskarna.height();
    const int sirka = tiskarna.width() - LevyOkrajPrehledu;
    QSize velikostA;
    QSize velikostB;
    QList<int> vysky;
    if (!prehled.obrazekA.isNull()) {
        velikostA = velikostTisku(prehled.obrazekA, QSize(sirka, vyskaListu));
        vysky.append(velikostA.height());
    }
    if (!prehled.obrazekB.isNull()) {
        velikostB = velikostTisku(prehled.obrazekB, QSize(sirka, vyskaListu - OdsazeniObrazkuB));
        vysky.append(OdsazeniObrazkuB + velikostB.height());
    }
    const QList<UmisteniBloku> umisteni = UmistiBloky(y, vysky, vyskaListu);
    qsizetype blok = 0;
    const auto dalsi = [&]() -> std::optional<int> {
        const UmisteniBloku &u = umisteni.at(blok++);
        if (u.novyList && !tiskarna.newPage())
            return std::nullopt;
        return u.nahore;
    };
    if (!prehled.obrazekA.isNull()) {
        const auto nahore = dalsi();
        if (!nahore)
            return false;
        malir.drawImage(QRect(QPoint(LevyOkrajPrehledu, *nahore), velikostA), prehled.obrazekA);
    }
    if (!prehled.obrazekB.isNull()) {
        const auto nahore = dalsi();
        if (!nahore)
            return false;
        const int horniB = *nahore + OdsazeniObrazkuB;
        const int horniNadpisu = horniB - NadpisNadObrazkemB;
        malir.drawText(QPoint(LevyOkrajPrehledu, horniNadpisu + malir.fontMetrics().ascent()), prehled.nadpisB);
        malir.drawImage(QRect(QPoint(LevyOkrajPrehledu, horniB), velikostB), prehled.obrazekB);
    }
    return true;
}
} // namespace

VolbyTisku volbyPrehledu(const QPrinter &tiskarna)
{
    VolbyTisku volby;
    // The report font's size, set in Times New Roman (Liberation Serif stands in for it on Debian).
    volby.pismo = pismoTisku(tiskarna, VelikostZpravyPrehledu.width() - 2 * OkrajZpravy);
    volby.rodinaRadku = QStringLiteral("Times New Roman");
    volby.levyOkraj = LevyOkrajPrehledu;
    return volby;
}

bool TiskniPrehled(QPrinter &tiskarna, const PrehledKTisku &prehled, QString *chyba)
{
    VolbyTisku volby = volbyPrehledu(tiskarna);
    volby.nazevUlohy = prehled.nazev;
    const qsizetype posledni = prehled.radky.size();
    volby.poRadcichListu = [&](QPainter &malir, const ListTisku &list, int y) {
        // Every copy ends with the pictures, on the sheet of its last line or after it.
        return list.po != posledni || tiskniObrazky(tiskarna, malir, prehled, y);
    };
    return TiskniListy(tiskarna, prehled.radky, volby, chyba);
}

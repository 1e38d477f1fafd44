#include "windows/zpravy/TiskListu.h"

#include "resources/Pisma.h"
#include "text/Zalamovani.h"

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <utility>

namespace {
// The progress of the print that runs now; prints run on the GUI thread only.
PrubehTisku &aktualniPrubeh()
{
    static PrubehTisku prubeh;
    return prubeh;
}
} // namespace

NastavenyPrubehTisku::NastavenyPrubehTisku(PrubehTisku prubeh)
    : m_predchozi(std::exchange(aktualniPrubeh(), std::move(prubeh)))
{
}

NastavenyPrubehTisku::~NastavenyPrubehTisku()
{
    aktualniPrubeh() = std::move(m_predchozi);
}

bool pokracujTisk(int list, int listu)
{
    const PrubehTisku &prubeh = aktualniPrubeh();
    return !prubeh || prubeh(list, listu);
}

QString chybaTiskarny(const QPrinter &tiskarna)
{
    if (tiskarna.outputFormat() == QPrinter::PdfFormat) {
        if (tiskarna.outputFileName().isEmpty())
            return QStringLiteral("Není vybrána tiskárna ani soubor pro tisk.");
        return QStringLiteral("Soubor %1 nelze pro tisk vytvořit.").arg(tiskarna.outputFileName());
    }
    return QStringLiteral("Tiskárnu %1 nelze použít.").arg(tiskarna.printerName());
}

QFont pismoTisku(const QPrinter &tiskarna, int sirkaRadku)
{
    QFont pismo = pismoTahoma(8);
    // The report's width at 96 dpi in printer units, against the paper's usable width.
    const qreal potrebna = sirkaRadku * tiskarna.logicalDpiX() / 96.0;
    const qreal dostupna = tiskarna.width() - LevyOkrajTisku;
    if (potrebna > 0 && dostupna > 0 && potrebna > dostupna)
        pismo.setPointSizeF(8.0 * dostupna / potrebna);
    return pismo;
}

int radkuNaStranu(QPrinter &tiskarna, const QFont &pismo)
{
    const QFontMetrics metriky(pismo, &tiskarna);
    return std::max(tiskarna.height() / std::max(metriky.height(), 1), 1);
}

QFont pismoZpravy()
{
    return pismoTahomaPx(11);
}

namespace {
// How long a slice of breaking a report's lines runs before repaints get their turn.
constexpr qint64 KusZalamovaniMs = 20;

// The width of a piece of text in metriky's font; the metrics must outlive the function.
MeritkoTextu sirkaTextu(const QFontMetricsF &metriky)
{
    return [&metriky](QStringView kus) {
        return kus.size() == 1 ? metriky.horizontalAdvance(kus.front()) : metriky.horizontalAdvance(kus.toString());
    };
}
} // namespace

QStringList radkyZobrazeni(const QStringList &radky, int sirka, const QFont &pismo)
{
    const QFontMetricsF metriky(pismo);
    const MeritkoTextu meritko = sirkaTextu(metriky);
    QStringList vysledek;
    for (const QString &radek : radky)
        vysledek.append(ZalomRadek(radek, std::max(sirka, 1), meritko));
    return vysledek;
}

std::optional<QStringList> zalomZpravu(const QString &text, int sirka, const QFont &pismo)
{
    const QFontMetricsF metriky(pismo);
    const MeritkoTextu meritko = sirkaTextu(metriky);
    QElapsedTimer kus;
    kus.start();
    const Pokracovat pokracovat = [&] {
        if (kus.elapsed() < KusZalamovaniMs)
            return true;
        kus.restart();
        return pokracujTisk(0, 0);
    };
    QStringList vysledek;
    for (qsizetype zacatek = 0; zacatek <= text.size();) {
        qsizetype konec = text.indexOf(u'\n', zacatek);
        if (konec < 0)
            konec = text.size();
        const std::optional<QStringList> kusy =
            ZalomRadek(text.sliced(zacatek, konec - zacatek), std::max(sirka, 1), meritko, pokracovat);
        if (!kusy || !pokracovat())
            return std::nullopt;
        vysledek.append(*kusy);
        zacatek = konec + 1;
    }
    return vysledek;
}

bool TiskniZpravu(QPrinter &tiskarna, const QStringList &radky, int sirkaRadku, QString *chyba)
{
    VolbyTisku volby;
    volby.pismo = pismoTisku(tiskarna, sirkaRadku);
    return TiskniListy(tiskarna, radky, volby, chyba);
}

QFont pismoRadku(const VolbyTisku &volby)
{
    QFont pismo = pismoBezTvarovani(volby.pismo);
    if (!volby.rodinaRadku.isEmpty())
        pismo.setFamilies({volby.rodinaRadku});
    // Whole printer dots as glyph advances: the printed file gives each glyph its own position,
    // written as a shorter number that compresses far better (the lines of a 1 MiB report are drawn
    // in a third less time, the file of a 10 KiB report is a ninth of the size); at 600 dpi the
    // rounding is invisible.
    pismo.setHintingPreference(QFont::PreferFullHinting);
    return pismo;
}

int radkuNaStranu(QPrinter &tiskarna, const VolbyTisku &volby)
{
    return std::min(radkuNaStranu(tiskarna, volby.pismo), radkuNaStranu(tiskarna, pismoRadku(volby)));
}

bool TiskniListy(QPrinter &tiskarna, const QStringList &radky, const VolbyTisku &volby, QString *chyba)
{
    const int kopie = tiskarna.copyCount();
    const bool kompletovat = tiskarna.collateCopies();
    // The copies are painted here, so the printing system must not multiply them again.
    tiskarna.setCopyCount(1);
    tiskarna.setDocName(volby.nazevUlohy);

    const auto obnovKopie = [&] {
        tiskarna.setCopyCount(kopie);
        tiskarna.setCollateCopies(kompletovat);
    };
    QPainter malir;
    const auto selhani = [&] {
        if (malir.isActive())
            malir.end();
        obnovKopie();
        if (chyba)
            *chyba = chybaTiskarny(tiskarna);
        return false;
    };

    if (!malir.begin(&tiskarna))
        return selhani();
    const int naStranu = radkuNaStranu(tiskarna, volby);
    malir.setFont(pismoRadku(volby));
    const QFontMetrics metriky = malir.fontMetrics();
    const int vyskaRadku = std::max(metriky.height(), 1);

    const QList<ListTisku> listy = PoradiListu(radky.size(), naStranu, kopie, kompletovat);
    const int listu = int(listy.size());
    int vytistenych = 0;
    for (const ListTisku &list : listy) {
        if (vytistenych > 0 && !tiskarna.newPage())
            return selhani();
        // The line's top is at r × line height, so the first line sits fully on the sheet.
        for (int i = list.od; i < list.po; ++i)
            malir.drawText(QPoint(volby.levyOkraj, (i - list.od) * vyskaRadku + metriky.ascent()), radky.at(i));
        if (volby.poRadcichListu && !volby.poRadcichListu(malir, list, (list.po - list.od) * vyskaRadku))
            return selhani();
        if (!pokracujTisk(++vytistenych, listu)) {
            // Stopped by the user: no reason to show, the caller knows why.
            malir.end();
            obnovKopie();
            return false;
        }
    }
    const bool hotovo = malir.end();
    obnovKopie();
    if (!hotovo && chyba)
        *chyba = chybaTiskarny(tiskarna);
    return hotovo;
}

QRectF plochaListu(const QPrinter &tiskarna)
{
    constexpr double OkrajPapiru = 10;
    const QPageLayout stranka = tiskarna.pageLayout();
    return stranka.paintRect(QPageLayout::Millimeter)
        .intersected(stranka.fullRect(QPageLayout::Millimeter)
                         .marginsRemoved({OkrajPapiru, OkrajPapiru, OkrajPapiru, OkrajPapiru}));
}

bool TiskniKresleneListy(QPrinter &tiskarna, int stran, const std::function<void(QPainter &, int strana)> &kresli,
                         QString *chyba)
{
    const int kopie = tiskarna.copyCount();
    const bool kompletovat = tiskarna.collateCopies();
    // The copies are painted here, as for every print of the program.
    tiskarna.setCopyCount(1);
    tiskarna.setDocName(QStringLiteral("talvo"));
    const QRectF plocha = plochaListu(tiskarna);
    QPainter malir;
    bool zruseno = false;
    bool hotovo = malir.begin(&tiskarna);
    if (hotovo) {
        const QRectF tisknutelna = tiskarna.pageLayout().paintRect(QPageLayout::Millimeter);
        const double meritko = tiskarna.resolution() / (25.4 * JednotekNaMm);
        malir.scale(meritko, meritko);
        malir.translate((plocha.topLeft() - tisknutelna.topLeft()) * JednotekNaMm);
        const QList<ListTisku> listy = PoradiListu(stran, 1, kopie, kompletovat);
        int vytistenych = 0;
        for (const ListTisku &list : listy) {
            if (vytistenych > 0 && !tiskarna.newPage()) {
                hotovo = false;
                break;
            }
            malir.save();
            kresli(malir, list.strana - 1);
            malir.restore();
            if (!pokracujTisk(++vytistenych, int(listy.size()))) {
                zruseno = true;
                break;
            }
        }
        hotovo = malir.end() && hotovo && !zruseno;
    }
    tiskarna.setCopyCount(kopie);
    tiskarna.setCollateCopies(kompletovat);
    // Stopped by the user: no reason to show, the caller knows why.
    if (!hotovo && chyba && !zruseno)
        *chyba = chybaTiskarny(tiskarna);
    return hotovo;
}

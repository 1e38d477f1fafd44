#include "game/TiskHry.h"

#include "ciphers/Semafor.h"
#include "ciphers/Snek.h"
#include "resources/Pisma.h"
#include "resources/Zdroje.h"
#include "resources/kresby/KresbaKolecko.h"
#include "text/Strankovani.h"
#include "windows/zpravy/TabulkaMorseovky.h"
#include "windows/zpravy/TiskListu.h"
#include "windows/zpravy/Vystrihovanky.h"

#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>

#include <algorithm>
#include <utility>

namespace {
// Gaps between the parts of a sheet and between the blocks of a text.
constexpr double Mezera = 40;
constexpr double Proklad = 1.2;
// Font heights in sheet units (tenths of a millimetre).
constexpr int PismoNadpisu = 70;
constexpr int PismoSifry = 45;
constexpr int PismoTextu = 80;
constexpr int PismoPopisku = 35;
constexpr int PismoReseni = 38;
// The largest cell of a square of letters and the side of a semaphore picture on a patrol's sheet.
constexpr double NejvetsiBunka = 120;
constexpr double StranaSemaforu = 200;
constexpr double StranaAbecedy = 170;
// The semaphore bitmaps are 48 pixels square with the sign's letter under the figure; a patrol's
// sheet shows the figure alone, the top 38 rows, or the pictures would spell the message.
constexpr double StranaBitmapySemaforu = 48;
constexpr double VyskaPostavySemaforu = 38;

using KresbaStrany = std::function<void(QPainter &)>;

// Lays the pieces of the printout out top to bottom on pages of one size.
class Sazba
{
public:
    explicit Sazba(QSizeF plocha) : m_plocha(plocha) {}

    double sirka() const { return m_plocha.width(); }
    double vyska() const { return m_plocha.height(); }
    QSizeF plocha() const { return m_plocha; }
    // What is left below the last piece of the current page.
    double zbyva() const { return m_stranky.isEmpty() ? 0 : vyska() - m_y; }

    void novaStrana()
    {
        m_stranky.append(StrankaHry{});
        m_y = 0;
    }
    // The top of a piece v high: below the last one, or on a new page when it does not fit there.
    // A piece taller than a page starts a page of its own and is cut at its bottom.
    double misto(double v)
    {
        if (m_stranky.isEmpty() || (m_y > 0 && m_y + v > vyska()))
            novaStrana();
        const double y = m_y;
        m_y += v;
        return y;
    }
    void mezera(double v) { m_y = std::min(m_y + v, vyska()); }
    void kresli(KresbaStrany kresba) { m_stranky.last().kresby.append(std::move(kresba)); }

    // Text lines broken at word boundaries (Morse code after its slashes) to the page's width.
    void radky(const QStringList &odstavce, const QFont &pismo)
    {
        const QFontMetricsF miry(pismo);
        const double vyskaRadku = Proklad * miry.lineSpacing();
        const double nadRadkem = (Proklad - 1) * miry.lineSpacing() + miry.ascent();
        for (const QString &radek : radkyZobrazeni(odstavce, int(sirka()), pismo)) {
            const double y = misto(vyskaRadku);
            kresli([radek, pismo, y, nadRadkem](QPainter &malir) {
                malir.setFont(pismo);
                malir.setPen(Qt::black);
                malir.drawText(QPointF(0, y + nadRadkem), radek);
            });
        }
    }

    // pocet tiles of one size in rows from the left, a row that does not fit starting a new page;
    // kresba makes the drawing of tile k at its place.
    void dlazdice(qsizetype pocet, QSizeF velikost, double odstup,
                  const std::function<KresbaStrany(qsizetype, QRectF)> &kresba)
    {
        const qsizetype vRade = std::max<qsizetype>(1, qsizetype((sirka() + odstup) / (velikost.width() + odstup)));
        double y = 0;
        for (qsizetype k = 0; k < pocet; ++k) {
            const qsizetype sloupec = k % vRade;
            if (sloupec == 0)
                y = misto(velikost.height() + odstup);
            kresli(kresba(k, QRectF(QPointF(double(sloupec) * (velikost.width() + odstup), y), velikost)));
        }
    }

    // The semaphore picture of number cislo, read once per printout: the copies share one image,
    // which a PDF then holds once.
    QImage obrazekSemaforu(int cislo)
    {
        auto it = m_obrazky.find(cislo);
        if (it == m_obrazky.end())
            it = m_obrazky.insert(cislo, obrazekZdroje(cislo));
        return it.value();
    }

    QList<StrankaHry> stranky() && { return std::move(m_stranky); }

private:
    QSizeF m_plocha;
    QHash<int, QImage> m_obrazky;
    QList<StrankaHry> m_stranky;
    double m_y = 0;
};

QFont pismo(int vyska, bool tucne = false)
{
    return pismoTahomaPx(vyska, tucne);
}

// A square of letters: the grid of n x n cells in misto with one letter centred in each.
void kresliCtverec(QPainter &malir, const QRectF &misto, const QStringList &radky)
{
    const qsizetype n = radky.size();
    if (n == 0)
        return;
    const double bunka = misto.width() / double(n);
    malir.setPen(QPen(Qt::black, 4));
    malir.setBrush(Qt::NoBrush);
    for (qsizetype i = 0; i <= n; ++i) {
        const double d = double(i) * bunka;
        malir.drawLine(QPointF(misto.left() + d, misto.top()), QPointF(misto.left() + d, misto.bottom()));
        malir.drawLine(QPointF(misto.left(), misto.top() + d), QPointF(misto.right(), misto.top() + d));
    }
    malir.setFont(pismo(int(bunka * 0.6)));
    for (qsizetype r = 0; r < n; ++r) {
        for (qsizetype s = 0; s < n && s < radky[r].size(); ++s) {
            const QRectF policko(misto.left() + double(s) * bunka, misto.top() + double(r) * bunka, bunka, bunka);
            malir.drawText(policko, Qt::AlignCenter, radky[r].mid(s, 1));
        }
    }
}

double velikostBunky(double sirka, int n)
{
    return std::min(NejvetsiBunka, sirka / std::max(1, n));
}

// The blocks of a grille or snail text, side by side as the width allows.
void sazejCtverce(Sazba &sazba, const QList<QStringList> &ctverce, int n)
{
    const double strana = velikostBunky(sazba.sirka(), n) * n;
    sazba.dlazdice(ctverce.size(), QSizeF(strana, strana), Mezera,
                   [&ctverce](qsizetype k, QRectF misto) -> KresbaStrany {
                       return [radky = ctverce[k], misto](QPainter &malir) { kresliCtverec(malir, misto, radky); };
                   });
}

void kresliObrazek(QPainter &malir, const QRectF &misto, const QImage &obraz, const QRectF &vyrez)
{
    malir.setRenderHint(QPainter::SmoothPixmapTransform);
    malir.drawImage(misto, obraz, vyrez);
}

void sazejSemafor(Sazba &sazba, const QList<int> &obrazky)
{
    const QRectF postava(0, 0, StranaBitmapySemaforu, VyskaPostavySemaforu);
    const QSizeF velikost(StranaSemaforu, StranaSemaforu * VyskaPostavySemaforu / StranaBitmapySemaforu);
    sazba.dlazdice(obrazky.size(), velikost, Mezera / 2,
                   [&sazba, &obrazky, postava](qsizetype k, QRectF misto) -> KresbaStrany {
                       return [obraz = sazba.obrazekSemaforu(obrazky[k]), misto, postava](QPainter &malir) {
                           kresliObrazek(malir, misto, obraz, postava);
                       };
                   });
}

// The alphabet: every picture with the caption it carries (the letter and the digit or word the sign
// also stands for); the blank picture of a space gets "mezera" written in it.
void sazejAbeceduSemaforu(Sazba &sazba)
{
    const QFont popisek = pismo(PismoPopisku);
    sazba.radky({QStringLiteral("Semaforová abeceda")}, pismo(PismoSifry, true));
    sazba.dlazdice(SemaforPocetObrazku, QSizeF(StranaAbecedy, StranaAbecedy), Mezera / 2,
                   [&sazba, &popisek](qsizetype k, QRectF misto) -> KresbaStrany {
                       const int cislo = int(k) + 1;
                       return [obraz = sazba.obrazekSemaforu(cislo), cislo, misto, popisek](QPainter &malir) {
                           kresliObrazek(malir, misto, obraz, QRectF(obraz.rect()));
                           if (cislo == SemaforMezera) {
                               malir.setFont(popisek);
                               malir.setPen(Qt::black);
                               malir.drawText(misto, Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("mezera"));
                           }
                       };
                   });
    sazba.radky({QStringLiteral("Po znaku ČÍSLICE znamenají A až I číslice 1 až 9 a K nulu, až do znaku J (PÍSMENA).")},
                popisek);
}

QString nazevRohu(int roh)
{
    switch (roh) {
    case LevyDolni:
        return QStringLiteral("levý dolní roh");
    case LevyHorni:
        return QStringLiteral("levý horní roh");
    case PravyDolni:
        return QStringLiteral("pravý dolní roh");
    default:
        return QStringLiteral("pravý horní roh");
    }
}

// An empty snail table: the cell the walk starts in framed in red, an arrow to the cell after it.
void sazejTabulkuSneka(Sazba &sazba, const KlicHry &klic)
{
    const int n = klic.velikost;
    QList<BunkaSneka> cesta = CestaSneka(n, klic.roh);
    if (klic.smer == Ven)
        std::reverse(cesta.begin(), cesta.end());
    const QString popis = klic.smer == Ven ? QStringLiteral("Tabulka %1 × %1: začíná uprostřed, končí v rohu (%2), "
                                                            "šnek jde ven.")
                                           : QStringLiteral("Tabulka %1 × %1: začíná v rohu (%2), šnek jde dovnitř.");
    sazba.radky({popis.arg(n).arg(nazevRohu(klic.roh))}, pismo(PismoSifry));
    const double bunka = velikostBunky(sazba.sirka(), n);
    const double strana = bunka * n;
    const double y = sazba.misto(strana + Mezera);
    sazba.kresli([n, bunka, y, cesta](QPainter &malir) {
        const QRectF misto(0, y, bunka * n, bunka * n);
        kresliCtverec(malir, misto, QStringList(n, QString()));
        if (cesta.isEmpty())
            return;
        const auto stred = [&](const BunkaSneka &b) {
            return QPointF((b.sloupec + 0.5) * bunka, y + (b.radek + 0.5) * bunka);
        };
        malir.setRenderHint(QPainter::Antialiasing);
        const QPen cervene(QColor(200, 0, 0), 10);
        malir.setPen(cervene);
        malir.setBrush(Qt::NoBrush);
        const BunkaSneka &prvni = cesta.first();
        malir.drawRect(QRectF(prvni.sloupec * bunka, y + prvni.radek * bunka, bunka, bunka).adjusted(6, 6, -6, -6));
        if (cesta.size() < 2)
            return;
        const QPointF od = stred(prvni);
        const QPointF kam = stred(cesta[1]);
        malir.drawLine(od, kam);
        // The arrowhead, a third of a cell long.
        const QPointF smer = (kam - od) / std::max(1.0, std::hypot(kam.x() - od.x(), kam.y() - od.y()));
        const QPointF kolmo(-smer.y(), smer.x());
        const double hrot = bunka / 3;
        QPainterPath sipka;
        sipka.moveTo(kam);
        sipka.lineTo(kam - smer * hrot + kolmo * hrot / 2);
        sipka.lineTo(kam - smer * hrot - kolmo * hrot / 2);
        sipka.closeSubpath();
        malir.fillPath(sipka, cervene.color());
    });
}

// Both wheel discs lying on each other, the turning one set so that its "a" stands at the key.
void sazejKolecko(Sazba &sazba, const KlicHry &klic)
{
    const double meritko = meritkoKolecka();
    const double prumer = 2 * geometrieKolecka.vystrizenyOkraj * meritko;
    sazba.radky({QStringLiteral("Šifrovací kolečko nastavené na klíč")}, pismo(PismoSifry, true));
    const double y = sazba.misto(prumer + Mezera);
    const double x = sazba.sirka() / 2;
    const int delka = delkaKruhu(klic.druh);
    const double uhel = uhelSektoru(((klic.otoceni % delka) + delka) % delka, delka);
    sazba.kresli([druh = klic.druh, meritko, prumer, x, y, uhel](QPainter &malir) {
        malir.setRenderHint(QPainter::Antialiasing);
        malir.translate(x, y + prumer / 2);
        malir.scale(meritko, meritko);
        kresliKolecko(malir, druh, DiskKolecka::vnejsi);
        malir.rotate(uhel);
        kresliKolecko(malir, druh, DiskKolecka::vnitrni);
    });
}

// The Morse chart fills a page of its own.
void sazejTabulkuMorseovky(Sazba &sazba, bool interpunkce)
{
    sazba.novaStrana();
    sazba.misto(sazba.vyska());
    const QRectF plocha(QPointF(0, 0), sazba.plocha());
    sazba.kresli([plocha, interpunkce](QPainter &malir) { KresliTabulkuMorseovky(malir, plocha, interpunkce); });
}

// The grille card as the cut-out sheet prints it, each of its pages on a page of its own.
void sazejKartu(Sazba &sazba, const KlicHry &klic)
{
    const Vystrihovanka karta = Vystrihovanka::zMrizky(klic.okenka, klic.velikost);
    const QList<DilListu> dily = RozvrhniVystrihovanku(karta, sazba.plocha());
    for (int strana = 0; strana < PocetStranVystrihovanky(dily); ++strana) {
        sazba.novaStrana();
        sazba.misto(sazba.vyska());
        sazba.kresli([karta, dily, strana](QPainter &malir) { KresliStranu(malir, karta, dily, strana); });
    }
}

void sazejPomucku(Sazba &sazba, const KlicHry &klic)
{
    switch (klic.sifra) {
    case SifraHry::Morseovka:
        sazejTabulkuMorseovky(sazba, klic.pocetZnaku == MorseSInterpunkci);
        break;
    case SifraHry::Mrizka:
        sazejKartu(sazba, klic);
        break;
    case SifraHry::Kolecko:
        sazejKolecko(sazba, klic);
        break;
    case SifraHry::Snek:
        sazejTabulkuSneka(sazba, klic);
        break;
    case SifraHry::Semafor:
        sazejAbeceduSemaforu(sazba);
        break;
    }
}

QString nazevNaRadek(QString nazev)
{
    return nazev.replace(u'\r', u' ').replace(u'\n', u' ');
}

void sazejHlidku(Sazba &sazba, const Hra &hra, qsizetype i, const VysledekHlidky &vysledek)
{
    sazba.novaStrana();
    sazba.radky({QStringLiteral("Šifra pro hlídku: ") + nazevNaRadek(hra.hlidky[i].nazev)}, pismo(PismoNadpisu, true));
    sazba.radky({NazevSifry(hra.sifra)}, pismo(PismoSifry));
    sazba.mezera(Mezera);
    const SifraHlidky &sifra = vysledek.sifra;
    switch (hra.sifra) {
    case SifraHry::Morseovka:
    case SifraHry::Kolecko:
        sazba.radky({sifra.zasifrovano}, pismo(PismoTextu));
        break;
    case SifraHry::Mrizka:
    case SifraHry::Snek:
        sazejCtverce(sazba, sifra.ctverce, vysledek.klic->velikost);
        break;
    case SifraHry::Semafor:
        sazejSemafor(sazba, sifra.obrazky);
        break;
    }
    if (hra.prilozitPomucku) {
        sazba.mezera(Mezera);
        sazejPomucku(sazba, *vysledek.klic);
    }
}
} // namespace

QList<StrankaHry> RozvrhniHru(const Hra &hra, SifrovaniHry &sifrovani, QSizeF plocha)
{
    const std::optional<QStringList> reseni = RadkyReseni(hra, sifrovani);
    if (!reseni)
        return {};
    Sazba sazba(plocha);
    for (qsizetype i = 0; i < hra.hlidky.size(); ++i)
        sazejHlidku(sazba, hra, i, sifrovani.hlidka(hra, i));
    sazba.novaStrana();
    sazba.radky({NadpisReseni.toString()}, pismo(PismoNadpisu, true));
    sazba.mezera(Mezera);
    sazba.radky(*reseni, pismo(PismoReseni));
    return std::move(sazba).stranky();
}

bool TiskniHru(QPrinter &tiskarna, const Hra &hra, SifrovaniHry &sifrovani, QString *chyba)
{
    if (!ZkontrolujHru(hra, sifrovani, chyba))
        return false;
    const QList<StrankaHry> stranky = RozvrhniHru(hra, sifrovani, plochaListu(tiskarna).size() * JednotekNaMm);
    return TiskniKresleneListy(
        tiskarna, int(stranky.size()),
        [&stranky](QPainter &malir, int strana) {
            for (const KresbaStrany &kresba : stranky[strana].kresby) {
                malir.save();
                kresba(malir);
                malir.restore();
            }
        },
        chyba);
}

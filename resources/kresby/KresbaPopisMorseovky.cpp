#include "resources/kresby/KresbyPopisu.h"

#include <QPainter>

#include <algorithm>

namespace {
// Four columns of at most 13 rows: a-m, n-z, the digits, the punctuation marks.
constexpr int Sirka = 700;
constexpr int Sloupcu = 4;
constexpr int SirkaSloupce = Sirka / Sloupcu;
constexpr int Radku = 13;
constexpr int VyskaRadku = 40;
constexpr int Hlavicka = 40;
constexpr int Pata = 44;
constexpr int Vyska = Hlavicka + Radku * VyskaRadku + Pata;

// The code drawn as it sounds: a dot short and round, a dash three times as long.
constexpr double Tecka = 8;
constexpr double Carka = 20;
constexpr double Mezera = 5;
constexpr double OdsazeniKodu = 40;

const QColor Stin(0xee, 0xf2, 0xf8);
const QColor Cara(0x90, 0x90, 0x90);
const QColor Nadpis(0x20, 0x40, 0x80);

QList<MorseZnak> usek(qsizetype od, qsizetype pocet)
{
    return QList<MorseZnak>(MorseTabulka.begin() + od, MorseTabulka.begin() + od + pocet);
}

void kresliKod(QPainter &malir, QPointF zacatek, QStringView kod)
{
    malir.setPen(Qt::NoPen);
    malir.setBrush(Qt::black);
    double x = zacatek.x();
    for (const QChar znak : kod) {
        const double delka = znak == u'-' ? Carka : Tecka;
        malir.drawRoundedRect(QRectF(x, zacatek.y() - Tecka / 2, delka, Tecka), Tecka / 2, Tecka / 2);
        x += delka + Mezera;
    }
}

void kresliZnak(QPainter &malir, int sloupec, int radek, const MorseZnak &znak)
{
    const QRectF bunka(sloupec * SirkaSloupce, Hlavicka + radek * VyskaRadku, SirkaSloupce, VyskaRadku);
    malir.setPen(Qt::black);
    malir.setFont(pismoPopisu(21, true));
    malir.drawText(QRectF(bunka.left() + 6, bunka.top(), OdsazeniKodu - 10, bunka.height()), Qt::AlignCenter,
                   znak.znak.toString().toUpper());
    kresliKod(malir, QPointF(bunka.left() + OdsazeniKodu, bunka.center().y()), znak.kod);
}

void kresliHlavicku(QPainter &malir, const QList<SloupecMorseovky> &sloupce)
{
    malir.setPen(Nadpis);
    malir.setFont(pismoPopisu(18, true));
    for (qsizetype s = 0; s < sloupce.size(); ++s) {
        // A heading stands over its whole block: over the columns up to the next heading.
        if (sloupce[s].nadpis.isEmpty())
            continue;
        qsizetype konec = s + 1;
        while (konec < sloupce.size() && sloupce[konec].nadpis.isEmpty())
            ++konec;
        malir.drawText(QRectF(s * SirkaSloupce, 0, (konec - s) * SirkaSloupce, Hlavicka), Qt::AlignCenter,
                       sloupce[s].nadpis);
    }
}

void kresliPatu(QPainter &malir)
{
    malir.setPen(Qt::black);
    malir.setFont(pismoPopisu(16));
    malir.drawText(QRectF(0, Vyska - Pata, Sirka, Pata), Qt::AlignCenter,
                   QStringLiteral("CH = C H        za písmenem /        mezi slovy //        konec věty ///"));
}
} // namespace

QList<SloupecMorseovky> sloupceTabulkyMorseovky()
{
    // MorseTabulka: 0 the placeholder, 1-10 the digits, 11-36 the letters, 37-49 the marks.
    return {{QStringLiteral("Písmena"), usek(11, 13)},
            {QString(), usek(24, 13)},
            {QStringLiteral("Číslice"), usek(1, 10)},
            {QStringLiteral("Znaménka"), usek(37, 13)}};
}

QImage nakresliTabulkuMorseovky()
{
    QImage obraz(Sirka, Vyska, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    QPainter malir(&obraz);
    malir.setRenderHint(QPainter::Antialiasing);
    malir.setRenderHint(QPainter::TextAntialiasing);

    for (int radek = 1; radek < Radku; radek += 2)
        malir.fillRect(QRectF(0, Hlavicka + radek * VyskaRadku, Sirka, VyskaRadku), Stin);
    malir.setPen(QPen(Cara, 1));
    malir.drawLine(QPointF(0, Hlavicka - 0.5), QPointF(Sirka, Hlavicka - 0.5));
    malir.drawLine(QPointF(0, Vyska - Pata + 0.5), QPointF(Sirka, Vyska - Pata + 0.5));
    for (int s = 1; s < Sloupcu; ++s)
        malir.drawLine(QPointF(s * SirkaSloupce + 0.5, Hlavicka), QPointF(s * SirkaSloupce + 0.5, Vyska - Pata));

    const QList<SloupecMorseovky> sloupce = sloupceTabulkyMorseovky();
    kresliHlavicku(malir, sloupce);
    for (qsizetype s = 0; s < sloupce.size(); ++s)
        for (qsizetype r = 0; r < std::min<qsizetype>(sloupce[s].znaky.size(), Radku); ++r)
            kresliZnak(malir, int(s), int(r), sloupce[s].znaky[r]);
    kresliPatu(malir);
    return obraz;
}

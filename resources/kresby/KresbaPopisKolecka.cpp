#include "resources/kresby/KresbyPopisu.h"

#include "resources/kresby/KresbaKolecko.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <cmath>

namespace {
// The two discs side by side at the scale of the big one; the wheel's own proportions
// (geometrieKolecka) decide every other radius, so the small disc fits the big one's inner circle.
constexpr double VelkyPolomer = 178;
constexpr double Meritko = VelkyPolomer / geometrieKolecka.okraj;
constexpr double MalyPolomer = geometrieKolecka.deliciKruh * Meritko;
constexpr int Okraj = 12;
constexpr int MeziDisky = 22;
constexpr int Popisky = 62;
constexpr int Sirka = int(2 * (VelkyPolomer + MalyPolomer)) + 2 * Okraj + MeziDisky;
constexpr int Vyska = int(2 * VelkyPolomer) + 2 * Okraj + Popisky;

const QPointF StredVelkeho(Okraj + VelkyPolomer, Okraj + VelkyPolomer);
const QPointF StredMaleho(Sirka - Okraj - MalyPolomer, Okraj + VelkyPolomer);

const QColor BarvaDisku(0xf0, 0xf4, 0xfa);
const QColor BarvaHvezdy(0xb4, 0xb4, 0xb4);
const QColor BarvaZnacky(0xc0, 0x00, 0x00);

QPointF bod(QPointF stred, double uhel, double polomer)
{
    const double radiany = uhel * M_PI / 180.0;
    return {stred.x() + polomer * std::sin(radiany), stred.y() - polomer * std::cos(radiany)};
}

void kruh(QPainter &malir, QPointF stred, double polomer)
{
    malir.drawEllipse(stred, polomer, polomer);
}

void hranice(QPainter &malir, QPointF stred, int delka, double od, double po)
{
    for (int p = 0; p < delka; ++p) {
        const double uhel = uhelSektoru(p, delka) + 180.0 / delka;
        malir.drawLine(bod(stred, uhel, od), bod(stred, uhel, po));
    }
}

// Bold, first narrower and only then smaller until the text fits its sector.
QFont pismoSektoru(const QString &text, double sirkaSektoru, int velikost)
{
    QFont pismo = pismoPopisu(velikost, true);
    const auto vejdeSe = [&] { return QFontMetricsF(pismo).horizontalAdvance(text) <= sirkaSektoru * 0.8; };
    for (int zuzeni = 100; zuzeni >= 70 && !vejdeSe(); zuzeni -= 5)
        pismo.setStretch(zuzeni);
    while (velikost > 8 && !vejdeSe())
        pismo.setPixelSize(--velikost);
    return pismo;
}

// The labels of one ring, upright when their sector is at the top, as on the wheel itself. The first
// one (the "A" at the top) in red when it is the mark to set the key by.
void kresliPopisky(QPainter &malir, QPointF stred, const QList<PopisekDilu> &popisky, double polomer, int velikost,
                   bool znacka = false)
{
    const double sirkaSektoru = 2 * M_PI * polomer / popisky.size();
    for (const PopisekDilu &p : popisky) {
        malir.setPen(znacka && &p == &popisky.first() ? BarvaZnacky : Qt::black);
        const QFont pismo = pismoSektoru(p.text, sirkaSektoru, velikost);
        const QFontMetricsF miry(pismo);
        malir.save();
        malir.translate(stred);
        malir.rotate(p.uhel);
        malir.setFont(pismo);
        malir.drawText(QPointF(-miry.horizontalAdvance(p.text) / 2, -polomer + miry.capHeight() / 2), p.text);
        malir.restore();
    }
}

// Where the pin goes through both discs.
void stredDisku(QPainter &malir, QPointF stred)
{
    malir.setPen(QPen(Qt::black, 1));
    malir.setBrush(Qt::white);
    kruh(malir, stred, 4);
}

void velkyDisk(QPainter &malir, DruhKolecka druh, const QList<PopisekDilu> &popisky)
{
    const auto &g = geometrieKolecka;
    const int delka = delkaKruhu(druh);
    malir.setPen(QPen(Qt::black, 2));
    malir.setBrush(Qt::white);
    kruh(malir, StredVelkeho, VelkyPolomer);
    malir.setPen(QPen(Qt::gray, 1, Qt::DashLine));
    malir.setBrush(BarvaDisku);
    kruh(malir, StredVelkeho, MalyPolomer);
    malir.setPen(QPen(Qt::black, 1));
    hranice(malir, StredVelkeho, delka, MalyPolomer, VelkyPolomer);
    kresliPopisky(malir, StredVelkeho, popisky, g.vnejsiPismo * Meritko, 19);
    stredDisku(malir, StredVelkeho);
}

void malyDisk(QPainter &malir, DruhKolecka druh, const QList<PopisekDilu> &popisky)
{
    const auto &g = geometrieKolecka;
    const int delka = delkaKruhu(druh);
    malir.setPen(QPen(Qt::black, 2));
    malir.setBrush(BarvaDisku);
    kruh(malir, StredMaleho, MalyPolomer);
    malir.setPen(QPen(Qt::black, 1));
    malir.setBrush(Qt::white);
    kruh(malir, StredMaleho, g.vnitrniOkraj * Meritko);
    hranice(malir, StredMaleho, delka, g.vnitrniOkraj * Meritko, MalyPolomer);

    // The star in the middle, as on the wheel in the window.
    const double vrchol = (g.vnitrniOkraj - 4) * Meritko;
    QPolygonF hvezda;
    for (int i = 0; i < 2 * g.hvezdaCipy; ++i)
        hvezda << bod(StredMaleho, 180.0 * i / g.hvezdaCipy, i % 2 == 0 ? vrchol : vrchol * g.hvezdaPomer);
    malir.setPen(QPen(Qt::darkGray, 1));
    malir.setBrush(BarvaHvezdy);
    malir.drawPolygon(hvezda);

    kresliPopisky(malir, StredMaleho, popisky, g.vnitrniPismo * Meritko, 17, true);
    stredDisku(malir, StredMaleho);
}

void popisPod(QPainter &malir, QPointF stred, const QString &prvni, const QString &druhy)
{
    const double y = Okraj + 2 * VelkyPolomer + 8;
    const QRectF radek(stred.x() - 170, y, 340, 26);
    malir.setPen(Qt::black);
    malir.setFont(pismoPopisu(17, true));
    malir.drawText(radek, Qt::AlignCenter, prvni);
    malir.setFont(pismoPopisu(15));
    malir.drawText(radek.translated(0, 26), Qt::AlignCenter, druhy);
}

QList<PopisekDilu> naDilu(const QList<PopisekSektoru> &kruh)
{
    QList<PopisekDilu> popisky;
    for (const PopisekSektoru &p : kruh)
        popisky.append({p.text, p.uhel});
    return popisky;
}
} // namespace

DilyKolecka dilyKolecka(DruhKolecka druh)
{
    return {naDilu(popiskyKruhu(vnejsiKruh(druh), geometrieKolecka.vnejsiPismo)),
            naDilu(popiskyKruhu(vnitrniKruh(druh), geometrieKolecka.vnitrniPismo))};
}

QImage nakresliKoleckoKVystrizeni(DruhKolecka druh)
{
    QImage obraz(Sirka, Vyska, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    QPainter malir(&obraz);
    malir.setRenderHint(QPainter::Antialiasing);
    malir.setRenderHint(QPainter::TextAntialiasing);
    const DilyKolecka dily = dilyKolecka(druh);
    velkyDisk(malir, druh, dily.vnejsi);
    malyDisk(malir, druh, dily.vnitrni);
    popisPod(malir, StredVelkeho, QStringLiteral("Spodní kotouč"), QStringLiteral("pevná abeceda"));
    popisPod(malir, StredMaleho, QStringLiteral("Horní kotouč"),
             QStringLiteral("otáčí se, červené A nastavte na klíč"));
    return obraz;
}

#include "resources/kresby/KresbaKolecko.h"

#include "resources/kresby/Kresby.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace {

constexpr QSize VelikostKolecka(260, 258);
constexpr QColor BarvaDisku(0xf0, 0xf4, 0xfa);
constexpr QColor BarvaHvezdy(0x9a, 0x9a, 0x9a);
constexpr QColor ObrysHvezdy(0x55, 0x55, 0x55);
constexpr QColor BarvaZnacky(0xc0, 0x00, 0x00);

// Points are relative to the wheel's centre: the painter's origin.
QPointF bodNaKruhu(double uhel, double polomer)
{
    const double radiany = uhel * M_PI / 180.0;
    return {polomer * std::sin(radiany), -polomer * std::cos(radiany)};
}

void kruh(QPainter &malir, double polomer)
{
    malir.drawEllipse(QPointF(0, 0), polomer, polomer);
}

// The sector borders between two circles; both rings use the same borders, so they line up.
void hraniceSektoru(QPainter &malir, int delka, double od, double po)
{
    for (int p = 0; p < delka; ++p) {
        const double uhel = uhelSektoru(p, delka) + 180.0 / delka;
        malir.drawLine(bodNaKruhu(uhel, od), bodNaKruhu(uhel, po));
    }
}

void hvezda(QPainter &malir)
{
    const auto &g = geometrieKolecka;
    const double vrchol = g.vnitrniOkraj - 3;
    QPolygonF obrys;
    for (int i = 0; i < 2 * g.hvezdaCipy; ++i) {
        const double uhel = 180.0 * i / g.hvezdaCipy;
        obrys << bodNaKruhu(uhel, i % 2 == 0 ? vrchol : vrchol * g.hvezdaPomer);
    }
    malir.setPen(QPen(ObrysHvezdy, 1));
    malir.setBrush(BarvaHvezdy);
    malir.drawPolygon(obrys);
    // The pin the disc turns on.
    malir.setBrush(Qt::white);
    kruh(malir, 3);
}

// A cross over the pin, so that the paper discs are pierced at their very centre.
void znackaStredu(QPainter &malir)
{
    malir.setPen(QPen(Qt::black, 0.4));
    malir.setBrush(Qt::NoBrush);
    malir.drawLine(QPointF(-6, 0), QPointF(6, 0));
    malir.drawLine(QPointF(0, -6), QPointF(0, 6));
}

// A bold font narrow enough for the text to keep clear of its sector's borders: a wide text
// ("CH") is first set narrower, and only then smaller.
QFont pismoProSektor(const QString &text, double sirkaSektoru, int velikost)
{
    QFont pismo(QStringLiteral("DejaVu Sans"));
    pismo.setBold(true);
    pismo.setPixelSize(velikost);
    const auto vejdeSe = [&] { return QFontMetricsF(pismo).horizontalAdvance(text) <= sirkaSektoru * 0.82; };
    for (int zuzeni = 100; zuzeni >= 70 && !vejdeSe(); zuzeni -= 5)
        pismo.setStretch(zuzeni);
    while (velikost > 6 && !vejdeSe())
        pismo.setPixelSize(--velikost);
    return pismo;
}

// The text stands upright when its sector is at the top: the wheel turns the letters with it.
void popisek(QPainter &malir, const PopisekSektoru &p, int delka)
{
    const auto &g = geometrieKolecka;
    const double sirkaSektoru = 2 * M_PI * p.polomer / delka;
    const QFont pismo = pismoProSektor(p.text, sirkaSektoru, p.polomer > g.deliciKruh ? 13 : 12);
    const QFontMetricsF miry(pismo);
    malir.save();
    malir.rotate(p.uhel);
    malir.setFont(pismo);
    malir.drawText(QPointF(-miry.horizontalAdvance(p.text) / 2, -p.polomer + miry.capHeight() / 2), p.text);
    malir.restore();
}

void kresliPopiskyKruhu(QPainter &malir, QStringView kruh, double polomer)
{
    malir.setPen(Qt::black);
    for (const PopisekSektoru &p : popiskyKruhu(kruh, polomer))
        popisek(malir, p, int(kruh.size()));
}

// A small cross on the border between the outer and the inner "A": the mark to set the key by.
void znacka(QPainter &malir)
{
    const QPointF stred = bodNaKruhu(0, geometrieKolecka.deliciKruh);
    malir.setPen(QPen(BarvaZnacky, 2, Qt::SolidLine, Qt::FlatCap));
    malir.drawLine(stred - QPointF(4, 0), stred + QPointF(4, 0));
    malir.drawLine(stred - QPointF(0, 4), stred + QPointF(0, 4));
}

// On the turning disc alone the mark is a wedge at its edge above the "A", pointing at the
// character of the fixed disc that the "A" is set against.
void znackaNaDisku(QPainter &malir)
{
    const double okraj = geometrieKolecka.deliciKruh;
    const QPolygonF klin{QPointF(0, -okraj + 0.5), QPointF(-3.5, -okraj + 6.5), QPointF(3.5, -okraj + 6.5)};
    malir.setPen(Qt::NoPen);
    malir.setBrush(BarvaZnacky);
    malir.drawPolygon(klin);
}

// Both discs as they lie on each other: the picture of the window.
void obaDisky(QPainter &malir, DruhKolecka druh)
{
    const auto &g = geometrieKolecka;
    const int delka = delkaKruhu(druh);
    malir.setPen(QPen(Qt::black, 1.5));
    malir.setBrush(Qt::white);
    kruh(malir, g.okraj);
    malir.setPen(QPen(Qt::black, 1.2));
    malir.setBrush(BarvaDisku);
    kruh(malir, g.deliciKruh);
    malir.setBrush(Qt::NoBrush);
    kruh(malir, g.vnitrniOkraj);
    malir.setPen(QPen(Qt::black, 1));
    hraniceSektoru(malir, delka, g.deliciKruh, g.okraj);
    hraniceSektoru(malir, delka, g.vnitrniOkraj, g.deliciKruh);
    hvezda(malir);
    kresliPopiskyKruhu(malir, vnejsiKruh(druh), g.vnejsiPismo);
    kresliPopiskyKruhu(malir, vnitrniKruh(druh), g.vnitrniPismo);
    znacka(malir);
}

// The fixed disc: its cut edge, the outer ring and, inside it, the circle the turning disc covers.
void vnejsiDisk(QPainter &malir, DruhKolecka druh)
{
    const auto &g = geometrieKolecka;
    malir.setPen(QPen(Qt::black, 1.2));
    malir.setBrush(Qt::white);
    kruh(malir, g.vystrizenyOkraj);
    malir.setPen(QPen(Qt::black, 0.8));
    malir.setBrush(Qt::NoBrush);
    kruh(malir, g.okraj);
    kruh(malir, g.deliciKruh);
    hraniceSektoru(malir, delkaKruhu(druh), g.deliciKruh, g.okraj);
    kresliPopiskyKruhu(malir, vnejsiKruh(druh), g.vnejsiPismo);
    znackaStredu(malir);
}

// The turning disc: cut along the circle where it meets the fixed ring.
void vnitrniDisk(QPainter &malir, DruhKolecka druh)
{
    const auto &g = geometrieKolecka;
    malir.setPen(QPen(Qt::black, 1.2));
    malir.setBrush(BarvaDisku);
    kruh(malir, g.deliciKruh);
    malir.setPen(QPen(Qt::black, 0.8));
    malir.setBrush(Qt::NoBrush);
    kruh(malir, g.vnitrniOkraj);
    hraniceSektoru(malir, delkaKruhu(druh), g.vnitrniOkraj, g.deliciKruh);
    hvezda(malir);
    kresliPopiskyKruhu(malir, vnitrniKruh(druh), g.vnitrniPismo);
    znackaNaDisku(malir);
    znackaStredu(malir);
}

} // namespace

QList<PopisekSektoru> popiskyKruhu(QStringView kruh, double polomer)
{
    QList<PopisekSektoru> popisky;
    popisky.reserve(kruh.size());
    for (qsizetype p = 0; p < kruh.size(); ++p) {
        const QString text = kruh[p] == u'-' ? QStringLiteral("CH") : QString(kruh[p].toUpper());
        popisky.append({text, uhelSektoru(int(p), int(kruh.size())), polomer});
    }
    return popisky;
}

QList<PopisekSektoru> popiskyKolecka(DruhKolecka druh)
{
    const auto &g = geometrieKolecka;
    return popiskyKruhu(vnejsiKruh(druh), g.vnejsiPismo) + popiskyKruhu(vnitrniKruh(druh), g.vnitrniPismo);
}

void kresliKolecko(QPainter &malir, DruhKolecka druh, DiskKolecka disk)
{
    malir.save();
    switch (disk) {
    case DiskKolecka::oba:
        obaDisky(malir, druh);
        break;
    case DiskKolecka::vnejsi:
        vnejsiDisk(malir, druh);
        break;
    case DiskKolecka::vnitrni:
        vnitrniDisk(malir, druh);
        break;
    }
    malir.restore();
}

QImage nakresliKolecko(DruhKolecka druh, int meritko)
{
    const auto &g = geometrieKolecka;
    QImage obraz(VelikostKolecka * meritko, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    QPainter malir(&obraz);
    malir.setRenderHint(QPainter::Antialiasing);
    malir.scale(meritko, meritko);
    malir.translate(g.stredX, g.stredY);
    kresliKolecko(malir, druh, DiskKolecka::oba);
    return obraz;
}

QList<Kresba> kresbyKolecka(int meritko)
{
    return {{71, nakresliKolecko(DruhKolecka::bezCh, meritko)}, {72, nakresliKolecko(DruhKolecka::sCh, meritko)}};
}

#include "resources/kresby/KresbaSemafor.h"

#include "ciphers/Semafor.h"
#include "resources/kresby/Kresby.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {
// One sign: where the two flags point, as clock positions (hours) seen by the observer who faces
// the signaller. The signaller's right hand is on the observer's left. Where both flags are on one
// side, the other hand crosses in front of the body to the one nearer the horizontal (the lower
// one when both are diagonal), so no arm crosses the face.
struct Znameni
{
    const char16_t *pismeno;
    double prava;
    double leva;
    const char16_t *popisek; // the digit or word the sign also stands for
};

// Pictures 1-27 in the encoder's numbering.
constexpr std::array<Znameni, 27> Signaly{{
    {u"A", 7.5, 6, u"1"},    {u"B", 9, 6, u"2"},        {u"C", 10.5, 6, u"3"},      {u"D", 12, 6, u"4"},
    {u"E", 6, 1.5, u"5"},    {u"F", 6, 3, u"6"},        {u"G", 6, 4.5, u"7"},       {u"H", 7.5, 9, u"8"},
    {u"I", 10.5, 7.5, u"9"}, {u"J", 12, 3, u"PÍSMENA"}, {u"K", 7.5, 12, u"0"},      {u"L", 7.5, 1.5, u""},
    {u"M", 7.5, 3, u""},     {u"N", 7.5, 4.5, u""},     {u"O", 10.5, 9, u""},       {u"P", 9, 12, u""},
    {u"Q", 9, 1.5, u""},     {u"R", 9, 3, u""},         {u"S", 9, 4.5, u""},        {u"T", 10.5, 12, u""},
    {u"U", 10.5, 1.5, u""},  {u"V", 12, 4.5, u""},      {u"W", 3, 1.5, u""},        {u"X", 4.5, 1.5, u""},
    {u"Y", 10.5, 3, u""},    {u"Z", 3, 4.5, u""},       {u"", 12, 1.5, u"ČÍSLICE"},
}};

// The drawing is laid out on a 48 x 48 grid, the size of the bitmaps.
constexpr int Bitmapa = 48;
constexpr double Strana = Bitmapa;
constexpr double Stred = 24;
constexpr double Ramena = 18;     // height of the shoulders
constexpr double PulRamen = 5.5;  // half the shoulder width
constexpr double Paze = 8;        // shoulder to hand
constexpr double Zerd = 9;        // hand to the tip of the staff
constexpr double Vlajka = 6.5;    // side of the flag at the tip
constexpr double Boky = 28;       // height of the hips
constexpr double Chodidla = 37;   // height of the feet
constexpr double RadekTextu = 46; // baseline of the letter and its digit or word

const QColor Cerna(0x20, 0x20, 0x20);
const QColor Cervena(0xD0, 0x10, 0x10);
const QColor Zluta(0xFF, 0xD8, 0x00);

// The unit vector towards a clock position, y pointing down.
QPointF smer(double hodiny)
{
    const double uhel = hodiny / 12 * 2 * std::numbers::pi;
    return {std::sin(uhel), -std::cos(uhel)};
}

// A clock position in words, seen by the observer.
QString smerSlovy(double hodiny)
{
    static const std::array<const char16_t *, 8> Smery{
        u"nahoru", u"šikmo nahoru vpravo", u"vpravo", u"šikmo dolů vpravo",
        u"dolů",   u"šikmo dolů vlevo",    u"vlevo",  u"šikmo nahoru vlevo"};
    return QString::fromUtf16(Smery[std::size_t(std::lround(hodiny / 1.5)) % Smery.size()]);
}

// One arm from its shoulder, the staff in its hand and the flag at the staff's tip. A staff
// stands where the shoulder on its own side would hold it, so a crossing arm reaches over the
// body to it. The flag hangs below the staff, or off a vertical staff away from the figure; it is
// split along the diagonal into the red half at the staff's tip and the yellow half beyond.
void kresliPazi(QPainter &malir, QPointF rameno, QPointF druheRameno, double hodiny)
{
    const QPointF d = smer(hodiny);
    const bool krizi = d.x() * (rameno.x() - Stred) < -0.1;
    const QPointF ruka = (krizi ? druheRameno : rameno) + d * Paze;
    const QPointF spicka = ruka + d * Zerd;
    const QPointF patka = spicka - d * Vlajka;

    QPointF n(-d.y(), d.x());
    if (std::abs(d.x()) < 1e-9 ? (n.x() > 0) != (rameno.x() > Stred) : n.y() < 0)
        n = -n;

    malir.setPen(QPen(Cerna, 2.2, Qt::SolidLine, Qt::RoundCap));
    malir.drawLine(rameno, ruka);
    malir.setPen(QPen(Cerna, 1.0, Qt::SolidLine, Qt::RoundCap));
    malir.drawLine(ruka, spicka);

    const QPointF rohSpicky = spicka + n * Vlajka;
    const QPointF rohPatky = patka + n * Vlajka;
    malir.setPen(Qt::NoPen);
    malir.setBrush(Cervena);
    malir.drawPolygon(QPolygonF{spicka, rohSpicky, patka});
    malir.setBrush(Zluta);
    malir.drawPolygon(QPolygonF{patka, rohSpicky, rohPatky});
    malir.setPen(QPen(Cerna, 0.7));
    malir.setBrush(Qt::NoBrush);
    malir.drawPolygon(QPolygonF{spicka, rohSpicky, rohPatky, patka});
}

void kresliPostavu(QPainter &malir, const Znameni &z)
{
    const QPointF pravaRamena(Stred - PulRamen, Ramena);
    const QPointF levaRamena(Stred + PulRamen, Ramena);

    malir.setPen(QPen(Cerna, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    malir.setBrush(Qt::white);
    malir.drawLine(QPointF(Stred - 2, Boky), QPointF(Stred - 4, Chodidla));
    malir.drawLine(QPointF(Stred + 2, Boky), QPointF(Stred + 4, Chodidla));
    malir.drawLine(pravaRamena, levaRamena);
    malir.drawPolygon(QPolygonF{QPointF(Stred - 3, Ramena), QPointF(Stred + 3, Ramena), QPointF(Stred + 2.5, Boky),
                                QPointF(Stred - 2.5, Boky)});
    malir.drawEllipse(QPointF(Stred, Ramena - 5), 3.3, 3.3);

    kresliPazi(malir, pravaRamena, levaRamena, z.prava);
    kresliPazi(malir, levaRamena, pravaRamena, z.leva);
}

// The letter in bold and after it the digit or word, centred under the figure, so that in a
// row of pictures every caption stays with its own figure.
void kresliPopisky(QPainter &malir, const Znameni &z)
{
    QFont tucne(QStringLiteral("DejaVu Sans"));
    tucne.setStyleHint(QFont::SansSerif);
    tucne.setPixelSize(9);
    tucne.setBold(true);
    QFont doplnek = tucne;
    const QString pismeno = QString::fromUtf16(z.pismeno);
    const QString popisek = QString::fromUtf16(z.popisek);
    if (popisek.size() > 1) {
        doplnek.setPixelSize(8);
        doplnek.setStretch(QFont::SemiCondensed);
    } else {
        doplnek.setBold(false);
    }
    const double sirkaPismena = QFontMetricsF(tucne).horizontalAdvance(pismeno);
    const double mezera = pismeno.isEmpty() || popisek.isEmpty() ? 0 : 2;
    const double sirka = sirkaPismena + mezera + QFontMetricsF(doplnek).horizontalAdvance(popisek);
    const double x = std::max(0.0, (Strana - sirka) / 2);

    malir.setPen(Cerna);
    malir.setFont(tucne);
    malir.drawText(QPointF(x, RadekTextu), pismeno);
    malir.setFont(doplnek);
    malir.drawText(QPointF(x + sirkaPismena + mezera, RadekTextu), popisek);
}
} // namespace

void kresliSemafor(QPainter &malir, const QRectF &obdelnik, int cislo, bool popisky)
{
    if (cislo < 1 || cislo > int(Signaly.size()))
        return;
    const Znameni &z = Signaly[std::size_t(cislo - 1)];
    const double meritko = std::min(obdelnik.width(), obdelnik.height()) / Strana;
    malir.save();
    malir.translate(obdelnik.center() - QPointF(Stred, Stred) * meritko);
    malir.scale(meritko, meritko);
    malir.setRenderHint(QPainter::Antialiasing);
    malir.setRenderHint(QPainter::TextAntialiasing);
    kresliPostavu(malir, z);
    if (popisky)
        kresliPopisky(malir, z);
    malir.restore();
}

QString popisVlajek(int cislo)
{
    if (cislo < 1 || cislo > int(Signaly.size()))
        return {};
    const Znameni &z = Signaly[std::size_t(cislo - 1)];
    return QStringLiteral("Vlajky míří %1 a %2").arg(smerSlovy(z.prava), smerSlovy(z.leva));
}

QList<Kresba> kresbySemaforu(int meritko)
{
    QList<Kresba> kresby;
    for (int cislo = 1; cislo <= SemaforPocetObrazku; ++cislo) {
        QImage obraz(Bitmapa * meritko, Bitmapa * meritko, QImage::Format_RGB32);
        obraz.fill(Qt::white);
        QPainter malir(&obraz);
        kresliSemafor(malir, QRectF(obraz.rect()), cislo);
        malir.end();
        kresby.append({cislo, obraz});
    }
    return kresby;
}

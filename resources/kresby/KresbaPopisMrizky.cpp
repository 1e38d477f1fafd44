#include "resources/kresby/KresbyPopisu.h"

#include "text/Cisteni.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace {
constexpr int Sirka = 700;
constexpr std::array<QChar, 4> Polohy{u'A', u'B', u'C', u'D'};

// The example: six panels in two rows of three, each a caption over a card.
constexpr int SirkaPanelu = Sirka / 3;
constexpr int NadPanely = 64;
constexpr int Titulek = 26;
constexpr int PodPanelem = 14;
constexpr int StranaKartyPrikladu = 212;
constexpr double OkrajPrikladu = 16; // the card round its cells, where the edge letters stand
constexpr int Pata = 64;

// The card to cut out.
constexpr int StranaKarty = 480;
constexpr int OkrajKarty = 46;

const QColor BarvaKarty(0xc4, 0xc4, 0xc4);
const QColor Okenko(0x40, 0x40, 0x40);
const QColor Linky(0x9a, 0x9a, 0x9a);
const QColor Seda(0x70, 0x70, 0x70);

QString vycisteny(QStringView text)
{
    return VycistiMalymi(text, ZnakyMrizka, NahradaMala);
}

// The holes of the card turned p quarter turns anticlockwise, as the engine turns it.
MapaPozic okenkaVPoloze(const Okenka &okenka, int n, int p)
{
    MapaPozic mrizka{};
    for (int c = 0; c < n; ++c)
        for (int r = 0; r < n; ++r)
            mrizka[c][r] = okenka[c][r] ? u'#' : NeodkrytaBunka;
    for (int i = 0; i < p; ++i)
        mrizka = OtocMrizku(mrizka, n);
    return mrizka;
}

// Where a card's cells lie on a picture: their square and the side of one cell.
struct Karta
{
    QRectF ctverec;
    double bunka;
    QRectF pole(int c, int r) const { return {ctverec.left() + c * bunka, ctverec.top() + r * bunka, bunka, bunka}; }
};

Karta kartaVe(const QRectF &misto, int n, double okraj)
{
    const double strana = std::floor((misto.width() - 2 * okraj) / n) * n;
    const QPointF roh = misto.center() - QPointF(strana / 2, strana / 2);
    return {QRectF(roh, QSizeF(strana, strana)), strana / n};
}

void kresliMrizku(QPainter &malir, const Karta &karta, int n, const QColor &barva)
{
    malir.setPen(QPen(barva, 1));
    for (int i = 0; i <= n; ++i) {
        const double x = karta.ctverec.left() + i * karta.bunka;
        const double y = karta.ctverec.top() + i * karta.bunka;
        malir.drawLine(QPointF(x, karta.ctverec.top()), QPointF(x, karta.ctverec.bottom()));
        malir.drawLine(QPointF(karta.ctverec.left(), y), QPointF(karta.ctverec.right(), y));
    }
}

// The letters on the card's edges, centred in the margin (okraj) round the square of cells: in position p
// the top edge carries p's letter, the right edge the next one, and so on round the card; each stands
// upright when a turn brings its edge to the top.
void kresliOkraje(QPainter &malir, const QRectF &ctverec, double okraj, int p, int velikost)
{
    malir.setPen(Qt::black);
    malir.setFont(pismoPopisu(velikost, true));
    const double polovina = ctverec.height() / 2;
    for (int hrana = 0; hrana < 4; ++hrana) {
        malir.save();
        malir.translate(ctverec.center());
        malir.rotate(90.0 * hrana);
        malir.drawText(QRectF(-velikost, -polovina - okraj, 2 * velikost, okraj), Qt::AlignCenter,
                       QString(Polohy[std::size_t((p + hrana) % 4)]));
        malir.restore();
    }
}

// One card of the example in position p (or the card as cut, p = -1, with nothing written yet).
void kresliKartu(QPainter &malir, const QRectF &misto, const Okenka &okenka, int n, int p, const MapaPozic &mapa,
                 const QString &ctverec)
{
    const Karta karta = kartaVe(misto, n, OkrajPrikladu + 2);
    const QRectF obrys = karta.ctverec.adjusted(-OkrajPrikladu, -OkrajPrikladu, OkrajPrikladu, OkrajPrikladu);
    malir.setPen(QPen(Qt::black, 1.5));
    malir.setBrush(BarvaKarty);
    malir.drawRect(obrys);
    const MapaPozic okna = okenkaVPoloze(okenka, n, std::max(p, 0));
    for (int c = 0; c < n; ++c) {
        for (int r = 0; r < n; ++r) {
            if (okna[c][r] != u'#')
                continue;
            malir.fillRect(karta.pole(c, r), Qt::white);
            if (p < 0 || mapa[c][r] == NeodkrytaBunka)
                continue;
            // Letters written in this position in black, those an earlier position wrote here in grey.
            const bool nove = mapa[c][r] == Polohy[std::size_t(p)];
            malir.setPen(nove ? Qt::black : Seda);
            malir.setFont(pismoPopisu(int(karta.bunka * 0.6), nove));
            malir.drawText(karta.pole(c, r), Qt::AlignCenter, QString(ctverec[c * n + r]));
        }
    }
    kresliMrizku(malir, karta, n, Linky);
    kresliOkraje(malir, karta.ctverec, OkrajPrikladu, std::max(p, 0), 12);
}

// The square as the cipher leaves it: every cell with its character.
void kresliCtverec(QPainter &malir, const QRectF &misto, int n, const QString &ctverec)
{
    const Karta karta = kartaVe(misto, n, OkrajPrikladu + 2);
    malir.setPen(QPen(Qt::black, 1.5));
    malir.setBrush(Qt::white);
    malir.drawRect(karta.ctverec);
    kresliMrizku(malir, karta, n, Linky);
    malir.setPen(Qt::black);
    malir.setFont(pismoPopisu(int(karta.bunka * 0.6), true));
    for (int c = 0; c < n; ++c)
        for (int r = 0; r < n; ++r)
            malir.drawText(karta.pole(c, r), Qt::AlignCenter, QString(ctverec[c * n + r]));
}

void kresliTitulek(QPainter &malir, const QRectF &misto, const QString &text)
{
    malir.setPen(Qt::black);
    malir.setFont(pismoPopisu(15, true));
    malir.drawText(misto, Qt::AlignCenter, text);
}

Karta kartaKVystrizeni(int n)
{
    return kartaVe(QRectF(0, 0, StranaKarty, StranaKarty), std::max(n, 1), OkrajKarty);
}
} // namespace

QList<PolohaMrizky> polohyMrizky(QStringView text, const Okenka &okenka, int n)
{
    n = PlatnaVelikostMrizky(n);
    const MapaPozic mapa = OznacPozice(okenka, n);
    const QString ctverec = MrizkaSifruj(vycisteny(text), okenka, n);
    QList<PolohaMrizky> polohy;
    for (int p = 0; p < 4; ++p) {
        const MapaPozic okna = okenkaVPoloze(okenka, n, p);
        PolohaMrizky poloha;
        for (int c = 0; c < n; ++c) {
            for (int r = 0; r < n; ++r) {
                if (okna[c][r] == u'#')
                    poloha.okenka.append(QPoint(c, r));
                if (mapa[c][r] == Polohy[std::size_t(p)])
                    poloha.nove += ctverec[c * n + r];
            }
        }
        polohy.append(poloha);
    }
    return polohy;
}

QImage nakresliPrikladMrizky(QStringView text, const Okenka &okenka, int n)
{
    n = std::max(PlatnaVelikostMrizky(n), 1);
    const QString cisty = vycisteny(text);
    const MapaPozic mapa = OznacPozice(okenka, n);
    const QString ctverec = MrizkaSifruj(cisty, okenka, n);
    const int radek = Titulek + StranaKartyPrikladu + PodPanelem;
    QImage obraz(Sirka, NadPanely + 2 * radek + Pata, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    QPainter malir(&obraz);
    malir.setRenderHint(QPainter::Antialiasing);
    malir.setRenderHint(QPainter::TextAntialiasing);

    malir.setPen(Qt::black);
    malir.setFont(pismoPopisu(17, true));
    malir.drawText(QPointF(8, 24), QStringLiteral("Zdrojový text: ") + text.toString());
    malir.setPen(Seda);
    malir.setFont(pismoPopisu(15));
    malir.drawText(QPointF(8, 48), QStringLiteral("po vyčištění: ") + cisty);

    const QStringList titulky{QStringLiteral("Mřížka s okénky"),    QStringLiteral("A: první poloha"),
                              QStringLiteral("B: otočeno doleva"),  QStringLiteral("C: otočeno podruhé"),
                              QStringLiteral("D: otočeno potřetí"), QStringLiteral("Hotový čtverec")};
    for (int i = 0; i < 6; ++i) {
        const QRectF panel((i % 3) * SirkaPanelu, NadPanely + (i / 3) * radek, SirkaPanelu, radek - PodPanelem);
        kresliTitulek(malir, QRectF(panel.left(), panel.top(), panel.width(), Titulek), titulky[i]);
        const QRectF misto(panel.center().x() - StranaKartyPrikladu / 2.0, panel.top() + Titulek, StranaKartyPrikladu,
                           StranaKartyPrikladu);
        if (i < 5)
            kresliKartu(malir, misto, okenka, n, i - 1, mapa, ctverec);
        else
            kresliCtverec(malir, misto, n, ctverec);
    }

    const double y = NadPanely + 2 * radek;
    malir.setPen(Qt::black);
    malir.setFont(pismoPopisu(16));
    malir.drawText(QPointF(8, y + 20), QStringLiteral("Čtverec čteme po sloupcích, každý shora dolů:"));
    malir.setFont(pismoPopisu(19, true));
    malir.drawText(QPointF(8, y + 48), ctverec);
    return obraz;
}

QImage nakresliMrizkuKVystrizeni(const Okenka &okenka, int n)
{
    n = std::max(PlatnaVelikostMrizky(n), 1);
    const Karta karta = kartaKVystrizeni(n);
    QImage obraz(StranaKarty, StranaKarty, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    QPainter malir(&obraz);
    malir.setRenderHint(QPainter::TextAntialiasing);
    malir.setPen(QPen(Qt::black, 2));
    malir.setBrush(Qt::white);
    malir.drawRect(QRectF(1, 1, StranaKarty - 2, StranaKarty - 2));
    for (int c = 0; c < n; ++c)
        for (int r = 0; r < n; ++r)
            if (okenka[c][r])
                malir.fillRect(karta.pole(c, r), Okenko);
    kresliMrizku(malir, karta, n, Linky);
    kresliOkraje(malir, karta.ctverec, karta.ctverec.top(), 0, 26);
    return obraz;
}

QRect bunkaMrizkyKVystrizeni(int n, QPoint bunka)
{
    const Karta karta = kartaKVystrizeni(std::max(PlatnaVelikostMrizky(n), 1));
    return karta.pole(bunka.x(), bunka.y()).toRect();
}

#include "resources/kresby/KresbyPopisu.h"

#include "text/Cisteni.h"

#include <QLineF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>

namespace {
// The table on the left, the rows read out on the right.
constexpr int StranaTabulky = 400;
constexpr int Okraj = 14;
constexpr int NadTabulkou = 66;
constexpr int SirkaCteni = 230;
constexpr int Sirka = Okraj + StranaTabulky + 30 + SirkaCteni;
constexpr int Vyska = NadTabulkou + StranaTabulky + Okraj;

const QColor Cervena(220, 0, 0);
const QColor Seda(0x70, 0x70, 0x70);

QString vycisteny(const PrikladSneka &priklad)
{
    return VycistiMalymi(priklad.text, ZnakySnek, NahradaMala);
}

// The cells in the order the spiral is walked in the chosen direction.
QList<BunkaSneka> prochazka(const PrikladSneka &priklad)
{
    QList<BunkaSneka> cesta = CestaSneka(priklad.velikost, priklad.roh);
    // Outward is the inward path walked from the centre to the corner.
    if (priklad.smer == Ven)
        std::reverse(cesta.begin(), cesta.end());
    return cesta;
}

void kresliSipku(QPainter &malir, QPointF od, QPointF k)
{
    const QLineF jednotkova = QLineF(od, k).unitVector();
    const QPointF smer(jednotkova.dx(), jednotkova.dy());
    const QPointF kolmo(-smer.y(), smer.x());
    const QPointF bod = (od + k) / 2;
    malir.drawPolygon(QPolygonF{bod + 6.0 * smer, bod - 5.0 * smer + 5.0 * kolmo, bod - 5.0 * smer - 5.0 * kolmo});
}

// The red spiral through the cell centres with an arrowhead on every step, as the little pictures in the
// snail window draw it. The letters stand on the centres, so the dot that marks the start and the bar
// that marks the end sit beside them, on the first and the last step, a distance odstup from the centre.
void kresliSpiralu(QPainter &malir, const QList<QPointF> &body, double odstup)
{
    malir.setPen(QPen(Cervena, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    malir.setBrush(Qt::NoBrush);
    malir.drawPolyline(body.constData(), int(body.size()));
    malir.setPen(Qt::NoPen);
    malir.setBrush(Cervena);
    for (qsizetype i = 1; i < body.size(); ++i)
        kresliSipku(malir, body[i - 1], body[i]);
    if (body.size() < 2)
        return;
    const QLineF prvni = QLineF(body[0], body[1]).unitVector();
    malir.drawEllipse(body[0] + QPointF(prvni.dx(), prvni.dy()) * odstup, 6.0, 6.0);
    const QLineF posledni = QLineF(body.last(), body[body.size() - 2]).unitVector();
    const QPointF konec = body.last() + QPointF(posledni.dx(), posledni.dy()) * odstup;
    const QPointF kolmo(-posledni.dy() * 10.0, posledni.dx() * 10.0);
    malir.setPen(QPen(Cervena, 4, Qt::SolidLine, Qt::FlatCap));
    malir.drawLine(konec - kolmo, konec + kolmo);
}
} // namespace

QList<QList<BunkaPrikladuSneka>> tabulkaPrikladuSneka(const PrikladSneka &priklad)
{
    const int n = std::clamp(priklad.velikost, 1, NejvetsiSnek);
    const QStringList radky =
        SnekSifruj(vycisteny(priklad), n, priklad.smer, priklad.roh).split(u' ', Qt::SkipEmptyParts);
    QList<QList<BunkaPrikladuSneka>> tabulka(n, QList<BunkaPrikladuSneka>(n));
    for (int r = 0; r < n && r < radky.size(); ++r)
        for (int s = 0; s < n && s < radky[r].size(); ++s)
            tabulka[r][s].znak = radky[r][s];
    const QList<BunkaSneka> cesta = prochazka(priklad);
    for (qsizetype k = 0; k < cesta.size(); ++k)
        tabulka[cesta[k].radek][cesta[k].sloupec].poradi = int(k + 1);
    return tabulka;
}

QImage nakresliPrikladSneka(const PrikladSneka &priklad)
{
    const QList<QList<BunkaPrikladuSneka>> tabulka = tabulkaPrikladuSneka(priklad);
    const int n = int(tabulka.size());
    const double bunka = double(StranaTabulky) / n;
    const auto stred = [&](int r, int s) {
        return QPointF(Okraj + (s + 0.5) * bunka, NadTabulkou + (r + 0.5) * bunka);
    };

    QImage obraz(Sirka, Vyska, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    QPainter malir(&obraz);
    malir.setRenderHint(QPainter::Antialiasing);
    malir.setRenderHint(QPainter::TextAntialiasing);

    malir.setPen(Qt::black);
    malir.setFont(pismoPopisu(18, true));
    malir.drawText(QPointF(Okraj, 24), QStringLiteral("Píšeme po spirále: ") + vycisteny(priklad));

    malir.setPen(QPen(Qt::black, 1.5));
    for (int i = 0; i <= n; ++i) {
        malir.drawLine(QPointF(Okraj + i * bunka, NadTabulkou),
                       QPointF(Okraj + i * bunka, NadTabulkou + StranaTabulky));
        malir.drawLine(QPointF(Okraj, NadTabulkou + i * bunka),
                       QPointF(Okraj + StranaTabulky, NadTabulkou + i * bunka));
    }

    QList<QPointF> body;
    for (const BunkaSneka &b : prochazka(priklad))
        body.append(stred(b.radek, b.sloupec));
    const double podPismenem = bunka * 0.24;

    kresliSpiralu(malir, body, podPismenem + 7);
    for (int r = 0; r < n; ++r) {
        for (int s = 0; s < n; ++s) {
            const QPointF c = stred(r, s);
            malir.setPen(Qt::NoPen);
            malir.setBrush(Qt::white);
            malir.drawEllipse(c, podPismenem, podPismenem);
            malir.setPen(Qt::black);
            malir.setFont(pismoPopisu(int(bunka * 0.36), true));
            malir.drawText(QRectF(c - QPointF(bunka / 2, bunka / 2), QSizeF(bunka, bunka)), Qt::AlignCenter,
                           QString(tabulka[r][s].znak));
            malir.setPen(Seda);
            malir.setFont(pismoPopisu(int(bunka * 0.17)));
            malir.drawText(c + QPointF(-bunka * 0.44, -bunka * 0.26), QString::number(tabulka[r][s].poradi));
        }
    }

    // The rows read out beside the table rows they come from, as the cipher text gives them.
    const double x = Okraj + StranaTabulky + 30;
    malir.setPen(Qt::black);
    malir.setFont(pismoPopisu(18, true));
    malir.drawText(QPointF(x, NadTabulkou - 10), QStringLiteral("Čteme po řádcích:"));
    malir.setFont(pismoPopisu(int(std::min(bunka * 0.36, 26.0)), true));
    for (int r = 0; r < n; ++r) {
        QString radek;
        for (const BunkaPrikladuSneka &b : tabulka[r])
            radek += b.znak;
        malir.drawText(QRectF(x, NadTabulkou + r * bunka, SirkaCteni, bunka), Qt::AlignVCenter, radek);
    }
    return obraz;
}

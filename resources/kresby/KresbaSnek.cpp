#include "resources/kresby/Kresby.h"

#include "ciphers/Snek.h"

#include <QLineF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>

namespace {
// A 5 x 5 grid of 18-pixel cells with a 5-pixel margin: the centres fall on whole pixels
// (14, 32, 50, 68, 86), so the red line through them has no blurred edge.
constexpr int Strana = 100;
constexpr int Bunek = 5;
constexpr int Okraj = 5;
constexpr int Bunka = 18;

const QColor Cervena(220, 0, 0);

QPointF stredBunky(const BunkaSneka &bunka)
{
    return {Okraj + Bunka * bunka.sloupec + Bunka / 2.0, Okraj + Bunka * bunka.radek + Bunka / 2.0};
}

void kresliMrizku(QPainter &malir)
{
    malir.setRenderHint(QPainter::Antialiasing, false);
    malir.setPen(QPen(Qt::black, 1));
    for (int i = 0; i <= Bunek; ++i) {
        const int poloha = Okraj + i * Bunka;
        malir.drawLine(poloha, Okraj, poloha, Okraj + Bunek * Bunka);
        malir.drawLine(Okraj, poloha, Okraj + Bunek * Bunka, poloha);
    }
}

// A small filled arrowhead centred on bod, pointing along smer (a unit vector).
void kresliSipku(QPainter &malir, QPointF bod, QPointF smer)
{
    const QPointF kolmo(-smer.y(), smer.x());
    malir.drawPolygon(QPolygonF{bod + 4.0 * smer, bod - 3.0 * smer + 3.5 * kolmo, bod - 3.0 * smer - 3.5 * kolmo});
}

QPointF smerUseku(QPointF od, QPointF k)
{
    const QLineF jednotkova = QLineF(od, k).unitVector();
    return {jednotkova.dx(), jednotkova.dy()};
}

// One arrowhead per straight leg of the spiral: on its middle cell, clear of the grid lines,
// or, on a leg of a single step, halfway along it.
void kresliSipky(QPainter &malir, const QList<QPointF> &body)
{
    qsizetype zacatek = 0;
    for (qsizetype i = 1; i < body.size(); ++i) {
        const QPointF smer = smerUseku(body[i - 1], body[i]);
        const bool konecUseku = i + 1 == body.size() || smerUseku(body[i], body[i + 1]) != smer;
        if (!konecUseku)
            continue;
        const qsizetype kroku = i - zacatek;
        const QPointF stred = kroku == 1 ? (body[zacatek] + body[i]) / 2 : body[zacatek + kroku / 2];
        kresliSipku(malir, stred, smer);
        zacatek = i;
    }
}

void kresliSpiralu(QPainter &malir, const QList<QPointF> &body)
{
    malir.setRenderHint(QPainter::Antialiasing, true);
    malir.setPen(QPen(Cervena, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    malir.drawPolyline(body.constData(), int(body.size()));

    malir.setPen(Qt::NoPen);
    malir.setBrush(Cervena);
    kresliSipky(malir, body);
    // The start: a dot a little wider than the line.
    malir.drawEllipse(body.first(), 4.0, 4.0);

    // The end: a bar across the last segment.
    if (body.size() > 1) {
        const QLineF posledni = QLineF(body[body.size() - 2], body.last()).unitVector();
        const QPointF kolmo(-posledni.dy() * 5.0, posledni.dx() * 5.0);
        malir.setPen(QPen(Cervena, 2, Qt::SolidLine, Qt::FlatCap));
        malir.drawLine(body.last() - kolmo, body.last() + kolmo);
    }
}

QImage kresbaSneka(int roh, int smer, int meritko)
{
    QImage obraz(Strana * meritko, Strana * meritko, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    QPainter malir(&obraz);
    malir.scale(meritko, meritko);
    kresliMrizku(malir);
    kresliSpiralu(malir, caraSneka(roh, smer));
    return obraz;
}
} // namespace

QList<QPointF> caraSneka(int roh, int smer)
{
    QList<QPointF> body;
    for (const BunkaSneka &bunka : CestaSneka(Bunek, roh))
        body.append(stredBunky(bunka));
    // Outward is the same path walked from the centre to the corner.
    if (smer == Ven)
        std::reverse(body.begin(), body.end());
    return body;
}

QList<Kresba> kresbySneka(int meritko)
{
    QList<Kresba> kresby;
    for (int roh : {PravyDolni, PravyHorni, LevyDolni, LevyHorni})
        for (int smer : {Dovnitr, Ven})
            kresby.append({cisloObrazkuSneka(roh, smer), kresbaSneka(roh, smer, meritko)});
    return kresby;
}

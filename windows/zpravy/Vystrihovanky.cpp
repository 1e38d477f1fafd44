#include "windows/zpravy/Vystrihovanky.h"

#include "resources/Pisma.h"
#include "resources/kresby/KresbaKolecko.h"
#include "text/Strankovani.h"
#include "windows/zpravy/TiskZpravy.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPolygonF>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace {

// Space between the pieces of a sheet.
constexpr double Mezera = 40;
// Font heights in sheet units: 4.5 mm headings, 3.2 mm texts.
constexpr int PismoNadpisu = 45;
constexpr int PismoTextu = 32;
constexpr int PismoOkraje = 30;
constexpr int PismoCisel = 20;
constexpr QColor BarvaOkenka(0xb4, 0xb4, 0xb4);
constexpr QColor BarvaCisel(0x90, 0x90, 0x90);

// Lines of text stand this many times their font's line spacing apart, so accents keep clear.
constexpr double Proklad = 1.2;

struct Blok
{
    QList<DilListu> dily;
    double vyska = 0;
};

QFont pismoDilu(DilListu::Druh druh)
{
    return druh == DilListu::Druh::nadpis ? pismoTahomaPx(PismoNadpisu, true) : pismoTahomaPx(PismoTextu);
}

DilListu textovyDil(DilListu::Druh druh, const QStringList &odstavce, QPointF kde, double sirka)
{
    const QFont pismo = pismoDilu(druh);
    DilListu dil{druh, 0, {}, radkyZobrazeni(odstavce, int(sirka), pismo)};
    dil.misto = QRectF(kde, QSizeF(sirka, dil.radky.size() * Proklad * QFontMetricsF(pismo).lineSpacing()));
    return dil;
}

Blok textovyBlok(DilListu::Druh druh, const QStringList &odstavce, double sirka)
{
    const DilListu dil = textovyDil(druh, odstavce, {0, 0}, sirka);
    return {{dil}, dil.misto.height()};
}

Blok blokZDilu(const QList<DilListu> &dily)
{
    double vyska = 0;
    for (const DilListu &dil : dily)
        vyska = std::max(vyska, dil.misto.bottom());
    return {dily, vyska};
}

QString nazevKolecka(DruhKolecka druh)
{
    return druh == DruhKolecka::sCh ? QStringLiteral("Šifrovací kolečko se znakem CH (37 znaků)")
                                    : QStringLiteral("Šifrovací kolečko bez znaku CH (36 znaků)");
}

QStringList textKolecka(DruhKolecka druh)
{
    QStringList odstavce = {
        QStringLiteral("Vystřihněte velký i malý kotouč, malý položte na velký a v křížku uprostřed je spojte "
                       "připínáčkem nebo sponkou tak, aby se malý kotouč otáčel."),
        QStringLiteral("Klíč nastavíte otočením malého kotouče: červená značka nad jeho A ukazuje na znak klíče na "
                       "velkém kotouči. Každý znak zprávy najděte na velkém kotouči a napište místo něj znak malého "
                       "kotouče hned vedle; mezery zůstávají. Dešifruje se úplně stejně."),
    };
    odstavce.append(druh == DruhKolecka::sCh
                        ? QStringLiteral("Sektor CH se v textu píše jako - (pomlčka); ch ve zprávě se šifruje jako "
                                         "dvě písmena c a h.")
                        : QStringLiteral("Kolečko nemá sektor CH: ch ve zprávě se šifruje jako dvě písmena c a h."));
    return odstavce;
}

// The two discs side by side when the page is wide enough, otherwise the smaller one lower and to
// the right of the larger, as close as they go; on two pages when together they are too tall.
QList<Blok> blokyDisku(QSizeF plocha, double obsazeno)
{
    const double velky = PrumerVnejsihoDisku / 2;
    const double maly = PrumerVnitrnihoDisku / 2;
    const double odstup = velky + maly + Mezera;
    const double dx = std::clamp(plocha.width() - velky - maly, 0.0, odstup);
    const double dy = std::sqrt(odstup * odstup - dx * dx);
    DilListu vnejsi{DilListu::Druh::vnejsiDisk, 0, QRectF(0, 0, 2 * velky, 2 * velky), {}};
    DilListu vnitrni{
        DilListu::Druh::vnitrniDisk, 0, QRectF(velky + dx - maly, velky + dy - maly, 2 * maly, 2 * maly), {}};
    const Blok spolu = blokZDilu({vnejsi, vnitrni});
    if (spolu.vyska + obsazeno <= plocha.height())
        return {spolu};
    vnitrni.misto.moveTopLeft({0, 0});
    return {blokZDilu({vnejsi}), blokZDilu({vnitrni})};
}

QList<Blok> blokyKolecka(DruhKolecka druh, QSizeF plocha)
{
    QList<Blok> bloky = {
        textovyBlok(DilListu::Druh::nadpis, {nazevKolecka(druh) + QStringLiteral(" k vystřižení")}, plocha.width()),
        textovyBlok(DilListu::Druh::text, textKolecka(druh), plocha.width()),
    };
    const double obsazeno = bloky[0].vyska + bloky[1].vyska + 2 * Mezera;
    return bloky + blokyDisku(plocha, obsazeno);
}

bool maStred(const Okenka &okenka, int n)
{
    return n % 2 == 1 && okenka[n / 2][n / 2];
}

QStringList textMrizky(const Okenka &okenka, int n)
{
    QStringList odstavce = {
        QStringLiteral("Vystřihněte kartu podél čárkované čáry a v ní šedá políčka (okénka)."),
        QStringLiteral("Šifrování: položte kartu na prázdný čtverec okrajem 1 nahoru (poloha 1, 0°) a pište písmena "
                       "zprávy do okének po sloupcích: sloupce zleva doprava, každý shora dolů. Pak kartu otočte o "
                       "čtvrt otáčky proti směru hodinových ručiček (poloha 2, 90°: nahoře je okraj 2) a pište dál, "
                       "stejně v poloze 3 (180°) a 4 (270°). Když text dojde, napište do zbylých okének x. Šifrový "
                       "text přečtěte ze čtverce po sloupcích shora dolů; čísla v rozích políček ukazují pořadí."),
        QStringLiteral("Dešifrování: vepište šifrový text do čtverce v pořadí čísel, přiložte kartu v polohách 1 až 4 "
                       "a čtěte písmena v okénkách po sloupcích."),
    };
    if (maStred(okenka, n))
        odstavce.append(QStringLiteral("Prostřední políčko se při otáčení kryje samo se sebou: píše se do něj jen "
                                       "v poloze 1 (0°)."));
    const StavMrizky stav = ZhodnotMrizku(PocitejOdkryti(okenka, n), n);
    if (!stav.vPoradku())
        odstavce.append(QStringLiteral("Pozor: ") + PopisStavuMrizky(stav) +
                        QStringLiteral(". Do okénka nad už popsaným políčkem nic nepište; políčka, která se "
                                       "neodkryjí, zůstanou prázdná a čtou se jako _."));
    return odstavce;
}

// The card and the writing square beside it when the page is wide enough, otherwise one below
// the other.
QList<Blok> blokyKarty(int n, double sirka)
{
    const double karta = n * StranaPolicka + 2 * OkrajKarty;
    const double ctverec = n * StranaPolicka;
    const QString popisek = QStringLiteral("Čtverec pro zápis:");
    const double x = karta + 2 * Mezera;
    if (x + ctverec <= sirka) {
        const DilListu text = textovyDil(DilListu::Druh::text, {popisek}, {x, 0}, sirka - x);
        const DilListu mrizka{
            DilListu::Druh::ctverec, 0, QRectF(x, text.misto.bottom() + Mezera / 2, ctverec, ctverec), {}};
        return {blokZDilu({{DilListu::Druh::karta, 0, QRectF(0, 0, karta, karta), {}}, text, mrizka})};
    }
    const DilListu text = textovyDil(DilListu::Druh::text, {popisek}, {0, 0}, sirka);
    const DilListu mrizka{
        DilListu::Druh::ctverec, 0, QRectF(0, text.misto.bottom() + Mezera / 2, ctverec, ctverec), {}};
    return {blokZDilu({{DilListu::Druh::karta, 0, QRectF(0, 0, karta, karta), {}}}), blokZDilu({text, mrizka})};
}

QList<Blok> blokyMrizky(const Okenka &okenka, int n, QSizeF plocha)
{
    const QString nadpis = QStringLiteral("Otočná mřížka %1 × %1 k vystřižení (políčko 1 cm)").arg(n);
    return QList<Blok>{textovyBlok(DilListu::Druh::nadpis, {nadpis}, plocha.width()),
                       textovyBlok(DilListu::Druh::text, textMrizky(okenka, n), plocha.width())} +
           blokyKarty(n, plocha.width());
}

void kresliText(QPainter &malir, const DilListu &dil)
{
    const QFont pismo = pismoDilu(dil.druh);
    const QFontMetricsF miry(pismo);
    malir.setFont(pismo);
    malir.setPen(Qt::black);
    // The extra spacing goes above each line, where the accents of capitals reach.
    const double nadRadkem = (Proklad - 1) * miry.lineSpacing() + miry.ascent();
    for (qsizetype i = 0; i < dil.radky.size(); ++i)
        malir.drawText(dil.misto.topLeft() + QPointF(0, i * Proklad * miry.lineSpacing() + nadRadkem), dil.radky[i]);
}

void kresliDisk(QPainter &malir, const DilListu &dil, DruhKolecka druh)
{
    malir.save();
    malir.translate(dil.misto.center());
    malir.scale(meritkoKolecka(), meritkoKolecka());
    kresliKolecko(malir, druh, dil.druh == DilListu::Druh::vnejsiDisk ? DiskKolecka::vnejsi : DiskKolecka::vnitrni);
    malir.restore();
}

// The lines of an n x n grid of 1 cm cells with its top-left corner at the origin.
void kresliCary(QPainter &malir, int n)
{
    const double strana = n * StranaPolicka;
    malir.setBrush(Qt::NoBrush);
    malir.setPen(QPen(Qt::black, 3));
    for (int i = 1; i < n; ++i) {
        malir.drawLine(QPointF(i * StranaPolicka, 0), QPointF(i * StranaPolicka, strana));
        malir.drawLine(QPointF(0, i * StranaPolicka), QPointF(strana, i * StranaPolicka));
    }
    malir.setPen(QPen(Qt::black, 6));
    malir.drawRect(QRectF(0, 0, strana, strana));
}

// Each edge of the card says in which position it is at the top, written upright for that
// position: the card turns a quarter turn anticlockwise each time, so the right edge comes up
// second, the bottom third and the left fourth.
void kresliOkraje(QPainter &malir, int n)
{
    const double pulka = n * StranaPolicka / 2;
    for (int poloha = 0; poloha < 4; ++poloha) {
        malir.save();
        malir.translate(pulka, pulka);
        malir.rotate(90.0 * poloha);
        const QFont pismo = pismoTahomaPx(PismoOkraje, poloha == 0);
        const QString text = QStringLiteral("%1 (%2°)").arg(poloha + 1).arg(90 * poloha) +
                             (poloha == 0 ? QStringLiteral(" NAHOŘE") : QString());
        const QFontMetricsF miry(pismo);
        const double y = -pulka - OkrajKarty / 2;
        const double sipka = miry.capHeight();
        const double x = -(miry.horizontalAdvance(text) + 1.5 * sipka) / 2;
        malir.setPen(Qt::NoPen);
        malir.setBrush(Qt::black);
        malir.drawPolygon(QPolygonF{QPointF(x, y + sipka / 2), QPointF(x + sipka, y + sipka / 2),
                                    QPointF(x + sipka / 2, y - sipka / 2)});
        malir.setPen(Qt::black);
        malir.setFont(pismo);
        malir.drawText(QPointF(x + 1.5 * sipka, y + sipka / 2), text);
        malir.restore();
    }
}

void kresliKartu(QPainter &malir, const DilListu &dil, const Okenka &okenka, int n)
{
    malir.save();
    malir.translate(dil.misto.topLeft());
    malir.setPen(QPen(Qt::black, 4, Qt::DashLine));
    malir.setBrush(Qt::NoBrush);
    malir.drawRect(QRectF(QPointF(0, 0), dil.misto.size()));
    malir.translate(OkrajKarty, OkrajKarty);
    malir.setPen(Qt::NoPen);
    malir.setBrush(BarvaOkenka);
    for (int c = 0; c < n; ++c)
        for (int r = 0; r < n; ++r)
            if (okenka[c][r])
                malir.drawRect(QRectF(c * StranaPolicka, r * StranaPolicka, StranaPolicka, StranaPolicka));
    kresliCary(malir, n);
    kresliOkraje(malir, n);
    malir.restore();
}

// The writing square; small numbers give the order of its cells, column by column from the top.
void kresliCtverec(QPainter &malir, const DilListu &dil, int n)
{
    malir.save();
    malir.translate(dil.misto.topLeft());
    kresliCary(malir, n);
    const QFont pismo = pismoTahomaPx(PismoCisel);
    malir.setFont(pismo);
    malir.setPen(BarvaCisel);
    const double ascent = QFontMetricsF(pismo).ascent();
    for (int c = 0; c < n; ++c)
        for (int r = 0; r < n; ++r)
            malir.drawText(QPointF(c * StranaPolicka + 10, r * StranaPolicka + 6 + ascent),
                           QString::number(c * n + r + 1));
    malir.restore();
}

} // namespace

Vystrihovanka Vystrihovanka::zKolecka(DruhKolecka druh)
{
    Vystrihovanka v;
    v.druh = Druh::kolecko;
    v.kolecko = druh;
    return v;
}

Vystrihovanka Vystrihovanka::zMrizky(const Okenka &okenka, int n)
{
    Vystrihovanka v;
    v.druh = Druh::mrizka;
    v.okenka = okenka;
    v.velikost = PlatnaVelikostMrizky(n);
    return v;
}

double meritkoKolecka()
{
    return PrumerVnitrnihoDisku / (2 * geometrieKolecka.deliciKruh);
}

QList<DilListu> RozvrhniVystrihovanku(const Vystrihovanka &vystrihovanka, QSizeF plocha)
{
    const QList<Blok> bloky = vystrihovanka.druh == Vystrihovanka::Druh::kolecko
                                  ? blokyKolecka(vystrihovanka.kolecko, plocha)
                                  : blokyMrizky(vystrihovanka.okenka, vystrihovanka.velikost, plocha);
    QList<int> vysky;
    for (const Blok &blok : bloky)
        vysky.append(int(std::ceil(blok.vyska + Mezera)));
    const QList<UmisteniBloku> umisteni = UmistiBloky(0, vysky, int(plocha.height()));
    QList<DilListu> dily;
    int strana = 0;
    for (qsizetype i = 0; i < bloky.size(); ++i) {
        strana += umisteni[i].novyList;
        for (DilListu dil : bloky[i].dily) {
            dil.strana = strana;
            dil.misto.translate(0, umisteni[i].nahore);
            dily.append(dil);
        }
    }
    return dily;
}

int PocetStranVystrihovanky(const QList<DilListu> &dily)
{
    int stran = 1;
    for (const DilListu &dil : dily)
        stran = std::max(stran, dil.strana + 1);
    return stran;
}

void KresliStranu(QPainter &malir, const Vystrihovanka &vystrihovanka, const QList<DilListu> &dily, int strana)
{
    malir.save();
    malir.setRenderHint(QPainter::Antialiasing);
    for (const DilListu &dil : dily) {
        if (dil.strana != strana)
            continue;
        switch (dil.druh) {
        case DilListu::Druh::nadpis:
        case DilListu::Druh::text:
            kresliText(malir, dil);
            break;
        case DilListu::Druh::vnejsiDisk:
        case DilListu::Druh::vnitrniDisk:
            kresliDisk(malir, dil, vystrihovanka.kolecko);
            break;
        case DilListu::Druh::karta:
            kresliKartu(malir, dil, vystrihovanka.okenka, vystrihovanka.velikost);
            break;
        case DilListu::Druh::ctverec:
            kresliCtverec(malir, dil, vystrihovanka.velikost);
            break;
        }
    }
    malir.restore();
}

bool TiskniVystrihovanku(QPrinter &tiskarna, const Vystrihovanka &vystrihovanka, QString *chyba)
{
    const QList<DilListu> dily = RozvrhniVystrihovanku(vystrihovanka, plochaListu(tiskarna).size() * JednotekNaMm);
    return TiskniKresleneListy(
        tiskarna, PocetStranVystrihovanky(dily),
        [&](QPainter &malir, int strana) { KresliStranu(malir, vystrihovanka, dily, strana); }, chyba);
}

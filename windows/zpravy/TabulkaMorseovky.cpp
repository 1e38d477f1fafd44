#include "windows/zpravy/TabulkaMorseovky.h"

#include "ciphers/Morseovka.h"
#include "ciphers/MorseovkaSlova.h"
#include "resources/Pisma.h"
#include "windows/zpravy/TiskListu.h"
#include "windows/zpravy/Vystrihovanky.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>

namespace {
// Sizes in tenths of a millimetre.
constexpr int VyskaNadpisu = 80;
constexpr int VyskaOddilu = 55;
constexpr int Radek = 78;
constexpr int PismoZnaku = 48;
constexpr int PismoKodu = 60;
constexpr int PismoSlova = 40;
constexpr int SirkaZnaku = 140;
constexpr int SirkaKodu = 260;

struct Polozka
{
    QString znak;
    QString kod;
    const MorseSlovo *slovo = nullptr;
};

// The rows of one part in two columns, the first one taking the odd row; returns the height used.
qreal kresliOddil(QPainter &malir, const QRectF &plocha, qreal y, const QString &nadpis, const QList<Polozka> &polozky)
{
    malir.setFont(pismoTahomaPx(44, true));
    malir.drawText(QRectF(plocha.left(), y, plocha.width(), VyskaOddilu), Qt::AlignLeft | Qt::AlignVCenter, nadpis);
    y += VyskaOddilu;
    const qsizetype vSloupci = (polozky.size() + 1) / 2;
    const qreal sirkaSloupce = plocha.width() / 2;
    const QFont znakPismo = pismoTahomaPx(PismoZnaku, true);
    const QFont kodPismo = pismoTahomaPx(PismoKodu, true);
    const QFont kratke = pismoTahomaPx(PismoSlova);
    const QFont dlouhe = pismoTahomaPx(PismoSlova, true);
    for (qsizetype i = 0; i < polozky.size(); ++i) {
        const Polozka &p = polozky[i];
        const qreal x = plocha.left() + (i / vSloupci) * sirkaSloupce;
        const qreal radekY = y + (i % vSloupci) * Radek;
        const Qt::Alignment zarovnani = Qt::AlignLeft | Qt::AlignVCenter;
        malir.setFont(znakPismo);
        malir.drawText(QRectF(x, radekY, SirkaZnaku, Radek), zarovnani, p.znak);
        malir.setFont(kodPismo);
        malir.drawText(QRectF(x + SirkaZnaku, radekY, SirkaKodu, Radek), zarovnani, p.kod);
        if (!p.slovo)
            continue;
        qreal slovoX = x + SirkaZnaku + SirkaKodu;
        for (const SlabikaSlova &slabika : SlabikySlova(*p.slovo)) {
            const QFont &pismo = slabika.dlouha ? dlouhe : kratke;
            malir.setFont(pismo);
            const qreal sirka = QFontMetricsF(pismo, malir.device()).horizontalAdvance(slabika.text);
            const QRectF misto(slovoX, radekY, sirka + 20, Radek);
            malir.drawText(misto, zarovnani, slabika.text);
            if (slabika.dlouha) {
                // The font's own bold is faint at this size; an outline over it makes the dash stand out
                // while the text stays text (searchable, copyable).
                const QFontMetricsF miry(pismo, malir.device());
                const QPointF zaklad(slovoX, radekY + (Radek + miry.ascent() - miry.descent()) / 2);
                QPainterPath obrys;
                obrys.addText(zaklad, pismo, slabika.text);
                malir.strokePath(obrys, QPen(Qt::black, 2.5));
            }
            slovoX += sirka;
        }
    }
    return VyskaOddilu + vSloupci * Radek + Radek / 2;
}

QString velke(QStringView znak)
{
    return znak.toString().toUpper();
}
} // namespace

void KresliTabulkuMorseovky(QPainter &malir, const QRectF &plocha, bool interpunkce)
{
    malir.save();
    malir.setPen(Qt::black);
    qreal y = plocha.top();
    malir.setFont(pismoTahomaPx(64, true));
    malir.drawText(QRectF(plocha.left(), y, plocha.width(), VyskaNadpisu), Qt::AlignHCenter | Qt::AlignVCenter,
                   QStringLiteral("Morseovka"));
    y += VyskaNadpisu;

    QList<Polozka> pismena;
    for (const MorseSlovo &slovo : MorseSlova)
        pismena.append({velke(slovo.znak), MorseKod(slovo.znak).toString(), &slovo});
    y += kresliOddil(malir, plocha, y, QStringLiteral("Písmena (dlouhá slabika = čárka, krátká = tečka)"), pismena);

    QList<Polozka> cislice;
    for (const QChar c : QStringLiteral("1234567890"))
        cislice.append({QString(c), MorseKod(QString(c)).toString()});
    y += kresliOddil(malir, plocha, y, QStringLiteral("Číslice"), cislice);

    if (interpunkce) {
        QList<Polozka> znamenka;
        for (int i = MorseBezInterpunkce; i < MorseSInterpunkci; ++i)
            znamenka.append({MorseTabulka[i].znak.toString(), MorseTabulka[i].kod.toString()});
        kresliOddil(malir, plocha, y, QStringLiteral("Interpunkční znaménka"), znamenka);
    }
    malir.restore();
}

bool TiskniTabulkuMorseovky(QPrinter &tiskarna, bool interpunkce, QString *chyba)
{
    const QRectF plocha(QPointF(0, 0), plochaListu(tiskarna).size() * JednotekNaMm);
    return TiskniKresleneListy(
        tiskarna, 1, [&](QPainter &malir, int) { KresliTabulkuMorseovky(malir, plocha, interpunkce); }, chyba);
}

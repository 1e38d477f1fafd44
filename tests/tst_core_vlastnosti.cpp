#include "ciphers/Kolecko.h"
#include "ciphers/Morseovka.h"
#include "ciphers/Mrizka.h"
#include "ciphers/Semafor.h"
#include "ciphers/Snek.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTest>

namespace {

QString NahodnyText(QRandomGenerator &nahoda, QStringView abeceda, int delka)
{
    QString text;
    for (int i = 0; i < delka; ++i)
        text.append(abeceda[nahoda.bounded(int(abeceda.size()))]);
    return text;
}

// One to seven words joined by single spaces, sometimes with a trailing space.
QString NahodnaSlova(QRandomGenerator &nahoda, QStringView abeceda)
{
    QStringList slova;
    for (int i = nahoda.bounded(1, 8); i > 0; --i)
        slova.append(NahodnyText(nahoda, abeceda, nahoda.bounded(1, 10)));
    return slova.join(u' ') + (nahoda.bounded(2) ? QStringLiteral(" ") : QString());
}

// Any UTF-16 code units: anything, lone surrogates, ASCII, and the Morse characters.
QString LibovolnyText(QRandomGenerator &nahoda, int delka)
{
    static constexpr int rozsahy[3][2] = {{0, 0x10000}, {0xD800, 0xE000}, {0, 0x80}};
    QString text(delka, Qt::Uninitialized);
    for (QChar &c : text) {
        const int druh = nahoda.bounded(4);
        c = druh < 3 ? QChar(char16_t(nahoda.bounded(rozsahy[druh][0], rozsahy[druh][1])))
                     : QChar(u".-/ "[nahoda.bounded(4)]);
    }
    return text;
}

Okenka NahodnaOkenka(QRandomGenerator &nahoda, int n)
{
    Okenka okenka{};
    const int hustota = nahoda.bounded(1, 5);
    for (int c = 0; c < n; ++c)
        for (int r = 0; r < n; ++r)
            okenka[c][r] = nahoda.bounded(hustota) == 0;
    return okenka;
}

bool JenZnaky(QStringView text, QStringView povolene)
{
    return std::all_of(text.begin(), text.end(), [&](QChar c) { return povolene.contains(c); });
}

constexpr QStringView PismenaACislice = u"abcdefghijklmnopqrstuvwxyz0123456789";

} // namespace

class TestVlastnosti : public QObject
{
    Q_OBJECT
private slots:
    void morseTamAZpet();
    void mrizkaTamAZpet();
    void kolecko();
    void snek();
    void libovolnyVstup_data();
    void libovolnyVstup();
    void nesmyslneVelikosti();
};

void TestVlastnosti::morseTamAZpet()
{
    QRandomGenerator nahoda(1);
    const QString sInterpunkci = PismenaACislice.toString() + "?,!.;/=-()\":_";
    for (const auto &[pocet, abeceda] :
         {std::pair{MorseBezInterpunkce, PismenaACislice.toString()}, std::pair{MorseSInterpunkci, sInterpunkci}}) {
        for (int i = 0; i < 2000; ++i) {
            const QString text = NahodnaSlova(nahoda, abeceda);
            const QString morse = MorseSifruj(text, pocet);
            QVERIFY2(JenZnaky(morse, u".-/"), qPrintable(morse));
            QCOMPARE(MorseDesifruj(morse, pocet), text);
        }
    }
}

// Deciphering gives the first K characters enciphered, padded with "x" to K, for every size.
void TestVlastnosti::mrizkaTamAZpet()
{
    QRandomGenerator nahoda(2);
    for (int n = 1; n <= NejvetsiMrizka; ++n) {
        for (int i = 0; i < 200; ++i) {
            const Okenka okenka = NahodnaOkenka(nahoda, n);
            const int kapacita = KapacitaMrizky(OznacPozice(okenka, n), n);
            const QString text = LibovolnyText(nahoda, nahoda.bounded(n * n + 5));
            const QString sifra = MrizkaSifruj(text, okenka, n);
            QCOMPARE(sifra.size(), n * n);
            const qsizetype zapsano = std::min<qsizetype>(text.size(), kapacita);
            QCOMPARE(MrizkaDesifruj(sifra, okenka, n), text.left(zapsano) + QString(kapacita - zapsano, u'x'));
        }
    }
}

// For every key position the substitution is its own inverse, and the key and "a" swap places.
void TestVlastnosti::kolecko()
{
    QRandomGenerator nahoda(3);
    for (const DruhKolecka druh : {DruhKolecka::sCh, DruhKolecka::bezCh}) {
        const QStringView kruh = vnejsiKruh(druh);
        const QString kruhSMezerou = kruh.toString() + u' ';
        for (int k = 0; k < kruh.size(); ++k) {
            for (int i = 0; i < 50; ++i) {
                const QString text = NahodnyText(nahoda, kruhSMezerou, nahoda.bounded(60));
                QCOMPARE(PrevedKoleckem(PrevedKoleckem(text, druh, k), druh, k), text);
            }
            int pevnychBodu = 0;
            for (const QChar c : kruh)
                pevnychBodu += PrevedKoleckem(QString(c), druh, k) == QString(c);
            QCOMPARE(pevnychBodu, kruh.size() % 2 ? 1 : (k % 2 ? 0 : 2));
            if (kruh[k] == u'-')
                continue;
            const PoziceKliceVysledek klic = PoziceKlice(QString(kruh[k]).toUpper(), druh);
            QCOMPARE(klic.otoceniKolecka, k);
            QVERIFY(klic.chyba.isEmpty());
            QCOMPARE(PrevedKoleckem(QString(kruh[k]), druh, k), QStringLiteral("a"));
            QCOMPARE(PrevedKoleckem(u"a", druh, k), QString(kruh[k]));
        }
    }
}

// For every size and corner the path takes each cell once, moving to a neighbour at each step,
// and deciphering inverts enciphering up to the "x" padding.
void TestVlastnosti::snek()
{
    QRandomGenerator nahoda(4);
    for (int n = 1; n <= NejvetsiSnek; ++n) {
        const int bunek = n * n;
        for (int roh = PravyDolni; roh <= LevyHorni; ++roh) {
            const QList<BunkaSneka> cesta = CestaSneka(n, roh);
            QCOMPARE(cesta.size(), bunek);
            QSet<int> videne;
            for (qsizetype k = 0; k < cesta.size(); ++k) {
                const BunkaSneka b = cesta[k];
                QVERIFY(b.radek >= 0 && b.radek < n && b.sloupec >= 0 && b.sloupec < n);
                videne.insert(b.radek * n + b.sloupec);
                if (k > 0)
                    QCOMPARE(qAbs(b.radek - cesta[k - 1].radek) + qAbs(b.sloupec - cesta[k - 1].sloupec), 1);
            }
            QCOMPARE(videne.size(), bunek);
            for (int i = 0; i < 40; ++i) {
                const QString text = NahodnyText(nahoda, PismenaACislice, nahoda.bounded(bunek + 6));
                const qsizetype chybi = std::max<qsizetype>(bunek - text.size(), 0);
                const QString dovnitr = SnekSifruj(text, n, Dovnitr, roh);
                QCOMPARE(dovnitr.size(), n * (n + 1));
                QCOMPARE(SnekDesifruj(QString(dovnitr).remove(u' '), n, Dovnitr, roh),
                         text.left(bunek) + QString(chybi, u'x'));
                const QString ven = SnekSifruj(text, n, Ven, roh);
                QCOMPARE(SnekDesifruj(QString(ven).remove(u' '), n, Ven, roh),
                         QString(chybi, u'x') + text.right(bunek));
            }
        }
    }
}

void TestVlastnosti::libovolnyVstup_data()
{
    QTest::addColumn<int>("delka");
    QTest::addColumn<int>("opakovani");
    QTest::newRow("prazdny") << 0 << 1;
    QTest::newRow("kratke") << 40 << 300;
    QTest::newRow("1 MiB") << (1 << 20) << 1;
}

// Arbitrary code units must never crash an engine nor let it read or write out of bounds.
void TestVlastnosti::libovolnyVstup()
{
    QFETCH(int, delka);
    QFETCH(int, opakovani);
    QRandomGenerator nahoda(5);
    const QString znakyMorse = QStringLiteral("0123456789abcdefghijklmnopqrstuvwxyz?,!.;/=-()\":_ ");
    for (int i = 0; i < opakovani; ++i) {
        const QString text = LibovolnyText(nahoda, delka);
        QVERIFY(JenZnaky(MorseSifruj(text, MorseSInterpunkci), u".-/"));
        QVERIFY(JenZnaky(MorseDesifruj(text, MorseSInterpunkci), znakyMorse));
        QVERIFY(JenZnaky(MorseDesifruj(text + u'/', MorseBezInterpunkce), znakyMorse));
        QCOMPARE(NajdiOddelovace(text).size(), text.count(u'/'));
        for (const DruhKolecka druh : {DruhKolecka::sCh, DruhKolecka::bezCh}) {
            const QString kruhSMezerou = vnejsiKruh(druh).toString() + u' ';
            QVERIFY(JenZnaky(PrevedKoleckem(text, druh, nahoda.bounded(40)), kruhSMezerou));
            const PoziceKliceVysledek klic = PoziceKlice(text, druh);
            QVERIFY(klic.otoceniKolecka >= 0 && klic.otoceniKolecka < delkaKruhu(druh));
            if (!klic.chyba.isEmpty())
                QCOMPARE(klic.otoceniKolecka, 1);
        }
        for (const int obrazek : SemaforSifruj(text))
            QVERIFY(obrazek >= 1 && obrazek <= SemaforPocetObrazku);
        const int n = nahoda.bounded(1, NejvetsiMrizka + 1);
        const Okenka okenka = NahodnaOkenka(nahoda, n);
        QCOMPARE(MrizkaSifruj(text, okenka, n).size(), n * n);
        QCOMPARE(MrizkaDesifruj(text, okenka, n).size(), KapacitaMrizky(OznacPozice(okenka, n), n));
        const int roh = nahoda.bounded(4);
        QCOMPARE(SnekSifruj(text, n, Ven, roh).size(), n * (n + 1));
        QCOMPARE(SnekDesifruj(text, n, Dovnitr, roh).size(), n * n);
    }
}

// Sizes the windows never pass still give a bounded result and touch nothing outside the tables.
void TestVlastnosti::nesmyslneVelikosti()
{
    Okenka vsechna{};
    for (auto &sloupec : vsechna)
        sloupec.fill(true);
    for (const int n : {-7, 0, 11, 1000}) {
        const int platna = std::clamp(n, 0, NejvetsiMrizka);
        QCOMPARE(MrizkaSifruj(u"abc", vsechna, n).size(), platna * platna);
        QCOMPARE(MrizkaDesifruj(u"abc", vsechna, n).size(), platna * platna);
        const int snek = std::min(n, NejvetsiSnek);
        QCOMPARE(CestaSneka(n, LevyHorni).size(), snek > 0 ? snek * snek : 0);
        QCOMPARE(SnekSifruj(u"abc", n, Ven, LevyHorni).size(), snek > 0 ? snek * (snek + 1) : 0);
        QCOMPARE(SnekDesifruj(u"abc", n, Dovnitr, LevyHorni).size(), snek > 0 ? snek * snek : 0);
    }
    QVERIFY(CestaSneka(4, 7).isEmpty());
}

QTEST_GUILESS_MAIN(TestVlastnosti)
#include "tst_core_vlastnosti.moc"

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
    text.reserve(delka);
    for (int i = 0; i < delka; ++i)
        text.append(abeceda[nahoda.bounded(int(abeceda.size()))]);
    return text;
}

// Words of letters and digits joined by single spaces, never starting with a space.
QString NahodnaSlova(QRandomGenerator &nahoda, QStringView abeceda)
{
    QStringList slova;
    const int pocet = nahoda.bounded(1, 8);
    for (int i = 0; i < pocet; ++i)
        slova.append(NahodnyText(nahoda, abeceda, nahoda.bounded(1, 10)));
    QString text = slova.join(u' ');
    if (nahoda.bounded(2))
        text.append(u' ');
    return text;
}

// Any UTF-16 code units, lone surrogates and the characters the engines know included.
QString LibovolnyText(QRandomGenerator &nahoda, int delka)
{
    QString text(delka, Qt::Uninitialized);
    for (QChar &c : text) {
        switch (nahoda.bounded(4)) {
        case 0:
            c = QChar(char16_t(nahoda.bounded(0x10000)));
            break;
        case 1:
            c = QChar(char16_t(nahoda.bounded(0xD800, 0xE000)));
            break;
        case 2:
            c = QChar(char16_t(nahoda.bounded(0x80)));
            break;
        default:
            c = QChar(u".-/ "[nahoda.bounded(4)]);
        }
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
    for (const QChar c : text)
        if (!povolene.contains(c))
            return false;
    return true;
}

constexpr QStringView PismenaACislice = u"abcdefghijklmnopqrstuvwxyz0123456789";

} // namespace

class TestVlastnosti : public QObject
{
    Q_OBJECT
private slots:
    void morseTamAZpet_data();
    void morseTamAZpet();
    void mrizkaTamAZpet();
    void koleckoJeInvoluce_data();
    void koleckoJeInvoluce();
    void koleckoKlicePoKruhu();
    void snekCestaKazdouBunkuJednou();
    void snekTamAZpet();
    void libovolnyVstup_data();
    void libovolnyVstup();
    void nesmyslneVelikosti();
};

void TestVlastnosti::morseTamAZpet_data()
{
    QTest::addColumn<int>("pocet");
    QTest::addColumn<QString>("abeceda");
    QTest::newRow("bez interpunkce") << MorseBezInterpunkce << PismenaACislice.toString();
    QTest::newRow("s interpunkci") << MorseSInterpunkci << PismenaACislice.toString();
    QTest::newRow("s interpunkcnimi znaky") << MorseSInterpunkci << PismenaACislice.toString() + "?,!.;/=-()\":_";
}

void TestVlastnosti::morseTamAZpet()
{
    QFETCH(int, pocet);
    QFETCH(QString, abeceda);
    QRandomGenerator nahoda(1);
    for (int i = 0; i < 2000; ++i) {
        const QString text = NahodnaSlova(nahoda, abeceda);
        const QString morse = MorseSifruj(text, pocet);
        QVERIFY2(JenZnaky(morse, u".-/"), qPrintable(morse));
        QCOMPARE(MorseDesifruj(morse, pocet), text);
    }
}

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
            const QString ocekavany = text.left(zapsano) + QString(kapacita - zapsano, u'x');
            QCOMPARE(MrizkaDesifruj(sifra, okenka, n), ocekavany);
        }
    }
}

void TestVlastnosti::koleckoJeInvoluce_data()
{
    QTest::addColumn<DruhKolecka>("druh");
    QTest::newRow("s CH") << DruhKolecka::sCh;
    QTest::newRow("bez CH") << DruhKolecka::bezCh;
}

void TestVlastnosti::koleckoJeInvoluce()
{
    QFETCH(DruhKolecka, druh);
    QRandomGenerator nahoda(3);
    const QString kruhSMezerou = vnejsiKruh(druh).toString() + u' ';
    const int delka = delkaKruhu(druh);
    for (int k = 0; k < delka; ++k) {
        for (int i = 0; i < 50; ++i) {
            const QString text = NahodnyText(nahoda, kruhSMezerou, nahoda.bounded(60));
            const QString sifra = PrevedKoleckem(text, druh, k);
            QCOMPARE(sifra.size(), text.size());
            QCOMPARE(PrevedKoleckem(sifra, druh, k), text);
        }
        int pevnychBodu = 0;
        for (const QChar c : vnejsiKruh(druh))
            pevnychBodu += PrevedKoleckem(QString(c), druh, k) == QString(c);
        const int ocekavano = delka % 2 ? 1 : (k % 2 ? 0 : 2);
        QCOMPARE(pevnychBodu, ocekavano);
    }
}

void TestVlastnosti::koleckoKlicePoKruhu()
{
    for (const DruhKolecka druh : {DruhKolecka::sCh, DruhKolecka::bezCh}) {
        const QStringView kruh = vnejsiKruh(druh);
        for (int p = 0; p < kruh.size(); ++p) {
            if (kruh[p] == u'-')
                continue;
            const PoziceKliceVysledek klic = PoziceKlice(QString(kruh[p]).toUpper(), druh);
            QCOMPARE(klic.otoceniKolecka, p);
            QVERIFY(klic.chyba.isEmpty());
            // The key character and "a" swap places.
            QCOMPARE(PrevedKoleckem(QString(kruh[p]), druh, p), QStringLiteral("a"));
            QCOMPARE(PrevedKoleckem(u"a", druh, p), QString(kruh[p]));
        }
    }
}

void TestVlastnosti::snekCestaKazdouBunkuJednou()
{
    for (int n = 1; n <= NejvetsiSnek; ++n) {
        for (int roh = PravyDolni; roh <= LevyHorni; ++roh) {
            const QList<BunkaSneka> cesta = CestaSneka(n, roh);
            QCOMPARE(cesta.size(), n * n);
            QSet<int> videne;
            for (qsizetype k = 0; k < cesta.size(); ++k) {
                const BunkaSneka b = cesta[k];
                QVERIFY(b.radek >= 0 && b.radek < n && b.sloupec >= 0 && b.sloupec < n);
                videne.insert(b.radek * n + b.sloupec);
                // The spiral moves to a neighbouring cell at every step.
                if (k > 0)
                    QCOMPARE(qAbs(b.radek - cesta[k - 1].radek) + qAbs(b.sloupec - cesta[k - 1].sloupec), 1);
            }
            QCOMPARE(videne.size(), n * n);
            const bool dolni = roh == PravyDolni || roh == LevyDolni;
            const bool pravy = roh == PravyDolni || roh == PravyHorni;
            QCOMPARE(cesta.first(), (BunkaSneka{dolni ? n - 1 : 0, pravy ? n - 1 : 0}));
        }
    }
}

void TestVlastnosti::snekTamAZpet()
{
    QRandomGenerator nahoda(4);
    for (int n = 1; n <= NejvetsiSnek; ++n) {
        const int bunek = n * n;
        for (int roh = PravyDolni; roh <= LevyHorni; ++roh) {
            for (int i = 0; i < 40; ++i) {
                const QString text = NahodnyText(nahoda, PismenaACislice, nahoda.bounded(bunek + 6));
                const qsizetype delka = text.size();
                QString dovnitr = SnekSifruj(text, n, Dovnitr, roh);
                QString ven = SnekSifruj(text, n, Ven, roh);
                QCOMPARE(dovnitr.size(), n * (n + 1));
                QCOMPARE(dovnitr.count(u' '), n);
                dovnitr.remove(u' ');
                ven.remove(u' ');
                const QString ocekavanyDovnitr =
                    delka >= bunek ? text.left(bunek) : text + QString(bunek - delka, u'x');
                const QString ocekavanyVen = delka >= bunek ? text.right(bunek) : QString(bunek - delka, u'x') + text;
                QCOMPARE(SnekDesifruj(dovnitr, n, Dovnitr, roh), ocekavanyDovnitr);
                QCOMPARE(SnekDesifruj(ven, n, Ven, roh), ocekavanyVen);
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

#include "ciphers/Mrizka.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTest>

namespace {

// A grid drawn as rows separated by "/", top row first; "#" marks a hole.
MapaPozic MapaZRadku(const QString &obrazek)
{
    MapaPozic mapa{};
    const QStringList radky = obrazek.split(u'/');
    for (int r = 0; r < radky.size(); ++r)
        for (int c = 0; c < radky[r].size(); ++c)
            mapa[c][r] = radky[r][c].unicode();
    return mapa;
}

Okenka OkenkaZObrazku(const QString &obrazek)
{
    const MapaPozic mapa = MapaZRadku(obrazek);
    Okenka okenka{};
    for (int c = 0; c < NejvetsiMrizka; ++c)
        for (int r = 0; r < NejvetsiMrizka; ++r)
            okenka[c][r] = mapa[c][r] == u'#';
    return okenka;
}

QString RadkyMapy(const MapaPozic &mapa, int n)
{
    QStringList radky;
    for (int r = 0; r < n; ++r) {
        QString radek;
        for (int c = 0; c < n; ++c)
            radek.append(QChar(mapa[c][r]));
        radky.append(radek);
    }
    return radky.join(u'/');
}

// Adds a named row; text literals become QString.
template <typename T> auto hodnota(T h)
{
    if constexpr (std::is_convertible_v<T, const char *>)
        return QString::fromUtf8(h);
    else
        return h;
}
template <typename... H> void radek(const char *nazev, H... h)
{
    (QTest::newRow(nazev) << ... << hodnota(h));
}

const char *VychoziOkenka = "....#./....../.#...#/...#../##.#../..#..#";

} // namespace

class TestMrizka : public QObject
{
    Q_OBJECT
private slots:
    void otoc_data();
    void otoc();
    void sifruj_data();
    void sifruj();
    void odkryti_data();
    void odkryti();
};

void TestMrizka::otoc_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("mrizka");
    QTest::addColumn<QString>("otocena");
    radek("N=1", 1, "a", "a");
    radek("N=2", 2, "ab/cd", "bd/ac");
    radek("N=3", 3, "abc/def/ghi", "cfi/beh/adg");
}

// One quarter turn anticlockwise, and four turns give the grid back.
void TestMrizka::otoc()
{
    QFETCH(int, n);
    QFETCH(QString, mrizka);
    QFETCH(QString, otocena);
    MapaPozic mapa = OtocMrizku(MapaZRadku(mrizka), n);
    QCOMPARE(RadkyMapy(mapa, n), otocena);
    for (int i = 0; i < 3; ++i)
        mapa = OtocMrizku(mapa, n);
    QCOMPARE(RadkyMapy(mapa, n), mrizka);
}

void TestMrizka::sifruj_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("okenka");
    QTest::addColumn<QString>("mapa");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("sifra");
    QTest::addColumn<QString>("desifrovano"); // what deciphering sifra gives
    const char *jedno = "#./..";
    const char *uhlopricka = "#./.#";
    radek("N=2 jedno okenko", 2, jedno, "AD/BC", "abcd", "abdc", "abcd");
    radek("N=2 uhlopricka", 2, uhlopricka, "AB/BA", "abcd", "acdb", "abcd");
    radek("N=2 kratky text", 2, jedno, "AD/BC", "ab", "abxx", "abxx");
    radek("N=3 roh", 3, "#../.../...", "A_D/___/B_C", "abcdef", "a_b___d_c", "abcd");
    radek("N=4", 4, "#.../.#.#/..../.#..", "ABCD/DADA/CBCB/BADC", "abcdefghijklmnop", "amiefbgcjnkopdhl",
          "abcdefghijklmnop");
    radek("N=6 vychozi", 6, VychoziOkenka, "CDBCAB/BDCDCC/DACBBA/CDDACB/AABABD/DCADBA",
          "totojetextkterychcicelyzasifrovat123", "itfctrovoateklyttoz1eje2tarsychiec3x",
          "totojetextkterychcicelyzasifrovat123");
    radek("N=1 okenko", 1, "#", "A", "abc", "a", "a");
    radek("N=1 bez okenka", 1, ".", "_", "abc", "_", "");
    radek("N=3 bez okenek", 3, ".../.../...", "___/___/___", "abc", "_________", "");
    radek("N=3 stred", 3, ".../.#./...", "___/_A_/___", "abc", "____a____", "a");
    radek("N=2 vsechna", 2, "##/##", "AA/AA", "abcd", "abcd", "abcd");
    radek("prazdny text", 2, jedno, "AD/BC", "", "xxxx", "xxxx");
    radek("velka pismena", 2, jedno, "AD/BC", "BCDA", "BCAD", "BCDA");
    radek("podtrzitko a x", 2, jedno, "AD/BC", "_x_x", "_xx_", "_x_x");
    radek("dlouhy text", 2, uhlopricka, "AB/BA", "abcdefgh", "acdb", "abcd");
    // A ciphertext that is not n x n long never comes from enciphering: these rows only decipher.
    radek("dlouha sifra", 2, jedno, "AD/BC", "", "abdcZZZ", "abcd");
    radek("kratka sifra", 2, jedno, "AD/BC", "", "abc", "abxc");
    radek("prazdna sifra", 2, jedno, "AD/BC", "", "", "xxxx");
}

void TestMrizka::sifruj()
{
    QFETCH(int, n);
    QFETCH(QString, okenka);
    QFETCH(QString, mapa);
    QFETCH(QString, text);
    QFETCH(QString, sifra);
    QFETCH(QString, desifrovano);
    const Okenka dirky = OkenkaZObrazku(okenka);
    const MapaPozic pozice = OznacPozice(dirky, n);
    QCOMPARE(RadkyMapy(pozice, n), mapa);
    QCOMPARE(KapacitaMrizky(pozice, n), n * n - int(mapa.count(u'_')));
    if (sifra.size() == n * n)
        QCOMPARE(MrizkaSifruj(text, dirky, n), sifra);
    QCOMPARE(MrizkaDesifruj(sifra, dirky, n), desifrovano);
}

void TestMrizka::odkryti_data()
{
    QTest::addColumn<int>("n");
    for (int n = 1; n <= NejvetsiMrizka; ++n)
        QTest::addRow("N=%d", n) << n;
}

// For random hole sets, a cell's count is the number of turned copies of the card with a hole over
// it (the middle of an odd grid once), and 0 exactly where the engine's map leaves "_". A random
// good card uncovers every cell once, so every text of n x n characters goes in whole and comes back.
void TestMrizka::odkryti()
{
    QFETCH(int, n);
    QRandomGenerator nahoda(20240 + n);
    QSet<QByteArray> ruzne;
    for (int pokus = 0; pokus < 100; ++pokus) {
        Okenka okenka{};
        MapaPozic otocena{};
        for (int c = 0; c < n; ++c)
            for (int r = 0; r < n; ++r)
                otocena[c][r] = (okenka[c][r] = nahoda.bounded(4) == 0) ? u'#' : u'.';
        PocetOdkryti ocekavane{};
        for (int otoceni = 0; otoceni < 4; ++otoceni, otocena = OtocMrizku(otocena, n))
            for (int c = 0; c < n; ++c)
                for (int r = 0; r < n; ++r)
                    ocekavane[c][r] += otocena[c][r] == u'#';
        if (n % 2 == 1)
            ocekavane[n / 2][n / 2] = okenka[n / 2][n / 2];
        const PocetOdkryti pocty = PocitejOdkryti(okenka, n);
        const MapaPozic mapa = OznacPozice(okenka, n);
        for (int c = 0; c < n; ++c)
            for (int r = 0; r < n; ++r)
                QVERIFY(pocty[c][r] == ocekavane[c][r] && (pocty[c][r] == 0) == (mapa[c][r] == NeodkrytaBunka));
        QCOMPARE(ZhodnotMrizku(pocty, n).chybi, n * n - KapacitaMrizky(mapa, n));

        const Okenka dobra = NahodnaOkenka(n, nahoda);
        QVERIFY(ZhodnotMrizku(PocitejOdkryti(dobra, n), n).vPoradku() && (n % 2 == 0 || dobra[n / 2][n / 2]));
        QString text;
        for (int i = 0; i < n * n; ++i)
            text.append(QChar(u'0' + nahoda.bounded(47))); // "0" to "^": no "_"
        const QString sifra = MrizkaSifruj(text, dobra, n);
        QVERIFY(!sifra.contains(NeodkrytaBunka));
        QCOMPARE(MrizkaDesifruj(sifra, dobra, n), text);
        ruzne.insert(QByteArray(reinterpret_cast<const char *>(&dobra), sizeof dobra));
    }
    // From 4 x 4 on there are at least 4^4 good cards, so random ones do vary.
    QVERIFY(n < 4 || ruzne.size() > 50);
}

QTEST_GUILESS_MAIN(TestMrizka)
#include "tst_core_mrizka.moc"

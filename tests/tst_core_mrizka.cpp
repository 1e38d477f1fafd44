#include "ciphers/Mrizka.h"

#include <QTest>

namespace {

// Holes drawn as rows separated by "/", top row first, "#" for a hole.
Okenka OkenkaZObrazku(const QString &obrazek)
{
    Okenka okenka{};
    const QStringList radky = obrazek.split(u'/');
    for (int r = 0; r < radky.size(); ++r)
        for (int c = 0; c < radky[r].size(); ++c)
            okenka[c][r] = radky[r][c] == u'#';
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

MapaPozic MapaZRadku(const QString &obrazek)
{
    MapaPozic mapa{};
    const QStringList radky = obrazek.split(u'/');
    for (int r = 0; r < radky.size(); ++r)
        for (int c = 0; c < radky[r].size(); ++c)
            mapa[c][r] = radky[r][c].unicode();
    return mapa;
}

const QString VychoziOkenka = "....#./....../.#...#/...#../##.#../..#..#";
const QString VychoziText = "totojetextkterychcicelyzasifrovat123";

} // namespace

class TestMrizka : public QObject
{
    Q_OBJECT
private slots:
    void otoc_data();
    void otoc();
    void mapa_data();
    void mapa();
    void sifruj_data();
    void sifruj();
    void desifruj_data();
    void desifruj();
};

void TestMrizka::otoc_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("mrizka");
    QTest::addColumn<QString>("otocena");
    QTest::newRow("N=1") << 1 << "a"
                         << "a";
    QTest::newRow("N=2") << 2 << "ab/cd"
                         << "bd/ac";
    QTest::newRow("N=3") << 3 << "abc/def/ghi"
                         << "cfi/beh/adg";
}

void TestMrizka::otoc()
{
    QFETCH(int, n);
    QFETCH(QString, mrizka);
    QFETCH(QString, otocena);
    const MapaPozic puvodni = MapaZRadku(mrizka);
    QCOMPARE(RadkyMapy(OtocMrizku(puvodni, n), n), otocena);
    MapaPozic ctyrikrat = puvodni;
    for (int i = 0; i < 4; ++i)
        ctyrikrat = OtocMrizku(ctyrikrat, n);
    QCOMPARE(RadkyMapy(ctyrikrat, n), mrizka);
}

void TestMrizka::mapa_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("okenka");
    QTest::addColumn<QString>("mapa");
    QTest::addColumn<int>("kapacita");
    QTest::newRow("N=2 jedno okenko") << 2 << "#./.."
                                      << "AD/BC" << 4;
    QTest::newRow("N=2 uhlopricka") << 2 << "#./.#"
                                    << "AB/BA" << 4;
    QTest::newRow("N=3 roh") << 3 << "#../.../..."
                             << "A_D/___/B_C" << 4;
    QTest::newRow("N=4") << 4 << "#.../.#.#/..../.#.."
                         << "ABCD/DADA/CBCB/BADC" << 16;
    QTest::newRow("N=1 okenko") << 1 << "#"
                                << "A" << 1;
    QTest::newRow("N=1 bez okenka") << 1 << "."
                                    << "_" << 0;
    QTest::newRow("N=3 stred") << 3 << ".../.#./..."
                               << "___/_A_/___" << 1;
    QTest::newRow("N=2 vsechna") << 2 << "##/##"
                                 << "AA/AA" << 4;
}

void TestMrizka::mapa()
{
    QFETCH(int, n);
    QFETCH(QString, okenka);
    QFETCH(QString, mapa);
    QFETCH(int, kapacita);
    const MapaPozic vysledek = OznacPozice(OkenkaZObrazku(okenka), n);
    QCOMPARE(RadkyMapy(vysledek, n), mapa);
    QCOMPARE(KapacitaMrizky(vysledek, n), kapacita);
}

void TestMrizka::sifruj_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("okenka");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("sifra");
    QTest::newRow("N=2 jedno okenko") << 2 << "#./.."
                                      << "abcd"
                                      << "abdc";
    QTest::newRow("N=2 uhlopricka") << 2 << "#./.#"
                                    << "abcd"
                                    << "acdb";
    QTest::newRow("N=2 kratky text") << 2 << "#./.."
                                     << "ab"
                                     << "abxx";
    QTest::newRow("N=3 roh") << 3 << "#../.../..."
                             << "abcdef"
                             << "a_b___d_c";
    QTest::newRow("N=4") << 4 << "#.../.#.#/..../.#.."
                         << "abcdefghijklmnop"
                         << "amiefbgcjnkopdhl";
    QTest::newRow("N=6 vychozi") << 6 << VychoziOkenka << VychoziText << "itfctrovoateklyttoz1eje2tarsychiec3x";
    QTest::newRow("N=1 okenko") << 1 << "#"
                                << "abc"
                                << "a";
    QTest::newRow("N=1 bez okenka") << 1 << "."
                                    << "abc"
                                    << "_";
    QTest::newRow("N=3 bez okenek") << 3 << ".../.../..."
                                    << "abc"
                                    << "_________";
    QTest::newRow("prazdny text") << 2 << "#./.."
                                  << ""
                                  << "xxxx";
    QTest::newRow("velka pismena") << 2 << "#./.."
                                   << "BCDA"
                                   << "BCAD";
    QTest::newRow("text jako znacky") << 2 << "#./.."
                                      << "DCBA"
                                      << "DCAB";
    QTest::newRow("podtrzitko a x") << 2 << "#./.."
                                    << "_x_x"
                                    << "_xx_";
    QTest::newRow("dlouhy text") << 2 << "#./.#"
                                 << "abcdefgh"
                                 << "acdb";
}

void TestMrizka::sifruj()
{
    QFETCH(int, n);
    QFETCH(QString, okenka);
    QFETCH(QString, text);
    QFETCH(QString, sifra);
    QCOMPARE(MrizkaSifruj(text, OkenkaZObrazku(okenka), n), sifra);
}

void TestMrizka::desifruj_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("okenka");
    QTest::addColumn<QString>("sifra");
    QTest::addColumn<QString>("text");
    QTest::newRow("N=2 jedno okenko") << 2 << "#./.."
                                      << "abdc"
                                      << "abcd";
    QTest::newRow("N=2 uhlopricka") << 2 << "#./.#"
                                    << "acdb"
                                    << "abcd";
    QTest::newRow("N=2 vypln zustava") << 2 << "#./.."
                                       << "abxx"
                                       << "abxx";
    QTest::newRow("N=3 roh") << 3 << "#../.../..."
                             << "a_b___d_c"
                             << "abcd";
    QTest::newRow("N=4") << 4 << "#.../.#.#/..../.#.."
                         << "amiefbgcjnkopdhl"
                         << "abcdefghijklmnop";
    QTest::newRow("N=6 vychozi") << 6 << VychoziOkenka << "itfctrovoateklyttoz1eje2tarsychiec3x" << VychoziText;
    QTest::newRow("N=1 okenko") << 1 << "#"
                                << "abc"
                                << "a";
    QTest::newRow("N=1 bez okenka") << 1 << "."
                                    << "abc"
                                    << "";
    QTest::newRow("N=3 bez okenek") << 3 << ".../.../..."
                                    << "abcdefghi"
                                    << "";
    QTest::newRow("dlouha sifra") << 2 << "#./.."
                                  << "abdcZZZ"
                                  << "abcd";
    QTest::newRow("kratka sifra") << 2 << "#./.."
                                  << "abc"
                                  << "abxc";
    QTest::newRow("jeden znak") << 2 << "#./.."
                                << "a"
                                << "axxx";
    QTest::newRow("prazdna sifra") << 2 << "#./.."
                                   << ""
                                   << "xxxx";
    QTest::newRow("kratka N=3") << 3 << "#../.../..."
                                << "a_b___d"
                                << "abxd";
}

void TestMrizka::desifruj()
{
    QFETCH(int, n);
    QFETCH(QString, okenka);
    QFETCH(QString, sifra);
    QFETCH(QString, text);
    QCOMPARE(MrizkaDesifruj(sifra, OkenkaZObrazku(okenka), n), text);
}

QTEST_GUILESS_MAIN(TestMrizka)
#include "tst_core_mrizka.moc"

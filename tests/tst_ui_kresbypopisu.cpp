// The pictures of the shipped descriptions show what the engines and the windows do: the Morse table holds
// the engine's codes, the semaphore chart every letter, the cut-out wheel enciphers like the engine, the snail
// and grille examples write the text where the engine puts it, and the grille card has the window's holes.
#include "ciphers/Semafor.h"
#include "descriptions/Ulozistepopisu.h"
#include "resources/kresby/KresbyPopisu.h"
#include "text/Cisteni.h"
#include "windows/Mrizkaunit.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {
Okenka zObrazku(const QString &obrazek)
{
    Okenka okenka{};
    const QStringList radky = obrazek.split(u'/');
    for (int r = 0; r < radky.size(); ++r)
        for (int c = 0; c < radky[r].size(); ++c)
            okenka[c][r] = radky[r][c] == u'#';
    return okenka;
}

// A label of the cut-out wheel as the character the engine knows: lower case, the CH sector "-".
QChar znakPopisku(const QString &text)
{
    return text == u"CH" ? u'-' : text.toLower().at(0);
}
} // namespace

class TestKresbyPopisu : public QObject
{
    Q_OBJECT
private slots:
    void tabulkaMorseovky();
    void semafor();
    void kolecko_data();
    void kolecko();
    void snek_data();
    void snek();
    void mrizka_data();
    void mrizka();
    void mrizkaOkna();
};

// Every entry of the engine's table once, and nothing else.
void TestKresbyPopisu::tabulkaMorseovky()
{
    QStringList vTabulce;
    for (const SloupecMorseovky &sloupec : sloupceTabulkyMorseovky())
        for (const MorseZnak &z : sloupec.znaky)
            vTabulce << z.znak.toString() + u' ' + z.kod.toString();
    QStringList vMotoru;
    for (std::size_t i = 1; i < MorseTabulka.size(); ++i)
        vMotoru << MorseTabulka[i].znak.toString() + u' ' + MorseTabulka[i].kod.toString();
    vTabulce.sort();
    vMotoru.sort();
    QCOMPARE(vTabulce, vMotoru);
}

void TestKresbyPopisu::semafor()
{
    // The chart: the sign of every letter and the numerals sign, each once.
    const QList<int> abeceda = znameniAbecedySemaforu();
    for (QChar znak : u"abcdefghijklmnopqrstuvwxyz*"_s)
        QCOMPARE(abeceda.count(SemaforSifruj(QStringView(&znak, 1)).value(0, -1)), 1);
    QCOMPARE(abeceda.size(), 27);
    // The example: the cleaned text character by character, with the signs the encoder gives the whole text.
    QString znaky;
    QList<int> cisla;
    for (const ZnakSemaforu &z : znakyPrikladuSemaforu(PrikladSemaforu)) {
        znaky += z.znak;
        if (z.cislo)
            cisla << z.cislo;
    }
    QCOMPARE(znaky, VycistiMalymi(PrikladSemaforu, ZnakySemafor, NahradaMala));
    QCOMPARE(cisla, SemaforSifruj(znaky));
    // It shows how digits are signalled: the numerals sign before them, J (letters) after.
    QVERIFY(cisla.contains(27) && cisla.indexOf(10, cisla.indexOf(27)) > cisla.indexOf(27));
}

void TestKresbyPopisu::kolecko_data()
{
    QTest::addColumn<DruhKolecka>("druh");
    QTest::addColumn<QString>("klic");
    for (const auto &[druh, nazev] : {std::pair{DruhKolecka::sCh, "with CH"}, {DruhKolecka::bezCh, "without CH"}})
        for (const char *klic : {"a", "b", "i", "0"})
            QTest::addRow("%s, key %s", nazev, klic) << druh << QString::fromLatin1(klic);
}

// The small disc turned until its A stands against the key: every character of the big disc has beside it
// what the engine makes of it with that key.
void TestKresbyPopisu::kolecko()
{
    QFETCH(DruhKolecka, druh);
    QFETCH(QString, klic);
    const DilyKolecka dily = dilyKolecka(druh);
    const int delka = delkaKruhu(druh);
    QCOMPARE(dily.vnejsi.size(), delka);
    QCOMPARE(dily.vnitrni.size(), delka);
    QCOMPARE(dily.vnitrni.first().text, u"A"_s);
    const int k = PoziceKlice(klic, druh).otoceniKolecka;
    for (const PopisekDilu &vnitrni : dily.vnitrni) {
        const double uhel = std::fmod(vnitrni.uhel + 360.0 * k / delka, 360.0);
        const auto vnejsi = std::find_if(dily.vnejsi.begin(), dily.vnejsi.end(),
                                         [&](const PopisekDilu &p) { return std::abs(p.uhel - uhel) < 1e-6; });
        QVERIFY(vnejsi != dily.vnejsi.end());
        QCOMPARE(PrevedKoleckem(QString(znakPopisku(vnejsi->text)), druh, k), QString(znakPopisku(vnitrni.text)));
    }
}

void TestKresbyPopisu::snek_data()
{
    QTest::addColumn<PrikladSneka>("priklad");
    QTest::addColumn<QString>("poSpirale"); // the cells read in the order of their numbers
    QTest::newRow("the shipped example") << PrikladSnekaPopisu << u"srazuvelkehodubuvosmxxxxx"_s;
    QTest::newRow("outward from the bottom right") << PrikladSneka{u"Ahoj!", 3, PravyDolni, Ven} << u"xxxxxahoj"_s;
    QTest::newRow("inward from the top right, full")
        << PrikladSneka{u"abcdefghijklmnop", 4, PravyHorni, Dovnitr} << u"abcdefghijklmnop"_s;
    QTest::newRow("outward from the bottom left, text too long")
        << PrikladSneka{u"Šnek 12", 2, LevyDolni, Ven} << u"ek12"_s;
}

// Numbered 1 to n x n along the walk, the cells give back the text as the engine lays it along the spiral.
void TestKresbyPopisu::snek()
{
    QFETCH(PrikladSneka, priklad);
    QFETCH(QString, poSpirale);
    const auto tabulka = tabulkaPrikladuSneka(priklad);
    QString precteno(priklad.velikost * priklad.velikost, u'?');
    for (const auto &radek : tabulka) {
        QCOMPARE(int(radek.size()), priklad.velikost);
        for (const BunkaPrikladuSneka &bunka : radek)
            precteno[bunka.poradi - 1] = bunka.znak;
    }
    QCOMPARE(precteno, poSpirale);
}

void TestKresbyPopisu::mrizka_data()
{
    QTest::addColumn<QString>("okenka");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("prectene"); // the letters through the holes, position after position
    QTest::newRow("the window's 6 x 6") << u"....#./....../.#...#/...#../##.#../..#..#"_s << PrikladMrizky.toString()
                                        << u"totojetextkterychcicelyzasifrovat123"_s;
    QTest::newRow("4 x 4, every cell once")
        << u"#.../.#.#/..../.#.."_s << u"Abc def ghi jkl mnop"_s << u"abcdefghijklmnop"_s;
    QTest::newRow("3 x 3, one corner hole, text too long") << u"#../.../..."_s << u"abcdef"_s << u"abcd"_s;
}

// Each position shows the card turned a quarter turn anticlockwise from the one before, and through its holes
// the letters written in it, so that the positions together read the message back.
void TestKresbyPopisu::mrizka()
{
    QFETCH(QString, okenka);
    QFETCH(QString, text);
    QFETCH(QString, prectene);
    const int n = int(okenka.indexOf(u'/'));
    const QList<PolohaMrizky> polohy = polohyMrizky(text, zObrazku(okenka), n);
    QCOMPARE(polohy.size(), 4);
    QString vsechno;
    for (int p = 0; p < 4; ++p) {
        QList<QPoint> otocena;
        for (const QPoint &o : polohy[(p + 3) % 4].okenka)
            otocena << QPoint(o.y(), n - 1 - o.x());
        const auto poradi = [](const QPoint &a, const QPoint &b) {
            return std::pair(a.x(), a.y()) < std::pair(b.x(), b.y());
        };
        std::sort(otocena.begin(), otocena.end(), poradi);
        QCOMPARE(polohy[p].okenka, otocena);
        vsechno += polohy[p].nove;
    }
    QCOMPARE(vsechno, prectene);
}

// The example and the card are the grille window's own start: its size, text and holes; the shipped card
// shows exactly those holes dark.
void TestKresbyPopisu::mrizkaOkna()
{
    TMrizkaForm okno;
    QCOMPARE(okno.velikost(), 6);
    auto *zdroj = okno.findChild<QPlainTextEdit *>(u"Zdroj"_s);
    QCOMPARE(zdroj->toPlainText(), PrikladMrizky.toString());
    okno.findChild<QPushButton *>(u"ZasifrujB"_s)->click();
    QString prectene;
    for (const PolohaMrizky &poloha : polohyMrizky(PrikladMrizky, okno.okenka(), okno.velikost()))
        prectene += poloha.nove;
    QCOMPARE(prectene, zdroj->toPlainText());

    const QImage karta(souborPopisu(QString::fromUtf8(TALVO_PREHLED), u"Mrizka"_s, SouborPopisu::Obrazek), "BMP");
    QVERIFY(!karta.isNull());
    for (int c = 0; c < okno.velikost(); ++c)
        for (int r = 0; r < okno.velikost(); ++r)
            QCOMPARE(qGray(karta.pixel(bunkaMrizkyKVystrizeni(6, {c, r}).center())) < 128, okno.okenka()[c][r]);
}

QTEST_MAIN(TestKresbyPopisu)
#include "tst_ui_kresbypopisu.moc"

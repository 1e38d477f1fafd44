#include "ciphers/Morseovka.h"
#include "ciphers/Semafor.h"
#include "game/model/Hra.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTest>

Q_DECLARE_METATYPE(SifraHry)

namespace {

const QString Refused = QStringLiteral("!");

// A message for every cipher: words of letters and digits joined by single spaces, so that Morse
// code, which turns two spaces into a full stop, decodes back to it too.
QString NahodnaZprava(QRandomGenerator &nahoda, int slov)
{
    static const QString znaky = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789");
    QStringList vysledek;
    for (int s = 0; s < slov; ++s) {
        QString slovo;
        for (int k = 1 + nahoda.bounded(8); k > 0; --k)
            slovo.append(znaky[nahoda.bounded(int(znaky.size()))]);
        vysledek.append(slovo);
    }
    return vysledek.join(u' ');
}

Hra HraSeDvema()
{
    Hra hra;
    hra.sifra = SifraHry::Kolecko;
    hra.hlidky = {
        {QStringLiteral("Vlci"), QStringLiteral("Toto je text který chci zašifrovat"), QStringLiteral("37 B")},
        {QStringLiteral("Sovy\nnoční"), QStringLiteral("Ahoj"), QStringLiteral("36 a")}};
    return hra;
}

} // namespace

class TestHra : public QObject
{
    Q_OBJECT
private slots:
    void klic_data();
    void klic();
    void rozdelNaBloky_data();
    void rozdelNaBloky();
    void zasifrujZpravu_data();
    void zasifrujZpravu();
    void desifrujeSeZpet_data();
    void desifrujeSeZpet();
    void nahodneKlice_data();
    void nahodneKlice();
    void upravaJedneBunky();
    void reseni();
    void kontrola_data();
    void kontrola();
};

void TestHra::klic_data()
{
    QTest::addColumn<SifraHry>("sifra");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("ocekavano"); // the canonical key, or Refused + the reason
    const auto radek = [](const char *nazev, SifraHry sifra, const char *text, const char *ocekavano) {
        QTest::newRow(nazev) << sifra << QString::fromUtf8(text) << QString::fromUtf8(ocekavano);
    };
    using enum SifraHry;
    radek("morse s, mezery a velka", Morseovka, "  S   Interpunkcí ", "s interpunkcí");
    radek("morse jine", Morseovka, "bez", "!Klíč Morseovky je „bez interpunkce“ nebo „s interpunkcí“, ne „bez“.");
    radek("mrizka 2", Mrizka, "x./..", "X./..");
    radek("mrizka 3 se stredem", Mrizka, "XX./.X./...", "XX./.X./...");
    radek("mrizka bez okenek", Mrizka, "../..", "!Chybí 4 políčka");
    radek("mrizka chybi i prekryva", Mrizka, "X.X/.../...", "!Chybí 5 políček, 4 se překrývají");
    radek("mrizka kratky radek", Mrizka, "X./.", "!Řádek 2 mřížky má 1 znaků, má jich mít 2 jako mřížka řádků.");
    radek("mrizka cizi znak", Mrizka, "Xa/..", "!Znak „a“ do mřížky nepatří: okénko je X, zavřené políčko tečka.");
    radek("mrizka 11 radku", Mrizka, "X/X/X/X/X/X/X/X/X/X/X", "!Mřížka má 11 řádků, může jich mít nejvýše 10.");
    radek("mrizka prazdna", Mrizka, " ",
          "!Zadejte mřížku: řádky ze znaků X (okénko) a . (zavřeno) oddělené lomítkem, např. X./..");
    radek("kolecko 37 velke", Kolecko, "37 B", "37 b");
    radek("kolecko diakritika", Kolecko, "37 Č", "37 c");
    radek("kolecko 0", Kolecko, " 36   0 ", "36 0");
    radek("kolecko 38", Kolecko, "38 b",
          "!Klíč kolečka je 36 (bez CH) nebo 37 (s CH), mezera a znak klíče, např. 37 b.");
    radek("kolecko bez znaku", Kolecko, "37", "!Zadali jste \"\". Zadavejte  jen JEDEN znak nebo cislici!");
    radek("kolecko pomlcka", Kolecko, "37 -", "!Zadali jste \"-\". Zadavejte  jen JEDEN znak nebo cislici!");
    radek("snek vychozi", Snek, "6 LD dovnitř", "6 LD dovnitř");
    radek("snek mala a velka", Snek, "10 ph VEN", "10 PH ven");
    radek("snek 11", Snek, "11 LD ven", "!Zadali jste 11. Zadavejte jen cislice 1-10!");
    radek("snek roh", Snek, "6 XY ven",
          "!Roh „XY“ neznám: LD, LH, PD nebo PH (levý dolní, levý horní, pravý dolní, "
          "pravý horní).");
    radek("snek smer", Snek, "6 LD nahoru", "!Směr „nahoru“ neznám: dovnitř nebo ven.");
    radek("snek dve casti", Snek, "6 LD", "!Klíč šneka je velikost, roh a směr, např. 6 LD dovnitř.");
    radek("semafor prazdny", Semafor, "  ", "");
    radek("semafor s klicem", Semafor, "a", "!Semafor nemá klíč: nechte políčko prázdné.");
}

void TestHra::klic()
{
    QFETCH(SifraHry, sifra);
    QFETCH(QString, text);
    QFETCH(QString, ocekavano);
    QString chyba = QStringLiteral("(nic)");
    const std::optional<KlicHry> klic = PrectiKlic(sifra, text, &chyba);
    if (ocekavano.startsWith(Refused)) {
        QVERIFY(!klic);
        QCOMPARE(chyba, ocekavano.mid(1));
        return;
    }
    QVERIFY2(klic, qPrintable(chyba));
    QCOMPARE(klic->sifra, sifra);
    QCOMPARE(TextKlice(*klic), ocekavano);
}

void TestHra::rozdelNaBloky_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("delka");
    QTest::addColumn<QStringList>("bloky");
    QTest::newRow("prazdny") << QString() << 4 << QStringList();
    QTest::newRow("presne dva") << QStringLiteral("abcd") << 2 << QStringList{"ab", "cd"};
    QTest::newRow("posledni kratsi") << QStringLiteral("abcde") << 2 << QStringList{"ab", "cd", "e"};
    QTest::newRow("kratsi nez blok") << QStringLiteral("abc") << 36 << QStringList{"abc"};
}

void TestHra::rozdelNaBloky()
{
    QFETCH(QString, text);
    QFETCH(int, delka);
    QFETCH(QStringList, bloky);
    QCOMPARE(RozdelNaBloky(text, delka), bloky);
}

void TestHra::zasifrujZpravu_data()
{
    QTest::addColumn<SifraHry>("sifra");
    QTest::addColumn<QString>("klic");
    QTest::addColumn<QString>("zprava");
    QTest::addColumn<QString>("vycistena");
    QTest::addColumn<QString>("zasifrovano");
    QTest::addColumn<QStringList>("prvniCtverec");
    using enum SifraHry;
    QTest::newRow("morse") << Morseovka << QStringLiteral("bez interpunkce") << QStringLiteral("Ahoj, světe!")
                           << QStringLiteral("ahoj svete") << QStringLiteral(".-/..../---/.---//.../...-/./-/./")
                           << QStringList();
    QTest::newRow("mrizka jako okno") << Mrizka << QStringLiteral("....X./....../.X...X/...X../XX.X../..X..X")
                                      << QStringLiteral("Toto je text, který chci celý zašifrovat 123!")
                                      << QStringLiteral("totojetextkterychcicelyzasifrovat123")
                                      << QStringLiteral("itfctrovoateklyttoz1eje2tarsychiec3x")
                                      << QStringList{"iokzth", "tvl1ai", "foyere", "catjsc", "tttey3", "reo2cx"};
    QTest::newRow("mrizka dva bloky") << Mrizka << QStringLiteral("X./..") << QStringLiteral("ab cd, efg")
                                      << QStringLiteral("abcdefg") << QStringLiteral("abdc efxg")
                                      << QStringList{"ad", "bc"};
    QTest::newRow("kolecko jako okno") << Kolecko << QStringLiteral("37 b")
                                       << QStringLiteral("Toto je text který chci zašifrovat")
                                       << QStringLiteral("toto je text ktery chci zasifrovat")
                                       << QStringLiteral("rwrw 28 r8nr 1r8tm 0503 lbs37twpbr") << QStringList();
    QTest::newRow("snek jako okno") << Snek << QStringLiteral("6 LD dovnitř")
                                    << QStringLiteral("totojetextkterychcicelyzasifrovat123")
                                    << QStringLiteral("totojetextkterychcicelyzasifrovat123")
                                    << QStringLiteral("cyretkhorfitcv32sxiat1aecelyzttotoje")
                                    << QStringList{"cyretk", "horfit", "cv32sx", "iat1ae", "celyzt", "totoje"};
    QTest::newRow("snek dva bloky") << Snek << QStringLiteral("3 LH dovnitř") << QStringLiteral("abcdefghijkl")
                                    << QStringLiteral("abcdefghijkl") << QStringLiteral("ahgbifcde jxxkxxlxx")
                                    << QStringList{"ahg", "bif", "cde"};
    QTest::newRow("semafor") << Semafor << QString() << QStringLiteral("Ahoj: b") << QStringLiteral("ahoj: b")
                             << QStringLiteral("ahoj b") << QStringList();
}

void TestHra::zasifrujZpravu()
{
    QFETCH(SifraHry, sifra);
    QFETCH(QString, klic);
    QFETCH(QString, zprava);
    QFETCH(QString, vycistena);
    QFETCH(QString, zasifrovano);
    QFETCH(QStringList, prvniCtverec);
    const std::optional<KlicHry> k = PrectiKlic(sifra, klic);
    QVERIFY(k);
    const SifraHlidky vysledek = ZasifrujZpravu(*k, zprava);
    QCOMPARE(vysledek.zprava, vycistena);
    QCOMPARE(vysledek.zasifrovano, zasifrovano);
    QCOMPARE(vysledek.ctverce.value(0), prvniCtverec);
}

void TestHra::desifrujeSeZpet_data()
{
    QTest::addColumn<SifraHry>("sifra");
    QTest::addColumn<QString>("vzor");
    using enum SifraHry;
    QTest::newRow("morse") << Morseovka << QStringLiteral("bez interpunkce");
    QTest::newRow("mrizka 6") << Mrizka << QStringLiteral("....X./....../.X...X/...X../XX.X../..X..X");
    QTest::newRow("mrizka 3") << Mrizka << QStringLiteral("XX./.X./...");
    QTest::newRow("kolecko s ch") << Kolecko << QStringLiteral("37 b");
    QTest::newRow("kolecko bez ch") << Kolecko << QStringLiteral("36 b");
    QTest::newRow("snek 5") << Snek << QStringLiteral("5 PH ven");
    QTest::newRow("semafor") << Semafor << QString();
}

// Twelve patrols with random keys and long random messages: every enciphered text, read with the
// patrol's key by the engine's decoder, gives back the cleaned message, each block filled as the
// engine fills a short text.
void TestHra::desifrujeSeZpet()
{
    QFETCH(SifraHry, sifra);
    QFETCH(QString, vzor);
    QRandomGenerator nahoda(21);
    const QList<KlicHry> klice = NahodneKlice(*PrectiKlic(sifra, vzor), NejviceHlidek, nahoda);
    for (const KlicHry &klic : klice) {
        const SifraHlidky s = ZasifrujZpravu(klic, NahodnaZprava(nahoda, 30));
        const int n = klic.velikost;
        switch (sifra) {
        case SifraHry::Morseovka:
            QCOMPARE(MorseDesifruj(s.zasifrovano, klic.pocetZnaku), s.zprava);
            break;
        case SifraHry::Kolecko:
            QCOMPARE(PrevedKoleckem(s.zasifrovano, klic.druh, klic.otoceni), s.zprava);
            break;
        case SifraHry::Mrizka:
        case SifraHry::Snek: {
            const QStringList bloky = RozdelNaBloky(s.zprava, n * n);
            const QStringList sifrovane = s.zasifrovano.split(u' ');
            QVERIFY(bloky.size() > 1);
            QCOMPARE(sifrovane.size(), bloky.size());
            QCOMPARE(s.ctverce.size(), bloky.size());
            for (qsizetype b = 0; b < bloky.size(); ++b) {
                const QString vypln(n * n - bloky[b].size(), u'x');
                if (sifra == SifraHry::Mrizka) {
                    QCOMPARE(MrizkaDesifruj(sifrovane[b], klic.okenka, n), bloky[b] + vypln);
                } else {
                    const QString ocekavany = klic.smer == Dovnitr ? bloky[b] + vypln : vypln + bloky[b];
                    QCOMPARE(SnekDesifruj(sifrovane[b], n, klic.smer, klic.roh), ocekavany);
                    QCOMPARE(s.ctverce[b].join(QString()), sifrovane[b]);
                }
                QCOMPARE(s.ctverce[b].size(), n);
            }
            break;
        }
        case SifraHry::Semafor:
            QCOMPARE(s.zasifrovano, s.zprava);
            QCOMPARE(s.obrazky.size(), s.zasifrovano.size());
            break;
        }
    }
}

void TestHra::nahodneKlice_data()
{
    QTest::addColumn<SifraHry>("sifra");
    QTest::addColumn<QString>("vzor");
    QTest::addColumn<int>("ruznych"); // of twelve
    QTest::addColumn<int>("veVelikostiVzoru");
    using enum SifraHry;
    QTest::newRow("morse ma dva") << Morseovka << QStringLiteral("bez interpunkce") << 2 << 0;
    QTest::newRow("mrizka 4") << Mrizka << QStringLiteral("X.../.X.X/..../.X..") << 12 << 12;
    // Four cards of 2 x 2 exist, so the others come from the next size.
    QTest::newRow("mrizka 2 nestaci") << Mrizka << QStringLiteral("X./..") << 12 << 4;
    QTest::newRow("kolecko") << Kolecko << QStringLiteral("36 b") << 12 << 0;
    QTest::newRow("snek") << Snek << QStringLiteral("6 LD dovnitř") << 12 << 8;
    QTest::newRow("semafor ma jeden") << Semafor << QString() << 1 << 0;
}

// "Každé hlídce jiný klíč" follows the first key that reads (a refused one before it does not
// count); every key it deals reads back.
void TestHra::nahodneKlice()
{
    QFETCH(SifraHry, sifra);
    QFETCH(QString, vzor);
    QFETCH(int, ruznych);
    QFETCH(int, veVelikostiVzoru);
    QRandomGenerator nahoda(7);
    Hra hra = NovaHra(sifra, nahoda);
    ZmenPocetHlidek(hra, NejviceHlidek, nahoda);
    hra.hlidky[0].klic = QStringLiteral("?");
    hra.hlidky[1].klic = vzor;
    RozdejRuzneKlice(hra, nahoda);
    const KlicHry klicVzoru = *PrectiKlic(sifra, vzor);
    QSet<QString> texty;
    int velikostVzoru = 0;
    for (const Hlidka &h : std::as_const(hra.hlidky)) {
        const std::optional<KlicHry> klic = PrectiKlic(sifra, h.klic);
        QVERIFY(klic);
        texty.insert(h.klic);
        velikostVzoru += klic->velikost == klicVzoru.velikost;
        QCOMPARE(klic->druh, klicVzoru.druh);
    }
    QCOMPARE(int(texty.size()), ruznych);
    if (veVelikostiVzoru > 0)
        QCOMPARE(velikostVzoru, veVelikostiVzoru);
}

// Editing one patrol's cell enciphers that patrol alone; the common message reaches all of them.
void TestHra::upravaJedneBunky()
{
    QRandomGenerator nahoda(3);
    Hra hra = NovaHra(SifraHry::Mrizka, nahoda);
    ZmenPocetHlidek(hra, NejviceHlidek, nahoda);
    for (Hlidka &h : hra.hlidky)
        h.zprava = NahodnaZprava(nahoda, 20);
    SifrovaniHry sifrovani;
    QVERIFY(ZkontrolujHru(hra, sifrovani));
    QCOMPARE(sifrovani.pocetSifrovani(), NejviceHlidek);

    hra.hlidky[5].zprava += QStringLiteral(" navic");
    const QString predtim = sifrovani.hlidka(hra, 4).sifra.zasifrovano;
    QVERIFY(ZkontrolujHru(hra, sifrovani));
    QCOMPARE(sifrovani.pocetSifrovani(), NejviceHlidek + 1);
    QVERIFY(sifrovani.hlidka(hra, 5).sifra.zprava.endsWith(QStringLiteral("navic")));
    QCOMPARE(sifrovani.hlidka(hra, 4).sifra.zasifrovano, predtim);

    hra.hlidky[2].klic = QStringLiteral("X./..");
    QCOMPARE(sifrovani.hlidka(hra, 2).klic->velikost, 2);
    QCOMPARE(sifrovani.pocetSifrovani(), NejviceHlidek + 2);

    hra.stejnaZprava = true;
    hra.spolecnaZprava = QStringLiteral("Sraz u ohniště");
    QVERIFY(ZkontrolujHru(hra, sifrovani));
    QCOMPARE(sifrovani.pocetSifrovani(), 2 * NejviceHlidek + 2);
    QCOMPARE(sifrovani.hlidka(hra, 11).sifra.zprava, QStringLiteral("srazuohniste"));
}

void TestHra::reseni()
{
    SifrovaniHry sifrovani;
    const std::optional<QStringList> zprava = ZpravaReseni(HraSeDvema(), sifrovani);
    QVERIFY(zprava);
    const QStringList ocekavane{"Řešení pro vedoucího",
                                "",
                                "Hlídka: Vlci",
                                "Šifra: Šifrovací kolečko",
                                "Klíč: 37 b",
                                "Zpráva: toto je text ktery chci zasifrovat",
                                "Zašifrováno: rwrw 28 r8nr 1r8tm 0503 lbs37twpbr",
                                "",
                                "Hlídka: Sovy noční",
                                "Šifra: Šifrovací kolečko",
                                "Klíč: 36 a",
                                "Zpráva: ahoj",
                                "Zašifrováno: a4w2"};
    QCOMPARE(*zprava, ocekavane);
    QCOMPARE(*RadkyReseni(HraSeDvema(), sifrovani), ocekavane.mid(2));
}

void TestHra::kontrola_data()
{
    QTest::addColumn<int>("kterou"); // the patrol changed, -1 for none
    QTest::addColumn<QString>("zprava");
    QTest::addColumn<QString>("klic");
    QTest::addColumn<int>("pocet"); // patrols in the game
    QTest::addColumn<bool>("kliceVPoradku");
    QTest::addColumn<QString>("chyba");
    QTest::newRow("spatny klic") << 1 << QStringLiteral("Ahoj") << QStringLiteral("38 b") << 2 << false
                                 << QStringLiteral("Hlídka „Sovy noční“: Klíč kolečka je 36 (bez CH) nebo 37 (s CH), "
                                                   "mezera a znak klíče, např. 37 b.");
    QTest::newRow("prazdna zprava") << 0 << QStringLiteral("?!") << QStringLiteral("37 b") << 2 << true
                                    << QStringLiteral("Hlídka „Vlci“: Zpráva je po vyčištění prázdná, není co "
                                                      "zašifrovat.");
    QTest::newRow("bez hlidek") << -1 << QString() << QString() << 0 << false
                                << QStringLiteral("Počet hlídek je 0, může být 1 až 12.");
}

void TestHra::kontrola()
{
    QFETCH(int, kterou);
    QFETCH(QString, zprava);
    QFETCH(QString, klic);
    QFETCH(int, pocet);
    QFETCH(bool, kliceVPoradku);
    QFETCH(QString, chyba);
    Hra hra = HraSeDvema();
    if (kterou >= 0)
        hra.hlidky[kterou] = {hra.hlidky[kterou].nazev, zprava, klic};
    hra.hlidky.resize(pocet);
    QString duvod;
    qsizetype hlidka = -2;
    QCOMPARE(ZkontrolujKlice(hra, &duvod), kliceVPoradku);
    SifrovaniHry sifrovani;
    QVERIFY(!ZkontrolujHru(hra, sifrovani, &duvod, &hlidka));
    QCOMPARE(duvod, chyba);
    QCOMPARE(hlidka, qsizetype(pocet == 0 ? -1 : kterou));
    QVERIFY(!RadkyReseni(hra, sifrovani));
}

QTEST_APPLESS_MAIN(TestHra)
#include "tst_core_hra.moc"

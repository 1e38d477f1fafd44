// The description store: folder names from titles, the listing, paths and creating the store.
#include "descriptions/Ulozistepopisu.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestUlozistePopisu : public QObject
{
    Q_OBJECT
private slots:
    void nazevSouboru_data();
    void nazevSouboru();
    void seznamSifer_data();
    void seznamSifer();
    void chybejiciUlozisteJePrazdne();
    void ulozisteJeSouborJePrazdne();
    void vychoziUlozisteJeVPracovniSlozce();
    void souborPopisu_data();
    void souborPopisu();
    void prazdnyNazevMiriDoUloziste();
    void vytvorUloziste();
    void vytvorUlozisteSelze_data();
    void vytvorUlozisteSelze();
};

void TestUlozistePopisu::nazevSouboru_data()
{
    QTest::addColumn<QString>("nadpis");
    QTest::addColumn<QString>("nazev");
    QTest::newRow("kolecko") << QStringLiteral("Šifrovací kolečko") << QStringLiteral("Sifrovacikolecko");
    QTest::newRow("cislo a zavorky") << QStringLiteral("Šifra č. 5 (A-Z)") << QStringLiteral("Sifrac5A-Z");
    QTest::newRow("vykricnik") << QStringLiteral("Šnek!") << QStringLiteral("Snek");
    QTest::newRow("bez diakritiky") << QStringLiteral("Snek") << QStringLiteral("Snek");
    QTest::newRow("dva radky") << QStringLiteral("Morseova\r\nabeceda") << QStringLiteral("Morseovaabeceda");
    QTest::newRow("jen LF") << QStringLiteral("a\nb") << QStringLiteral("ab");
    QTest::newRow("prazdny") << QString() << QString();
    QTest::newRow("velka pismena") << QStringLiteral("ŘÍZEK ŽLUŤOUČKÝ") << QStringLiteral("RIZEKZLUTOUCKY");
    QTest::newRow("vsech 32 mazanych") << QStringLiteral(":/?., !~`@#$%^&*\\|\"'<>§()ˇ°´¨;\n\r") << QString();
    QTest::newRow("prochazi") << QStringLiteral("a_b=c+[d]{e}-9") << QStringLiteral("a_b=c+[d]{e}-9");
    QTest::newRow("mimo tabulku") << QStringLiteral("Straße ç") << QStringLiteral("Straßeç");
    QTest::newRow("cesta nahoru") << QStringLiteral("../../etc/passwd") << QStringLiteral("etcpasswd");
    QTest::newRow("zpetne lomitko") << QStringLiteral("..\\Windows") << QStringLiteral("Windows");
}

void TestUlozistePopisu::nazevSouboru()
{
    QFETCH(QString, nadpis);
    QFETCH(QString, nazev);
    QCOMPARE(::nazevSouboru(nadpis), nazev);
}

void TestUlozistePopisu::seznamSifer_data()
{
    QTest::addColumn<QStringList>("slozky");
    QTest::addColumn<QStringList>("soubory");
    QTest::addColumn<QStringList>("seznam");
    QTest::newRow("prazdne uloziste") << QStringList() << QStringList() << QStringList();
    QTest::newRow("jen soubory") << QStringList() << QStringList{"a.txt", "Morseovka-nadpis.txt"} << QStringList();
    QTest::newRow("soubory se vynechaji")
        << QStringList{"Snek", "Morseovka"} << QStringList{"Zzz.txt", "A.bmp"} << QStringList{"Morseovka", "Snek"};
    QTest::newRow("bez ohledu na velikost") << QStringList{"beta", "Alfa", "GAMA", "delta"} << QStringList()
                                            << QStringList{"Alfa", "beta", "delta", "GAMA"};
    // Accented capitals sort by their code after upper-casing, as NTFS lists them: after Z.
    QTest::newRow("s diakritikou") << QStringList{"Šnek", "čtverec", "Zebra", "morse", "Abeceda"} << QStringList()
                                   << QStringList{"Abeceda", "morse", "Zebra", "čtverec", "Šnek"};
    // Upper-case comparison puts "_" (0x5F) after every letter.
    QTest::newRow("podtrzitko") << QStringList{"A_b", "Ab", "A-b"} << QStringList() << QStringList{"A-b", "Ab", "A_b"};
    QTest::newRow("cisla") << QStringList{"10", "2", "1a"} << QStringList() << QStringList{"10", "1a", "2"};
    QTest::newRow("skryta slozka") << QStringList{".skryta", "Snek"} << QStringList() << QStringList{".skryta", "Snek"};
    QTest::newRow("liší se velikostí") << QStringList{"snek", "Snek"} << QStringList() << QStringList{"Snek", "snek"};
}

void TestUlozistePopisu::seznamSifer()
{
    QFETCH(QStringList, slozky);
    QFETCH(QStringList, soubory);
    QFETCH(QStringList, seznam);
    QTemporaryDir docasna;
    QVERIFY(docasna.isValid());
    const QString uloziste = docasna.filePath("talvoPrehled");
    QVERIFY(QDir().mkpath(uloziste));
    for (const QString &s : slozky)
        QVERIFY(QDir(uloziste).mkdir(s));
    for (const QString &s : soubory) {
        QFile f(uloziste + '/' + s);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    // A file inside a description folder is not a description either.
    if (!slozky.isEmpty()) {
        QFile vnoreny(uloziste + '/' + slozky.first() + "/vnoreny");
        QVERIFY(vnoreny.open(QIODevice::WriteOnly));
    }
    QCOMPARE(SeznamSifer(uloziste), seznam);
    QCOMPARE(PocetSifer(uloziste), seznam.size());
}

void TestUlozistePopisu::chybejiciUlozisteJePrazdne()
{
    QTemporaryDir docasna;
    QVERIFY(docasna.isValid());
    const QString uloziste = docasna.filePath("neni");
    QVERIFY(SeznamSifer(uloziste).isEmpty());
    QCOMPARE(PocetSifer(uloziste), 0);
    QVERIFY(!QFileInfo::exists(uloziste));
    QVERIFY(SeznamSifer(QString()).isEmpty());
}

void TestUlozistePopisu::ulozisteJeSouborJePrazdne()
{
    QTemporaryDir docasna;
    QVERIFY(docasna.isValid());
    QFile f(docasna.filePath("talvoPrehled"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QVERIFY(SeznamSifer(f.fileName()).isEmpty());
    QCOMPARE(PocetSifer(f.fileName()), 0);
}

void TestUlozistePopisu::vychoziUlozisteJeVPracovniSlozce()
{
    QTemporaryDir docasna;
    QVERIFY(docasna.isValid());
    const QString puvodni = QDir::currentPath();
    QVERIFY(QDir::setCurrent(docasna.path()));
    const QStringList predem = SeznamSifer();
    QVERIFY(QDir().mkpath("talvoPrehled/Snek"));
    QVERIFY(QDir().mkpath("talvoPrehled/Morseovka"));
    const QStringList potom = SeznamSifer();
    const int pocet = PocetSifer();
    QVERIFY(QDir::setCurrent(puvodni));
    QVERIFY(predem.isEmpty());
    QCOMPARE(potom, (QStringList{"Morseovka", "Snek"}));
    QCOMPARE(pocet, 2);
}

void TestUlozistePopisu::souborPopisu_data()
{
    QTest::addColumn<SouborPopisu>("druh");
    QTest::addColumn<QString>("cesta");
    QTest::newRow("nadpis") << SouborPopisu::Nadpis << "talvoPrehled/Morseovka/Morseovka-nadpis.txt";
    QTest::newRow("popis") << SouborPopisu::Popis << "talvoPrehled/Morseovka/Morseovka-popis.txt";
    QTest::newRow("priklad") << SouborPopisu::Priklad << "talvoPrehled/Morseovka/Morseovka-priklad.txt";
    QTest::newRow("nadpis obrazku") << SouborPopisu::NadpisObrazku
                                    << "talvoPrehled/Morseovka/Morseovka-nadpisObrazku.txt";
    QTest::newRow("obrazek") << SouborPopisu::Obrazek << "talvoPrehled/Morseovka/Morseovka-obr.bmp";
    QTest::newRow("obrazek 1") << SouborPopisu::Obrazek1 << "talvoPrehled/Morseovka/Morseovka-obr1.bmp";
}

void TestUlozistePopisu::souborPopisu()
{
    QFETCH(SouborPopisu, druh);
    QFETCH(QString, cesta);
    QCOMPARE(::souborPopisu(SlozkaUloziste.toString(), "Morseovka", druh), cesta);
    QCOMPARE(slozkaPopisu(SlozkaUloziste.toString(), "Morseovka"), QStringLiteral("talvoPrehled/Morseovka"));
    QVERIFY(cesta.endsWith(priponaSouboru(druh)));
}

void TestUlozistePopisu::prazdnyNazevMiriDoUloziste()
{
    QCOMPARE(::souborPopisu("talvoPrehled", ::nazevSouboru(u"?!"), SouborPopisu::Nadpis),
             QStringLiteral("talvoPrehled/-nadpis.txt"));
    QCOMPARE(::souborPopisu("/tmp/u", QString(), SouborPopisu::Obrazek1), QStringLiteral("/tmp/u/-obr1.bmp"));
}

void TestUlozistePopisu::vytvorUloziste()
{
    QTemporaryDir docasna;
    QVERIFY(docasna.isValid());
    const QString uloziste = docasna.filePath("a/b/talvoPrehled");
    QString chyba;
    QVERIFY(::vytvorUloziste(uloziste, &chyba));
    QVERIFY(QFileInfo(uloziste).isDir());
    QVERIFY(chyba.isEmpty());
    QVERIFY(QDir(uloziste).mkdir("Snek"));
    QVERIFY(::vytvorUloziste(uloziste, &chyba));
    QCOMPARE(SeznamSifer(uloziste), QStringList{"Snek"});
}

void TestUlozistePopisu::vytvorUlozisteSelze_data()
{
    QTest::addColumn<QString>("relativni");
    QTest::newRow("na miste je soubor") << "soubor";
    QTest::newRow("rodic je soubor") << "soubor/talvoPrehled";
    QTest::newRow("prazdna cesta") << "";
}

void TestUlozistePopisu::vytvorUlozisteSelze()
{
    QFETCH(QString, relativni);
    QTemporaryDir docasna;
    QVERIFY(docasna.isValid());
    QFile soubor(docasna.filePath("soubor"));
    QVERIFY(soubor.open(QIODevice::WriteOnly));
    soubor.write("obsah");
    soubor.close();
    const QString cesta = relativni.isEmpty() ? QString() : docasna.filePath(relativni);
    QString chyba;
    QVERIFY(!::vytvorUloziste(cesta, &chyba));
    QVERIFY2(chyba.contains(u"nelze vytvořit"), qPrintable(chyba));
    QVERIFY2(chyba.contains(cesta), qPrintable(chyba));
    QVERIFY(QFileInfo(soubor.fileName()).isFile());
    QCOMPARE(QFileInfo(soubor.fileName()).size(), 5);
}

QTEST_GUILESS_MAIN(TestUlozistePopisu)
#include "tst_core_ulozistepopisu.moc"

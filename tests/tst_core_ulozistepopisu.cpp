// The description store: folder names from titles, the listing, paths and creating the store.
#include "descriptions/Ulozistepopisu.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestUlozistePopisu : public QObject
{
    Q_OBJECT
private slots:
    void nazevSouboru_data();
    void nazevSouboru();
    void seznamSifer_data();
    void seznamSifer();
    void souborPopisu_data();
    void souborPopisu();
    void vytvorUloziste_data();
    void vytvorUloziste();
};

void TestUlozistePopisu::nazevSouboru_data()
{
    QTest::addColumn<QString>("nadpis");
    QTest::addColumn<QString>("nazev");
    QTest::newRow("kolecko") << u"Šifrovací kolečko"_s << u"Sifrovacikolecko"_s;
    QTest::newRow("cislo a zavorky") << u"Šifra č. 5 (A-Z)"_s << u"Sifrac5A-Z"_s;
    QTest::newRow("velka pismena") << u"ŘÍZEK ŽLUŤOUČKÝ"_s << u"RIZEKZLUTOUCKY"_s;
    QTest::newRow("vsech 32 mazanych") << u":/?., !~`@#$%^&*\\|\"'<>§()ˇ°´¨;\n\r"_s << QString();
    QTest::newRow("prochazi") << u"a_b=c+[d]{e}-9"_s << u"a_b=c+[d]{e}-9"_s;
    QTest::newRow("mimo tabulku") << u"Straße ç"_s << u"Straßeç"_s;
    QTest::newRow("cesta nahoru") << u"../../etc/passwd"_s << u"etcpasswd"_s;
}

void TestUlozistePopisu::nazevSouboru()
{
    QFETCH(QString, nadpis);
    QFETCH(QString, nazev);
    QCOMPARE(::nazevSouboru(nadpis), nazev);
}

void TestUlozistePopisu::seznamSifer_data()
{
    // Space-separated names: folders and files made inside the store, and the listing expected.
    QTest::addColumn<QString>("slozky");
    QTest::addColumn<QString>("soubory");
    QTest::addColumn<QString>("seznam");
    QTest::newRow("prazdne") << u""_s << u""_s << u""_s;
    QTest::newRow("soubory se vynechaji")
        << u"Snek Morseovka"_s << u"Zzz.txt A.bmp Snek/vnoreny"_s << u"Morseovka Snek"_s;
    QTest::newRow("bez ohledu na velikost") << u"beta Alfa GAMA delta"_s << u""_s << u"Alfa beta delta GAMA"_s;
    // Accented capitals sort by their code after upper-casing, as NTFS lists them: after Z.
    QTest::newRow("s diakritikou") << u"Šnek čtverec Zebra morse Abeceda"_s << u""_s
                                   << u"Abeceda morse Zebra čtverec Šnek"_s;
    // Upper-case comparison puts "_" (0x5F) after every letter.
    QTest::newRow("podtrzitko") << u"A_b Ab A-b"_s << u""_s << u"A-b Ab A_b"_s;
    QTest::newRow("skryta slozka") << u".skryta Snek"_s << u""_s << u".skryta Snek"_s;
    QTest::newRow("lisi se velikosti") << u"snek Snek"_s << u""_s << u"Snek snek"_s;
}

void TestUlozistePopisu::seznamSifer()
{
    QFETCH(QString, slozky);
    QFETCH(QString, soubory);
    QFETCH(QString, seznam);
    // The store is made and listed by its default name, in a temporary working folder.
    QTemporaryDir docasna;
    const QString puvodni = QDir::currentPath();
    const auto zpet = qScopeGuard([&] { QDir::setCurrent(puvodni); });
    QVERIFY(docasna.isValid() && QDir::setCurrent(docasna.path()));
    QVERIFY(::vytvorUloziste());
    for (const QString &s : slozky.split(u' ', Qt::SkipEmptyParts))
        QVERIFY(QDir("talvoPrehled").mkdir(s));
    for (const QString &s : soubory.split(u' ', Qt::SkipEmptyParts)) {
        QFile f("talvoPrehled/" + s);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("x") == 1);
    }
    const QStringList ocekavany = seznam.split(u' ', Qt::SkipEmptyParts);
    QCOMPARE(SeznamSifer(), ocekavany);
    QCOMPARE(PocetSifer(), ocekavany.size());
}

void TestUlozistePopisu::souborPopisu_data()
{
    QTest::addColumn<QString>("nazev");
    QTest::addColumn<SouborPopisu>("druh");
    QTest::addColumn<QString>("cesta");
    const QString m = u"Morseovka"_s;
    const QString s = u"talvoPrehled/Morseovka/Morseovka"_s;
    QTest::newRow("nadpis") << m << SouborPopisu::Nadpis << s + "-nadpis.txt";
    QTest::newRow("popis") << m << SouborPopisu::Popis << s + "-popis.txt";
    QTest::newRow("priklad") << m << SouborPopisu::Priklad << s + "-priklad.txt";
    QTest::newRow("nadpis obrazku") << m << SouborPopisu::NadpisObrazku << s + "-nadpisObrazku.txt";
    QTest::newRow("obrazek") << m << SouborPopisu::Obrazek << s + "-obr.bmp";
    QTest::newRow("obrazek 1") << m << SouborPopisu::Obrazek1 << s + "-obr1.bmp";
    // A title made only of deleted characters names files right inside the store.
    QTest::newRow("prazdny nazev") << ::nazevSouboru(u"?!") << SouborPopisu::Nadpis << "talvoPrehled/-nadpis.txt";
}

void TestUlozistePopisu::souborPopisu()
{
    QFETCH(QString, nazev);
    QFETCH(SouborPopisu, druh);
    QFETCH(QString, cesta);
    QCOMPARE(::souborPopisu(SlozkaUloziste.toString(), nazev, druh), cesta);
    QVERIFY(cesta.endsWith(priponaSouboru(druh)));
    QCOMPARE(slozkaPopisu(SlozkaUloziste.toString(), "Snek"), u"talvoPrehled/Snek"_s);
}

void TestUlozistePopisu::vytvorUloziste_data()
{
    QTest::addColumn<QString>("relativni");
    QTest::addColumn<bool>("uspech");
    QTest::newRow("i s rodici") << u"a/b/talvoPrehled"_s << true;
    QTest::newRow("uz existuje") << u"stary"_s << true;
    QTest::newRow("na miste je soubor") << u"soubor"_s << false;
    QTest::newRow("rodic je soubor") << u"soubor/talvoPrehled"_s << false;
    QTest::newRow("prazdna cesta") << QString() << false;
}

void TestUlozistePopisu::vytvorUloziste()
{
    QFETCH(QString, relativni);
    QFETCH(bool, uspech);
    QTemporaryDir docasna;
    QVERIFY(docasna.isValid());
    QFile soubor(docasna.filePath("soubor"));
    QVERIFY(soubor.open(QIODevice::WriteOnly) && soubor.write("obsah") == 5);
    soubor.close();
    QVERIFY(QDir(docasna.path()).mkpath("stary/Snek"));
    const QString cesta = relativni.isEmpty() ? QString() : docasna.filePath(relativni);
    // Listing a store that is missing or a file gives nothing and creates nothing.
    const bool existuje = relativni == u"stary";
    QCOMPARE(PocetSifer(cesta), existuje ? 1 : 0);
    QCOMPARE(QFileInfo(cesta).isDir(), existuje);
    QString chyba;
    QCOMPARE(::vytvorUloziste(cesta, &chyba), uspech);
    if (uspech)
        QVERIFY(QFileInfo(cesta).isDir() && chyba.isEmpty());
    else
        QVERIFY2(chyba.contains(u"nelze vytvořit") && chyba.contains(cesta), qPrintable(chyba));
    // Nothing already there is changed.
    QCOMPARE(QFileInfo(soubor.fileName()).size(), 5);
    QCOMPARE(SeznamSifer(docasna.filePath("stary")), QStringList{"Snek"});
}

QTEST_GUILESS_MAIN(TestUlozistePopisu)
#include "tst_core_ulozistepopisu.moc"

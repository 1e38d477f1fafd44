// Mnemonics given to the captions of a menu or a window.
#include "text/Mnemoniky.h"

#include <QTest>

class TestMnemoniky : public QObject
{
    Q_OBJECT
private slots:
    void pridej_data();
    void pridej();
};

void TestMnemoniky::pridej_data()
{
    QTest::addColumn<QStringList>("texty");
    QTest::addColumn<QString>("obsazene");
    QTest::addColumn<QStringList>("vysledek");
    QTest::newRow("menu bar") << QStringList{"Soubor",        "Šifrování", "Cvičení šifrování",
                                             "Přehled šifer", "Nápověda",  "Okna"}
                              << "" << QStringList{"&Soubor",        "Š&ifrování", "&Cvičení šifrování",
                                                   "&Přehled šifer", "&Nápověda",  "&Okna"};
    QTest::newRow("second word, then any letter")
        << QStringList{"Morseovka", "Morseovka 1", "Morseovka – trénink"} << ""
        << QStringList{"&Morseovka", "Morseovka &1", "Morseovka – &trénink"};
    QTest::newRow("case does not matter")
        << QStringList{"Uložit", "uložit hru"} << "" << QStringList{"&Uložit", "uložit &hru"};
    QTest::newRow("kept, and taken first") << QStringList{"Tisk", "&Test"} << "" << QStringList{"T&isk", "&Test"};
    QTest::newRow("written ampersand") << QStringList{"&&b", "a&&b"} << "" << QStringList{"&&&b", "&a&&b"};
    QTest::newRow("accents last") << QStringList{"Šš", "Šx"} << "" << QStringList{"&Šš", "Š&x"};
    QTest::newRow("no free letter") << QStringList{"ab", "ba", "-"} << "" << QStringList{"&ab", "&ba", "-"};
    QTest::newRow("taken before") << QStringList{"Soubor"} << "so" << QStringList{"So&ubor"};
    QTest::newRow("own one taken before")
        << QStringList{"&CH jako", "Vytisknout &tabulku"} << "c" << QStringList{"CH &jako", "Vytisknout &tabulku"};
    QTest::newRow("same own one twice") << QStringList{"&Písmeno", "&Počet"} << "" << QStringList{"&Písmeno", "P&očet"};
}

void TestMnemoniky::pridej()
{
    QFETCH(QStringList, texty);
    QFETCH(QString, obsazene);
    QFETCH(QStringList, vysledek);
    QCOMPARE(PridejMnemoniky(texty, &obsazene), vysledek);
    // Every mnemonic given is another key.
    QStringList pismena;
    for (const QString &t : vysledek)
        if (const QChar c = MnemonikaTextu(t); !c.isNull())
            pismena << QString(c);
    pismena.removeDuplicates();
    QCOMPARE(pismena.size(), qsizetype(std::count_if(vysledek.begin(), vysledek.end(),
                                                     [](const QString &t) { return !MnemonikaTextu(t).isNull(); })));
}

QTEST_GUILESS_MAIN(TestMnemoniky)
#include "tst_core_mnemoniky.moc"

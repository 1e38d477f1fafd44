// The limits that keep a damaged store harmless: text files read only up to a cap (and cut between
// characters), folder names that stay one path component, menu captions of bounded length.
#include "descriptions/TextovySoubor.h"
#include "descriptions/Ulozistepopisu.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestOmezeni : public QObject
{
    Q_OBJECT
private slots:
    void cteniSLimitem_data();
    void cteniSLimitem();
    void nazevSlozky_data();
    void nazevSlozky();
    void titulekMenu_data();
    void titulekMenu();
};

void TestOmezeni::cteniSLimitem_data()
{
    QTest::addColumn<QByteArray>("bajty");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("zkraceno");
    QTest::newRow("below the cap") << QByteArray("abc") << 10 << u"abc"_s << false;
    QTest::newRow("exactly the cap") << QByteArray("abcd") << 4 << u"abcd"_s << false;
    QTest::newRow("no cap") << QByteArray("abcd") << -1 << u"abcd"_s << false;
    QTest::newRow("ASCII cut") << QByteArray("abcdef") << 4 << u"abcd"_s << true;
    QTest::newRow("Windows-1250 cut") << QByteArray("\x8Anek") << 2 << u"Šn"_s << true;
    // A UTF-8 character cut in two is left out; the text stays UTF-8 instead of turning into mojibake.
    QTest::newRow("UTF-8 character cut in two") << QByteArray("a\xC4\x8D\x62") << 2 << u"a"_s << true;
    QTest::newRow("UTF-8 four bytes cut after three")
        << QByteArray("x\xC4\x8D\xF0\x9F\x98\x80") << 6 << u"xč"_s << true;
    QTest::newRow("UTF-8 with a mark cut") << QByteArray("\xEF\xBB\xBF\xC4\x8D\xC4\x8D") << 6 << u"č"_s << true;
    QTest::newRow("UTF-16 cut at an odd byte") << QByteArray::fromHex("fffe0d016100") << 5 << u"č"_s << true;
    QTest::newRow("invalid UTF-8 stays Windows-1250") << QByteArray("\xC3\x28\xC4") << 2 << u"Ă("_s << true;
}

void TestOmezeni::cteniSLimitem()
{
    QFETCH(QByteArray, bajty);
    QFETCH(int, limit);
    QFETCH(QString, text);
    QFETCH(bool, zkraceno);
    QTemporaryDir slozka;
    QFile soubor(slozka.filePath(u"t.txt"_s));
    QVERIFY(soubor.open(QIODevice::WriteOnly) && soubor.write(bajty) == bajty.size());
    soubor.close();
    const auto precteny = PrectiText(soubor.fileName(), nullptr, limit);
    QVERIFY(precteny.has_value());
    QCOMPARE(precteny->text, text);
    QCOMPARE(precteny->zkraceno, zkraceno);
    QCOMPARE(precteny->velikost, bajty.size());
}

void TestOmezeni::nazevSlozky_data()
{
    QTest::addColumn<QString>("nadpis");
    QTest::addColumn<QString>("slozka");
    QTest::addColumn<QString>("chyba"); // a part of the refusal, or empty when the folder can be used
    QTest::newRow("ordinary title") << u"Šifra č. 5 (A-Z)"_s << u"Sifrac5A-Z"_s << QString();
    QTest::newRow("dots only: no . or ..") << u"..."_s << QString() << u"Zadejte název šifry"_s;
    QTest::newRow("separators removed") << u"a/b\\c"_s << u"abc"_s << QString();
    QTest::newRow("NUL cannot name a folder") << u"a\0b"_s << u"a\0b"_s << u"nelze použít jako název složky"_s;
    QTest::newRow("longest that fits") << QString(237, u'a') << QString(237, u'a') << QString();
    QTest::newRow("one byte too long") << QString(238, u'a') << QString(238, u'a') << u"256 bajtů"_s;
    QTest::newRow("counted in UTF-8 bytes") << QString(119, u'ž') << QString(119, u'z') << QString();
    QTest::newRow("letters outside the table take two bytes")
        << QString(119, u'ß') << QString(119, u'ß') << u"256 bajtů"_s;
}

void TestOmezeni::nazevSlozky()
{
    QFETCH(QString, nadpis);
    QFETCH(QString, slozka);
    QFETCH(QString, chyba);
    QCOMPARE(nazevSouboru(nadpis), slozka);
    QString zprava;
    QCOMPARE(JeNazevSlozky(slozka, &zprava), chyba.isEmpty());
    QVERIFY2(chyba.isEmpty() ? zprava.isEmpty() : zprava.contains(chyba), qPrintable(zprava));
    // Whatever can be saved can be read back; a name that is no single folder is never read.
    if (chyba.isEmpty())
        QVERIFY(JeSlozkaUloziste(slozka));
    for (const QString &spatna : {QString(), u"."_s, u".."_s, u"a/b"_s, u"\\"_s, u"a\0"_s})
        QVERIFY2(!JeSlozkaUloziste(spatna), qPrintable(spatna));
}

void TestOmezeni::titulekMenu_data()
{
    QTest::addColumn<QString>("nadpis");
    QTest::addColumn<bool>("zkraceno");
    QTest::addColumn<QString>("titulek");
    const QString dlouhy = QString(79, u'a') + u"\U0001F600"_s;
    QTest::newRow("spaces and line breaks removed") << u"Moje šifra\r\n"_s << false << u"Moješifra"_s;
    QTest::newRow("tab and control characters removed") << u"A\tB\u0001C\u2028"_s << false << u"ABC"_s;
    QTest::newRow("80 characters fit") << QString(80, u'x') << false << QString(80, u'x');
    QTest::newRow("81 characters are cut") << QString(81, u'x') << false << QString(80, u'x') + u'…';
    QTest::newRow("trailing blanks do not count") << QString(80, u'x') + u" \r\n"_s << false << QString(80, u'x');
    QTest::newRow("a cut file is marked") << u"Morse"_s << true << u"Morse…"_s;
    QTest::newRow("a pair of surrogates stays whole") << dlouhy + u'b' << false << dlouhy + u'…';
    QTest::newRow("nothing shown") << u" \r\n\t"_s << true << QString();
}

void TestOmezeni::titulekMenu()
{
    QFETCH(QString, nadpis);
    QFETCH(bool, zkraceno);
    QFETCH(QString, titulek);
    QCOMPARE(TitulekMenu(nadpis, zkraceno), titulek);
}

QTEST_GUILESS_MAIN(TestOmezeni)
#include "tst_core_omezeni.moc"

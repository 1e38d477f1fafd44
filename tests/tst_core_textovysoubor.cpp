// Text files: encoding detection on reading, the encoding chosen on writing, atomic writes and report lines.
#include "descriptions/TextovySoubor.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using K = Kodovani;
Q_DECLARE_METATYPE(K)
Q_DECLARE_METATYPE(std::optional<K>)

namespace {

// A buffer that takes a fixed number of bytes and then refuses, like a full disk.
class ZarizeniSLimitem : public QBuffer
{
public:
    explicit ZarizeniSLimitem(qint64 limit) : zbyva(limit) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }

protected:
    qint64 writeData(const char *data, qint64 delka) override
    {
        if (zbyva == 0)
            setErrorString(u"disk je plný"_s);
        delka = std::min(delka, zbyva);
        zbyva -= delka;
        return delka == 0 ? -1 : QBuffer::writeData(data, delka);
    }

private:
    qint64 zbyva;
};

QByteArray Obsah(const QString &cesta)
{
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<nelze otevřít>");
}

bool Zapis(const QString &cesta, const QByteArray &bajty)
{
    QFile f(cesta);
    return f.open(QIODevice::WriteOnly) && f.write(bajty) == bajty.size();
}

const std::optional<K> Zadne;
const QByteArray Bom8("\xEF\xBB\xBF");

} // namespace

class TestTextovySoubor : public QObject
{
    Q_OBJECT
private slots:
    void dekoduj_data();
    void dekoduj();
    void zakoduj_data();
    void zakoduj();
    void nahodneTextyTamAZpet();
    void kodovaStranka1250();
    void selhani_data();
    void selhani();
    void plneZarizeni_data();
    void plneZarizeni();
    void radky_data();
    void radky();
};

void TestTextovySoubor::dekoduj_data()
{
    QTest::addColumn<QByteArray>("bajty");
    QTest::addColumn<QString>("text");
    QTest::addColumn<K>("kodovani");
    QTest::newRow("prazdny") << QByteArray() << QString() << K::Windows1250;
    QTest::newRow("ascii CR LF") << QByteArray("a\r\nb\r\n") << u"a\r\nb\r\n"_s << K::Windows1250;
    QTest::newRow("1250") << QByteArray::fromHex("e89af89ef9c88ad88ed9808493") << u"čšřžůČŠŘŽŮ€„“"_s << K::Windows1250;
    QTest::newRow("neplatne utf8") << QByteArray::fromHex("c328") << u"Ă("_s << K::Windows1250;
    QTest::newRow("utf8 utnute") << QByteArray("ab\xC5") << u"abĹ"_s << K::Windows1250;
    QTest::newRow("utf8 bez znacky") << QByteArray("\xC4\x8D\x61") << u"ča"_s << K::Utf8;
    QTest::newRow("utf8 se znackou") << Bom8 + "\xC5\xA1nek\r\n" << u"šnek\r\n"_s << K::Utf8Bom;
    QTest::newRow("druha FEFF zustane") << Bom8 + Bom8 + "x" << u"\uFEFFx"_s << K::Utf8Bom;
    QTest::newRow("utf16le CR LF") << QByteArray::fromHex("fffe0d0161000d000a00") << u"ča\r\n"_s << K::Utf16LeBom;
    QTest::newRow("utf16be") << QByteArray::fromHex("feff010d0061") << u"ča"_s << K::Utf16BeBom;
}

void TestTextovySoubor::dekoduj()
{
    QFETCH(QByteArray, bajty);
    QFETCH(QString, text);
    QFETCH(K, kodovani);
    const PrectenyText precteno = DekodujText(bajty);
    QCOMPARE(precteno.text, text);
    QCOMPARE(precteno.kodovani, kodovani);
}

void TestTextovySoubor::zakoduj_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<K>>("puvodni");
    QTest::addColumn<QByteArray>("bajty");
    QTest::addColumn<K>("pouzite");
    QTest::newRow("prazdny") << QString() << Zadne << QByteArray() << K::Windows1250;
    QTest::newRow("cesky 1250") << u"čšřžů €"_s << Zadne << QByteArray::fromHex("e89af89ef92080") << K::Windows1250;
    QTest::newRow("CR LF beze zmeny") << u"a\r\nb\nc\r"_s << Zadne << QByteArray("a\r\nb\nc\r") << K::Windows1250;
    QTest::newRow("nekonecno neni v 1250") << u"x∞\r\n"_s << Zadne << Bom8 + "x\xE2\x88\x9E\r\n" << K::Utf8Bom;
    QTest::newRow("azbuka z 1250 souboru")
        << u"Ж"_s << std::optional(K::Windows1250) << Bom8 + "\xD0\x96" << K::Utf8Bom;
    // "Ăˇ" is C3 A1 in Windows-1250, which would read back as UTF-8 "á".
    QTest::newRow("1250 vypada jako utf8") << u"Ăˇ"_s << Zadne << Bom8 + "\xC4\x82\xCB\x87" << K::Utf8Bom;
    QTest::newRow("utf8 zustane bez znacky") << u"čj"_s << std::optional(K::Utf8) << QByteArray("\xC4\x8Dj") << K::Utf8;
    QTest::newRow("utf8 s FEFF na zacatku")
        << u"\uFEFFa"_s << std::optional(K::Utf8) << Bom8 + Bom8 + "a" << K::Utf8Bom;
    QTest::newRow("utf8 se znackou") << u"šnek"_s << std::optional(K::Utf8Bom) << Bom8 + "\xC5\xA1nek" << K::Utf8Bom;
    QTest::newRow("utf16le") << u"ča"_s << std::optional(K::Utf16LeBom) << QByteArray::fromHex("fffe0d016100")
                             << K::Utf16LeBom;
    QTest::newRow("utf16be ascii zustane")
        << u"a"_s << std::optional(K::Utf16BeBom) << QByteArray::fromHex("feff0061") << K::Utf16BeBom;
}

void TestTextovySoubor::zakoduj()
{
    QFETCH(QString, text);
    QFETCH(std::optional<K>, puvodni);
    QFETCH(QByteArray, bajty);
    QFETCH(K, pouzite);
    K skutecne = K::Utf16BeBom;
    QCOMPARE(ZakodujText(text, puvodni, &skutecne), bajty);
    QCOMPARE(skutecne, pouzite);
    // Through a file that held a longer text: the same bytes replace it whole and read back as the same text.
    QTemporaryDir docasna;
    const QString cesta = docasna.filePath("Snek-popis.txt");
    QVERIFY(docasna.isValid() && Zapis(cesta, QByteArray(100, 'x')));
    QString chyba;
    skutecne = K::Utf16BeBom;
    QVERIFY2(ZapisText(cesta, text, &chyba, puvodni, &skutecne), qPrintable(chyba));
    QVERIFY(chyba.isEmpty() && skutecne == pouzite);
    QCOMPARE(Obsah(cesta), bajty);
    const auto zpet = PrectiText(cesta, &chyba);
    QVERIFY2(zpet.has_value(), qPrintable(chyba));
    QCOMPARE(zpet->text, text);
    QCOMPARE(zpet->kodovani, pouzite);
    // Writing it back as read changes no byte.
    QCOMPARE(ZakodujText(zpet->text, zpet->kodovani), bajty);
}

void TestTextovySoubor::nahodneTextyTamAZpet()
{
    const QString znaky = u"abcXYZ09 .,\r\n\tčšřžůýáíéěďťňÚŮ€„“–\uFEFF∞ñЖĂˇ\u0081"_s;
    QRandomGenerator nahoda(20240611);
    for (int i = 0; i < 2000; ++i) {
        QString text;
        for (int j = int(nahoda.bounded(12)); j > 0; --j)
            text += nahoda.bounded(20) == 0 ? u"\U0001F600"_s : QString(znaky.at(nahoda.bounded(int(znaky.size()))));
        for (K k : {K::Windows1250, K::Utf8, K::Utf8Bom, K::Utf16LeBom, K::Utf16BeBom}) {
            K pouzite = K::Windows1250;
            const PrectenyText zpet = DekodujText(ZakodujText(text, k, &pouzite));
            QVERIFY2(zpet.text == text, qPrintable(u"%1 / %2"_s.arg(text).arg(int(k))));
            // The encoding read is the one written, except ASCII-only bytes, which read as 1250.
            if (!(pouzite == K::Utf8 && zpet.kodovani == K::Windows1250))
                QCOMPARE(zpet.kodovani, pouzite);
            // The only change of encoding is to UTF-8 with a mark, from an encoding without one.
            if (pouzite != k)
                QVERIFY(pouzite == K::Utf8Bom && (k == K::Windows1250 || k == K::Utf8));
        }
    }
}

void TestTextovySoubor::kodovaStranka1250()
{
    // The bytes 0x80-0xFF read as 128 distinct characters of the code page and write back as themselves.
    QByteArray bajty;
    for (int b = 0x80; b <= 0xFF; ++b)
        bajty.append(char(b));
    const PrectenyText precteno = DekodujText(bajty);
    QCOMPARE(precteno.kodovani, K::Windows1250);
    QCOMPARE(QSet<QChar>(precteno.text.begin(), precteno.text.end()).size(), 128);
    QVERIFY(std::all_of(precteno.text.begin(), precteno.text.end(), [](QChar c) { return c.unicode() >= 0x80; }));
    K pouzite = K::Utf8;
    QCOMPARE(ZakodujText(precteno.text, std::nullopt, &pouzite), bajty);
    QCOMPARE(pouzite, K::Windows1250);
    QVERIFY(JeVeWindows1250(precteno.text + u"Zz09\r\n"_s) && JeVeWindows1250(QString()));
    for (const QString &mimo : {u"a∞"_s, u"ñ"_s, u"Ж"_s, u"\U0001F600"_s})
        QVERIFY2(!JeVeWindows1250(mimo), qPrintable(mimo));
}

void TestTextovySoubor::selhani_data()
{
    QTest::addColumn<bool>("zapis");
    QTest::addColumn<QString>("relativni");
    QTest::newRow("cteni: chybi") << false << u"neni.txt"_s;
    QTest::newRow("cteni: slozka") << false << u"slozka"_s;
    QTest::newRow("cteni: rodic je soubor") << false << u"stary.txt/x.txt"_s;
    QTest::newRow("zapis: rodic je soubor") << true << u"stary.txt/novy.txt"_s;
    QTest::newRow("zapis: cil je slozka") << true << u"slozka"_s;
    QTest::newRow("zapis: chybi slozka") << true << u"neni/novy.txt"_s;
}

void TestTextovySoubor::selhani()
{
    QFETCH(bool, zapis);
    QFETCH(QString, relativni);
    QTemporaryDir docasna;
    QVERIFY(docasna.isValid());
    const QByteArray stary("puvodni\r\nobsah");
    QVERIFY(Zapis(docasna.filePath("stary.txt"), stary));
    QVERIFY(QDir(docasna.path()).mkdir("slozka"));
    QVERIFY(Zapis(docasna.filePath("slozka/uvnitr.txt"), "u"));
    const QString cesta = docasna.filePath(relativni);
    QString chyba;
    if (zapis) {
        QVERIFY(!ZapisText(cesta, u"nový text"_s, &chyba));
        QVERIFY(!ZapisRadky(cesta, {u"a"_s}));
    } else {
        QVERIFY(!PrectiText(cesta, &chyba).has_value());
        QVERIFY(!PrectiText(cesta).has_value());
    }
    // The message names the file and gives a reason.
    const QString zacatek = u"Soubor %1 nelze %2: "_s.arg(cesta, zapis ? u"uložit"_s : u"přečíst"_s);
    QVERIFY2(chyba.startsWith(zacatek) && chyba.size() > zacatek.size(), qPrintable(chyba));
    // Old files stay as they were and nothing half-written is left next to them.
    QCOMPARE(Obsah(docasna.filePath("stary.txt")), stary);
    QCOMPARE(Obsah(docasna.filePath("slozka/uvnitr.txt")), QByteArray("u"));
    QCOMPARE(QDir(docasna.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             (QStringList{"slozka", "stary.txt"}));
}

void TestTextovySoubor::plneZarizeni_data()
{
    QTest::addColumn<int>("limit");
    QTest::newRow("nic") << 0;
    QTest::newRow("polovina") << 5;
    QTest::newRow("o jeden mene") << 9;
    QTest::newRow("presne") << 10;
}

void TestTextovySoubor::plneZarizeni()
{
    // The writer fills a device that takes limit bytes and then fails like a full disk.
    QFETCH(int, limit);
    QTemporaryDir docasna;
    const QString cesta = docasna.filePath("Snek-popis.txt");
    const QByteArray stary("Star\xFD popis\r\n");
    QVERIFY(docasna.isValid() && Zapis(cesta, stary));
    const QByteArray novy("0123456789");
    ZarizeniSLimitem plny(limit);
    const auto zapisovac = [&](QIODevice &soubor, QString *duvod) {
        const bool ok = ZapisBajty(plny, novy, duvod);
        soubor.write(plny.data());
        return ok;
    };
    QString chyba;
    const bool uspech = limit >= novy.size();
    QCOMPARE(ZapisSouborPres(cesta, zapisovac, &chyba), uspech);
    QCOMPARE(plny.data(), novy.left(limit));
    QCOMPARE(Obsah(cesta), uspech ? novy : stary);
    QCOMPARE(QDir(docasna.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Snek-popis.txt"});
    if (uspech)
        QVERIFY(chyba.isEmpty());
    else
        QVERIFY2(chyba.startsWith(u"Soubor %1 nelze uložit: zapsáno jen %2 z 10 bajtů"_s.arg(cesta).arg(limit)) &&
                     chyba.contains(u"disk je plný"),
                 qPrintable(chyba));
}

void TestTextovySoubor::radky_data()
{
    QTest::addColumn<QStringList>("radky");
    QTest::addColumn<QString>("text");
    QTest::newRow("zadne") << QStringList() << QString();
    QTest::newRow("dva") << QStringList{"Zdrojový text:", "ahoj"} << u"Zdrojový text:\r\nahoj\r\n"_s;
    QTest::newRow("prazdny radek") << QStringList{""} << u"\r\n"_s;
    QTest::newRow("memo s CR LF") << QStringList{"x", "a\r\nb", "y"} << u"x\r\na\r\nb\r\ny\r\n"_s;
    QTest::newRow("memo s LF a CR") << QStringList{"a\nb", "c\rd"} << u"a\r\nb\r\nc\r\nd\r\n"_s;
    QTest::newRow("LF CR jsou dva konce") << QStringList{"a\n\rb"} << u"a\r\n\r\nb\r\n"_s;
    QTest::newRow("konec radku na konci memo") << QStringList{"a\r\n"} << u"a\r\n\r\n"_s;
    QTest::newRow("mimo 1250") << QStringList{"∞"} << u"∞\r\n"_s;
}

void TestTextovySoubor::radky()
{
    QFETCH(QStringList, radky);
    QFETCH(QString, text);
    QCOMPARE(TextRadku(radky), text);
    // A report file holds exactly those lines, encoded as any other text.
    QTemporaryDir docasna;
    QVERIFY(docasna.isValid());
    QString chyba;
    QVERIFY2(ZapisRadky(docasna.filePath("zprava.txt"), radky, &chyba), qPrintable(chyba));
    QCOMPARE(Obsah(docasna.filePath("zprava.txt")), ZakodujText(text, std::nullopt));
}

QTEST_GUILESS_MAIN(TestTextovySoubor)
#include "tst_core_textovysoubor.moc"

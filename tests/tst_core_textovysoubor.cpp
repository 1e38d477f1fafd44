// Text files: encoding detection on reading, the encoding chosen on writing, atomic writes and report lines.
#include "descriptions/TextovySoubor.h"

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(Kodovani)
Q_DECLARE_METATYPE(std::optional<Kodovani>)

namespace {

// A device that accepts a fixed number of bytes and then refuses, like a full disk.
class ZarizeniSLimitem : public QIODevice
{
public:
    explicit ZarizeniSLimitem(qint64 limit) : zbyva(limit) {}
    QByteArray prijato;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 delka) override
    {
        if (zbyva == 0) {
            setErrorString(QStringLiteral("disk je plný"));
            return -1;
        }
        const qint64 kus = std::min(delka, zbyva);
        prijato.append(data, kus);
        zbyva -= kus;
        return kus;
    }

private:
    qint64 zbyva;
};

QByteArray Bajty(std::initializer_list<int> hodnoty)
{
    QByteArray b;
    for (int h : hodnoty)
        b.append(char(h));
    return b;
}

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

const QList<Kodovani> VsechnaKodovani{Kodovani::Windows1250, Kodovani::Utf8, Kodovani::Utf8Bom, Kodovani::Utf16LeBom,
                                      Kodovani::Utf16BeBom};

} // namespace

class TestTextovySoubor : public QObject
{
    Q_OBJECT
private slots:
    void dekoduj_data();
    void dekoduj();
    void zakoduj_data();
    void zakoduj();
    void tamAZpetPresSoubor_data();
    void tamAZpetPresSoubor();
    void nahodneTextyTamAZpet();
    void jeVeWindows1250_data();
    void jeVeWindows1250();
    void vsechnyHorniBajty1250();
    void precteniSelze_data();
    void precteniSelze();
    void zapisSelze_data();
    void zapisSelze();
    void zarizeniSelzePoNBajtech_data();
    void zarizeniSelzePoNBajtech();
    void prerusenyZapisNechaStaryObsah();
    void zapisPrepiseCelySoubor();
    void textRadku_data();
    void textRadku();
    void zapisRadku();
};

void TestTextovySoubor::dekoduj_data()
{
    QTest::addColumn<QByteArray>("bajty");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Kodovani>("kodovani");
    QTest::newRow("prazdny") << QByteArray() << QString() << Kodovani::Windows1250;
    QTest::newRow("ascii") << QByteArray("Morse") << QStringLiteral("Morse") << Kodovani::Windows1250;
    QTest::newRow("ascii CR LF") << QByteArray("a\r\nb\r\n") << QStringLiteral("a\r\nb\r\n") << Kodovani::Windows1250;
    QTest::newRow("1250 cszru") << Bajty({0xE8, 0x9A, 0xF8, 0x9E, 0xF9}) << QStringLiteral("čšřžů")
                                << Kodovani::Windows1250;
    QTest::newRow("1250 velka") << Bajty({0xC8, 0x8A, 0xD8, 0x8E, 0xD9}) << QStringLiteral("ČŠŘŽŮ")
                                << Kodovani::Windows1250;
    QTest::newRow("1250 euro a uvozovky")
        << Bajty({0x80, 0x84, 0x93}) << QStringLiteral("€„“") << Kodovani::Windows1250;
    QTest::newRow("neplatne utf8") << Bajty({0xC3, 0x28}) << QStringLiteral("Ă(") << Kodovani::Windows1250;
    QTest::newRow("utf8 utnute") << QByteArray("ab\xC5") << QStringLiteral("abĹ") << Kodovani::Windows1250;
    QTest::newRow("utf8 bez znacky") << QByteArray("\xC4\x8D\x61") << QStringLiteral("ča") << Kodovani::Utf8;
    QTest::newRow("utf8 se znackou") << QByteArray("\xEF\xBB\xBF\xC5\xA1nek") << QStringLiteral("šnek")
                                     << Kodovani::Utf8Bom;
    QTest::newRow("jen znacka utf8") << QByteArray("\xEF\xBB\xBF") << QString() << Kodovani::Utf8Bom;
    QTest::newRow("znacka utf8 a ascii") << QByteArray("\xEF\xBB\xBFok\r\n") << QStringLiteral("ok\r\n")
                                         << Kodovani::Utf8Bom;
    QTest::newRow("druha FEFF zustane") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx") << QStringLiteral("\uFEFFx")
                                        << Kodovani::Utf8Bom;
    QTest::newRow("utf16le") << Bajty({0xFF, 0xFE, 0x0D, 0x01, 0x61, 0x00}) << QStringLiteral("ča")
                             << Kodovani::Utf16LeBom;
    QTest::newRow("utf16be") << Bajty({0xFE, 0xFF, 0x01, 0x0D, 0x00, 0x61}) << QStringLiteral("ča")
                             << Kodovani::Utf16BeBom;
    QTest::newRow("jen znacka utf16le") << Bajty({0xFF, 0xFE}) << QString() << Kodovani::Utf16LeBom;
    QTest::newRow("utf16le mimo rovinu") << Bajty({0xFF, 0xFE, 0x3D, 0xD8, 0x00, 0xDE}) << QStringLiteral("\U0001F600")
                                         << Kodovani::Utf16LeBom;
    QTest::newRow("utf16le CR LF") << Bajty({0xFF, 0xFE, 0x0D, 0x00, 0x0A, 0x00}) << QStringLiteral("\r\n")
                                   << Kodovani::Utf16LeBom;
}

void TestTextovySoubor::dekoduj()
{
    QFETCH(QByteArray, bajty);
    QFETCH(QString, text);
    QFETCH(Kodovani, kodovani);
    const PrectenyText precteno = DekodujText(bajty);
    QCOMPARE(precteno.text, text);
    QCOMPARE(precteno.kodovani, kodovani);
}

void TestTextovySoubor::zakoduj_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<Kodovani>>("puvodni");
    QTest::addColumn<QByteArray>("bajty");
    QTest::addColumn<Kodovani>("pouzite");
    const std::optional<Kodovani> zadne;
    QTest::newRow("prazdny") << QString() << zadne << QByteArray() << Kodovani::Windows1250;
    QTest::newRow("ascii") << QStringLiteral("ahoj") << zadne << QByteArray("ahoj") << Kodovani::Windows1250;
    QTest::newRow("cesky 1250") << QStringLiteral("čšřžů") << zadne << Bajty({0xE8, 0x9A, 0xF8, 0x9E, 0xF9})
                                << Kodovani::Windows1250;
    QTest::newRow("euro je v 1250") << QStringLiteral("5 €") << zadne << QByteArray("5 \x80") << Kodovani::Windows1250;
    QTest::newRow("CR LF beze zmeny") << QStringLiteral("a\r\nb\nc\r") << zadne << QByteArray("a\r\nb\nc\r")
                                      << Kodovani::Windows1250;
    QTest::newRow("nekonecno neni v 1250")
        << QStringLiteral("x∞") << zadne << QByteArray("\xEF\xBB\xBFx\xE2\x88\x9E") << Kodovani::Utf8Bom;
    QTest::newRow("enje neni v 1250") << QStringLiteral("año") << zadne
                                      << QByteArray("\xEF\xBB\xBF"
                                                    "a\xC3\xB1o")
                                      << Kodovani::Utf8Bom;
    QTest::newRow("azbuka z 1250 souboru") << QStringLiteral("Ж") << std::optional(Kodovani::Windows1250)
                                           << QByteArray("\xEF\xBB\xBF\xD0\x96") << Kodovani::Utf8Bom;
    // "Ăˇ" is C3 A1 in Windows-1250, which would read back as UTF-8 "á".
    QTest::newRow("1250 vypada jako utf8")
        << QStringLiteral("Ăˇ") << zadne << QByteArray("\xEF\xBB\xBF\xC4\x82\xCB\x87") << Kodovani::Utf8Bom;
    QTest::newRow("utf8 zustane bez znacky")
        << QStringLiteral("čj") << std::optional(Kodovani::Utf8) << QByteArray("\xC4\x8Dj") << Kodovani::Utf8;
    QTest::newRow("utf8 s FEFF na zacatku") << QStringLiteral("\uFEFFa") << std::optional(Kodovani::Utf8)
                                            << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF"
                                                          "a")
                                            << Kodovani::Utf8Bom;
    QTest::newRow("utf8 se znackou") << QStringLiteral("ok") << std::optional(Kodovani::Utf8Bom)
                                     << QByteArray("\xEF\xBB\xBFok") << Kodovani::Utf8Bom;
    QTest::newRow("prazdny utf8 se znackou")
        << QString() << std::optional(Kodovani::Utf8Bom) << QByteArray("\xEF\xBB\xBF") << Kodovani::Utf8Bom;
    QTest::newRow("utf16le") << QStringLiteral("ča") << std::optional(Kodovani::Utf16LeBom)
                             << Bajty({0xFF, 0xFE, 0x0D, 0x01, 0x61, 0x00}) << Kodovani::Utf16LeBom;
    QTest::newRow("utf16be") << QStringLiteral("ča") << std::optional(Kodovani::Utf16BeBom)
                             << Bajty({0xFE, 0xFF, 0x01, 0x0D, 0x00, 0x61}) << Kodovani::Utf16BeBom;
    QTest::newRow("utf16le ascii zustane utf16") << QStringLiteral("a") << std::optional(Kodovani::Utf16LeBom)
                                                 << Bajty({0xFF, 0xFE, 0x61, 0x00}) << Kodovani::Utf16LeBom;
}

void TestTextovySoubor::zakoduj()
{
    QFETCH(QString, text);
    QFETCH(std::optional<Kodovani>, puvodni);
    QFETCH(QByteArray, bajty);
    QFETCH(Kodovani, pouzite);
    Kodovani skutecne = Kodovani::Utf16BeBom;
    QCOMPARE(ZakodujText(text, puvodni, &skutecne), bajty);
    QCOMPARE(skutecne, pouzite);
    QCOMPARE(DekodujText(bajty).text, text);
}

void TestTextovySoubor::tamAZpetPresSoubor_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Kodovani>("kodovani");
    QTest::addColumn<Kodovani>("precteno");
    const QString cesky = QStringLiteral("Šifrovací kolečko\r\nŘ ž ů ď ť ň\r\n");
    QTest::newRow("1250") << cesky << Kodovani::Windows1250 << Kodovani::Windows1250;
    QTest::newRow("utf8") << cesky << Kodovani::Utf8 << Kodovani::Utf8;
    QTest::newRow("utf8 se znackou") << cesky << Kodovani::Utf8Bom << Kodovani::Utf8Bom;
    QTest::newRow("utf16le") << cesky << Kodovani::Utf16LeBom << Kodovani::Utf16LeBom;
    QTest::newRow("utf16be") << cesky << Kodovani::Utf16BeBom << Kodovani::Utf16BeBom;
    QTest::newRow("ascii v utf8 se cte jako 1250") << QStringLiteral("abc") << Kodovani::Utf8 << Kodovani::Windows1250;
    QTest::newRow("prazdny 1250") << QString() << Kodovani::Windows1250 << Kodovani::Windows1250;
    QTest::newRow("prazdny utf16be") << QString() << Kodovani::Utf16BeBom << Kodovani::Utf16BeBom;
    QTest::newRow("znak mimo 1250") << QStringLiteral("α∞") << Kodovani::Windows1250 << Kodovani::Utf8Bom;
    QTest::newRow("mimo rovinu v utf16be")
        << QStringLiteral("\U0001F600 ok") << Kodovani::Utf16BeBom << Kodovani::Utf16BeBom;
}

void TestTextovySoubor::tamAZpetPresSoubor()
{
    QFETCH(QString, text);
    QFETCH(Kodovani, kodovani);
    QFETCH(Kodovani, precteno);
    QTemporaryDir docasna;
    QVERIFY(docasna.isValid());
    const QString cesta = docasna.filePath("Snek-popis.txt");
    QString chyba;
    Kodovani zapsano = Kodovani::Windows1250;
    QVERIFY2(ZapisText(cesta, text, &chyba, kodovani, &zapsano), qPrintable(chyba));
    QCOMPARE(zapsano == Kodovani::Utf8Bom, precteno == Kodovani::Utf8Bom);
    const auto zpet = PrectiText(cesta, &chyba);
    QVERIFY2(zpet.has_value(), qPrintable(chyba));
    QCOMPARE(zpet->text, text);
    QCOMPARE(zpet->kodovani, precteno);
    // Writing it back as read changes no byte.
    const QByteArray prvni = Obsah(cesta);
    QVERIFY(ZapisText(cesta, zpet->text, &chyba, zpet->kodovani));
    QCOMPARE(Obsah(cesta), prvni);
}

void TestTextovySoubor::nahodneTextyTamAZpet()
{
    const QString znaky = QStringLiteral("abcXYZ09 .,\r\n\tčšřžůýáíéěďťňÚŮ€„“–\uFEFF∞ñЖĂˇ\u0081");
    QRandomGenerator nahoda(20240611);
    for (int i = 0; i < 2000; ++i) {
        QString text;
        const int delka = int(nahoda.bounded(12));
        for (int j = 0; j < delka; ++j) {
            if (nahoda.bounded(20) == 0)
                text += QStringLiteral("\U0001F600");
            else
                text += znaky.at(nahoda.bounded(int(znaky.size())));
        }
        for (Kodovani k : VsechnaKodovani) {
            Kodovani pouzite = Kodovani::Windows1250;
            const QByteArray bajty = ZakodujText(text, k, &pouzite);
            const PrectenyText zpet = DekodujText(bajty);
            QVERIFY2(zpet.text == text, qPrintable(QStringLiteral("%1 / %2").arg(text).arg(int(k))));
            // The encoding reported on reading is the one written, except ASCII-only bytes, which read as 1250.
            if (!(pouzite == Kodovani::Utf8 && zpet.kodovani == Kodovani::Windows1250))
                QCOMPARE(zpet.kodovani, pouzite);
            // The only change of encoding is to UTF-8 with a mark, from an encoding without one.
            if (pouzite != k)
                QVERIFY(pouzite == Kodovani::Utf8Bom && (k == Kodovani::Windows1250 || k == Kodovani::Utf8));
        }
    }
}

void TestTextovySoubor::jeVeWindows1250_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ano");
    QTest::newRow("prazdny") << QString() << true;
    QTest::newRow("cesky") << QStringLiteral("ÁáČčĎďÉéĚěÍíŇňÓóŘřŠšŤťÚúŮůÝýŽž") << true;
    QTest::newRow("polsky a madarsky") << QStringLiteral("łŁőű") << true;
    QTest::newRow("euro a pomlcka") << QStringLiteral("€–") << true;
    QTest::newRow("nekonecno") << QStringLiteral("a∞") << false;
    QTest::newRow("enje") << QStringLiteral("ñ") << false;
    QTest::newRow("azbuka") << QStringLiteral("Ж") << false;
    QTest::newRow("mimo rovinu") << QStringLiteral("\U0001F600") << false;
}

void TestTextovySoubor::jeVeWindows1250()
{
    QFETCH(QString, text);
    QFETCH(bool, ano);
    QCOMPARE(JeVeWindows1250(text), ano);
}

void TestTextovySoubor::vsechnyHorniBajty1250()
{
    QSet<QChar> videne;
    for (int b = 0x80; b <= 0xFF; ++b) {
        const QByteArray bajt(1, char(b));
        const PrectenyText precteno = DekodujText(bajt);
        QCOMPARE(precteno.kodovani, Kodovani::Windows1250);
        QCOMPARE(precteno.text.size(), 1);
        QVERIFY2(precteno.text.at(0).unicode() >= 0x80, qPrintable(QString::number(b, 16)));
        videne.insert(precteno.text.at(0));
        Kodovani pouzite = Kodovani::Utf8;
        QCOMPARE(ZakodujText(precteno.text, std::nullopt, &pouzite), bajt);
        QCOMPARE(pouzite, Kodovani::Windows1250);
    }
    QCOMPARE(videne.size(), 128);
}

void TestTextovySoubor::precteniSelze_data()
{
    QTest::addColumn<QString>("relativni");
    QTest::newRow("chybi") << "neni.txt";
    QTest::newRow("slozka") << "slozka";
    QTest::newRow("rodic je soubor") << "soubor.txt/x.txt";
}

void TestTextovySoubor::precteniSelze()
{
    QFETCH(QString, relativni);
    QTemporaryDir docasna;
    QVERIFY(docasna.isValid());
    QVERIFY(QDir(docasna.path()).mkdir("slozka"));
    QVERIFY(Zapis(docasna.filePath("soubor.txt"), "x"));
    const QString cesta = docasna.filePath(relativni);
    QString chyba;
    QVERIFY(!PrectiText(cesta, &chyba).has_value());
    QVERIFY2(chyba.startsWith(QStringLiteral("Soubor %1 nelze přečíst: ").arg(cesta)), qPrintable(chyba));
    QVERIFY(!PrectiText(cesta).has_value());
}

void TestTextovySoubor::zapisSelze_data()
{
    QTest::addColumn<QString>("relativni");
    QTest::newRow("rodic je soubor") << "stary.txt/novy.txt";
    QTest::newRow("cil je slozka") << "slozka";
    QTest::newRow("chybi slozka") << "neni/novy.txt";
}

void TestTextovySoubor::zapisSelze()
{
    QFETCH(QString, relativni);
    QTemporaryDir docasna;
    QVERIFY(docasna.isValid());
    const QByteArray stary("puvodni\r\nobsah");
    QVERIFY(Zapis(docasna.filePath("stary.txt"), stary));
    QVERIFY(QDir(docasna.path()).mkdir("slozka"));
    QVERIFY(Zapis(docasna.filePath("slozka/uvnitr.txt"), "u"));
    const QString cesta = docasna.filePath(relativni);
    QString chyba;
    QVERIFY(!ZapisText(cesta, QStringLiteral("nový text"), &chyba));
    QVERIFY2(chyba.startsWith(QStringLiteral("Soubor %1 nelze uložit: ").arg(cesta)), qPrintable(chyba));
    QVERIFY2(chyba.size() > QStringLiteral("Soubor %1 nelze uložit: ").arg(cesta).size(), qPrintable(chyba));
    QCOMPARE(Obsah(docasna.filePath("stary.txt")), stary);
    QVERIFY(QFileInfo(docasna.filePath("slozka")).isDir());
    QCOMPARE(Obsah(docasna.filePath("slozka/uvnitr.txt")), QByteArray("u"));
    QVERIFY(!ZapisRadky(cesta, {QStringLiteral("a")}));
    // Nothing half-written is left behind next to the files.
    QCOMPARE(QDir(docasna.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             (QStringList{"slozka", "stary.txt"}));
}

void TestTextovySoubor::zarizeniSelzePoNBajtech_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<bool>("uspech");
    QTest::newRow("nic") << 0 << false;
    QTest::newRow("tri bajty") << 3 << false;
    QTest::newRow("o jeden mene") << 9 << false;
    QTest::newRow("presne") << 10 << true;
    QTest::newRow("vic") << 100 << true;
}

void TestTextovySoubor::zarizeniSelzePoNBajtech()
{
    QFETCH(int, limit);
    QFETCH(bool, uspech);
    const QByteArray data("0123456789");
    ZarizeniSLimitem zarizeni(limit);
    QVERIFY(zarizeni.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    QString chyba;
    QCOMPARE(ZapisBajty(zarizeni, data, &chyba), uspech);
    QCOMPARE(zarizeni.prijato, data.left(limit));
    if (uspech) {
        QVERIFY(chyba.isEmpty());
    } else {
        QVERIFY2(chyba.contains(QStringLiteral("zapsáno jen %1 z 10 bajtů").arg(limit)), qPrintable(chyba));
        QVERIFY2(chyba.contains(u"disk je plný"), qPrintable(chyba));
    }
}

void TestTextovySoubor::prerusenyZapisNechaStaryObsah()
{
    QTemporaryDir docasna;
    QVERIFY(docasna.isValid());
    const QString cesta = docasna.filePath("Snek-popis.txt");
    const QByteArray stary = ZakodujText(QStringLiteral("Starý popis\r\n"), std::nullopt);
    QVERIFY(Zapis(cesta, stary));
    const QByteArray novy = ZakodujText(QStringLiteral("Nový, delší popis šneka\r\n"), std::nullopt);
    // The writer gets half of the bytes out and then fails like a full disk.
    const auto polovina = [&](QIODevice &zarizeni, QString *duvod) {
        ZarizeniSLimitem plny(novy.size() / 2);
        plny.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        const bool ok = ZapisBajty(plny, novy, duvod);
        zarizeni.write(plny.prijato);
        return ok;
    };
    QString chyba;
    QVERIFY(!ZapisSouborPres(cesta, polovina, &chyba));
    QVERIFY2(chyba.startsWith(QStringLiteral("Soubor %1 nelze uložit: zapsáno jen").arg(cesta)), qPrintable(chyba));
    QCOMPARE(Obsah(cesta), stary);
    QCOMPARE(QDir(docasna.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Snek-popis.txt"});
}

void TestTextovySoubor::zapisPrepiseCelySoubor()
{
    QTemporaryDir docasna;
    QVERIFY(docasna.isValid());
    const QString cesta = docasna.filePath("Snek-nadpis.txt");
    QVERIFY(Zapis(cesta, QByteArray(100, 'x')));
    QString chyba;
    QVERIFY2(ZapisText(cesta, QStringLiteral("Šnek"), &chyba), qPrintable(chyba));
    QCOMPARE(Obsah(cesta), QByteArray("\x8Anek"));
    QVERIFY(chyba.isEmpty());
    QVERIFY(ZapisText(cesta, QString(), &chyba));
    QCOMPARE(Obsah(cesta), QByteArray());
    QCOMPARE(PrectiText(cesta)->text, QString());
}

void TestTextovySoubor::textRadku_data()
{
    QTest::addColumn<QStringList>("radky");
    QTest::addColumn<QString>("text");
    QTest::newRow("zadne") << QStringList() << QString();
    QTest::newRow("jeden") << QStringList{"a"} << "a\r\n";
    QTest::newRow("dva") << QStringList{"Zdrojovy text:", "ahoj"} << "Zdrojovy text:\r\nahoj\r\n";
    QTest::newRow("prazdny radek") << QStringList{""} << "\r\n";
    QTest::newRow("memo s CR LF") << QStringList{"x", "a\r\nb", "y"} << "x\r\na\r\nb\r\ny\r\n";
    QTest::newRow("memo s LF") << QStringList{"a\nb"} << "a\r\nb\r\n";
    QTest::newRow("memo s CR") << QStringList{"a\rb"} << "a\r\nb\r\n";
    QTest::newRow("LF CR jsou dva konce") << QStringList{"a\n\rb"} << "a\r\n\r\nb\r\n";
    QTest::newRow("konec radku na konci memo") << QStringList{"a\r\n"} << "a\r\n\r\n";
    QTest::newRow("prazdne radky v memu") << QStringList{"\n\n"} << "\r\n\r\n\r\n";
    QTest::newRow("diakritika") << QStringList{"čšř", "ů"} << QStringLiteral("čšř\r\nů\r\n");
}

void TestTextovySoubor::textRadku()
{
    QFETCH(QStringList, radky);
    QFETCH(QString, text);
    QCOMPARE(TextRadku(radky), text);
}

void TestTextovySoubor::zapisRadku()
{
    QTemporaryDir docasna;
    QVERIFY(docasna.isValid());
    const QString cesta = docasna.filePath("zprava.txt");
    QString chyba;
    QVERIFY2(ZapisRadky(cesta, {QStringLiteral("Zdrojový text:"), QStringLiteral("ahoj\nsvěte")}, &chyba),
             qPrintable(chyba));
    QCOMPARE(Obsah(cesta), QByteArray("Zdrojov\xFD text:\r\nahoj\r\nsv\xEC"
                                      "te\r\n"));
    // A report holding a character outside the code page keeps it, in UTF-8 with a mark.
    QVERIFY(ZapisRadky(cesta, {QStringLiteral("∞")}, &chyba));
    QCOMPARE(Obsah(cesta), QByteArray("\xEF\xBB\xBF\xE2\x88\x9E\r\n"));
    QVERIFY(ZapisRadky(cesta, {}, &chyba));
    QCOMPARE(Obsah(cesta), QByteArray());
}

QTEST_GUILESS_MAIN(TestTextovySoubor)
#include "tst_core_textovysoubor.moc"

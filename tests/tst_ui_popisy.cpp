// The descriptions that ship with Talvo, as the build assembles them: each opens from the menu in a real
// overview window without a message and shows all of itself, its files are in the store's own format,
// and its worked examples are what the tool windows give.
#include "app/Main.h"
#include "descriptions/okna/Prehled.h"
#include "descriptions/TextovySoubor.h"
#include "descriptions/Ulozistepopisu.h"
#include "resources/kresby/KresbyPopisu.h"
#include "support/OdpovidacOken.h"
#include "windows/Koleckosifrujunit.h"
#include "windows/Morseovkaunit.h"
#include "windows/Snekunit.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTest>
#include <QTextEdit>

#include <memory>

using namespace Qt::StringLiterals;

namespace {
const QString Uloziste = QString::fromUtf8(TALVO_PREHLED);
const QString Zdroje = QString::fromUtf8(TALVO_PREHLED_ZDROJE);

// The lines "Název: hodnota" of one example, and the captions in „…“ of its first line: the radio
// buttons to choose and the button to press.
struct Krok
{
    QStringList volby;
    QMap<QString, QString> hodnoty;
};

QList<Krok> kroky(const QString &priklad)
{
    QList<Krok> vysledek;
    for (const QString &blok : priklad.split(u"\r\n\r\n"_s)) {
        const QStringList radky = blok.split(u"\r\n"_s);
        Krok krok;
        for (const auto &shoda : QRegularExpression(u"„([^“]+)“"_s).globalMatch(radky.first()))
            krok.volby << shoda.captured(1);
        for (const QString &radek : radky)
            if (const qsizetype dvojtecka = radek.indexOf(u": "_s); dvojtecka > 0)
                krok.hodnoty.insert(radek.left(dvojtecka), radek.mid(dvojtecka + 2));
        vysledek << krok;
    }
    return vysledek;
}

std::unique_ptr<QWidget> nastroj(const QString &slozka)
{
    return slozka == u"Morseovka"          ? std::unique_ptr<QWidget>(new TMorseovkaForm)
           : slozka == u"Sifrovacikolecko" ? std::unique_ptr<QWidget>(new TKoleckoSifrujForm)
                                           : std::unique_ptr<QWidget>(new TSnekForm);
}

// The control a caption in an example names: a radio button whose text starts with it, or the button it names.
QAbstractButton *ovladac(const QWidget &okno, const QString &popis)
{
    for (QAbstractButton *b : okno.findChildren<QAbstractButton *>())
        if (qobject_cast<QRadioButton *>(b) ? b->text().startsWith(popis) : b->text() == popis)
            return b;
    return nullptr;
}

// The first row of the viewport that holds ink: 0 when a text runs into the box's top edge.
int prvniRadekInkoustu(QTextEdit *box)
{
    const QImage obraz = box->viewport()->grab().toImage();
    for (int y = 0; y < obraz.height(); ++y)
        for (int x = 0; x < obraz.width(); ++x)
            if (qGray(obraz.pixel(x, y)) < 128)
                return y;
    return -1;
}
} // namespace

class TestPopisy : public QObject
{
    Q_OBJECT
private slots:
    // Talvo reads the store relative to its working folder: here the build folder that holds it.
    void initTestCase() { QVERIFY(QDir::setCurrent(QFileInfo(Uloziste).absolutePath())); }
    void cleanupTestCase() { QDir::setCurrent(m_puvodni); }
    void menu();
    void prehled_data();
    void prehled();
    void soubory_data() { prehled_data(); }
    void soubory();
    void priklady_data();
    void priklady();
    void obrazekSneka();

private:
    const QString m_puvodni = QDir::currentPath();
};

void TestPopisy::menu()
{
    TTalvoMain hlavni;
    QStringList slozky;
    for (const QAction *akce : hlavni.polozkyPrehled())
        slozky << akce->data().toString();
    QCOMPARE(slozky, (QStringList{u"Morseovka"_s, u"Mrizka"_s, u"Semafor"_s, u"Sifrovacikolecko"_s, u"Snek"_s}));
}

void TestPopisy::prehled_data()
{
    QTest::addColumn<QString>("slozka");
    QTest::addColumn<QString>("nadpis");
    QTest::addColumn<bool>("obrazekPrikladu"); // the example is the picture "-obr1.bmp"
    QTest::newRow("Morseovka") << u"Morseovka"_s << u"Morseovka"_s << false;
    QTest::newRow("Mrizka") << u"Mrizka"_s << u"Mřížka"_s << true;
    QTest::newRow("Semafor") << u"Semafor"_s << u"Semafor"_s << true;
    QTest::newRow("Sifrovacikolecko") << u"Sifrovacikolecko"_s << u"Šifrovací kolečko"_s << false;
    QTest::newRow("Snek") << u"Snek"_s << u"Šnek"_s << false;
}

// Opened from the menu: no message, every part in its place, every line and every pixel in sight.
void TestPopisy::prehled()
{
    QFETCH(QString, slozka);
    QFETCH(QString, nadpis);
    QFETCH(bool, obrazekPrikladu);
    TTalvoMain hlavni;
    hlavni.show();
    const auto akce = std::find_if(hlavni.polozkyPrehled().begin(), hlavni.polozkyPrehled().end(),
                                   [&](const QAction *a) { return a->data() == slozka; });
    QVERIFY(akce != hlavni.polozkyPrehled().end());
    OdpovidacOken odpovidac;
    odpovidac.ocekavej(1000);
    (*akce)->trigger();
    QVERIFY2(!odpovidac.odpovezeno(), qPrintable(odpovidac.text()));
    auto *okno = qobject_cast<TTalvoPrehled *>(hlavni.aktivniOkno());
    QVERIFY(okno);
    QCOMPARE(okno->windowTitle(), u"Přehled šifer - "_s + slozka);

    auto *titulek = okno->findChild<QTextEdit *>(u"text0"_s);
    QCOMPARE(titulek->toPlainText(), nadpis);
    // The accents of capitals (Š) stay in sight below the box's top edge.
    QVERIFY(prvniRadekInkoustu(titulek) > 0);
    QCOMPARE(okno->findChild<QTextEdit *>(u"text3"_s)->isHidden(), obrazekPrikladu);

    const auto *pozadi = okno->findChild<QScrollArea *>(u"pozadi"_s);
    for (const QTextEdit *box : okno->findChildren<QTextEdit *>(QRegularExpression(u"^text\\d$"_s))) {
        QVERIFY2(box->document()->size().height() <= box->contentsRect().height(), qPrintable(box->objectName()));
        QVERIFY2(box->width() <= pozadi->viewport()->width(), qPrintable(box->objectName()));
    }
    const QList<std::pair<QString, SouborPopisu>> obrazky{{u"obrazek0"_s, SouborPopisu::Obrazek1},
                                                          {u"obrazek1"_s, SouborPopisu::Obrazek}};
    for (const auto &[jmeno, soubor] : obrazky) {
        const QLabel *label = okno->findChild<QLabel *>(jmeno);
        const QImage bitmapa(souborPopisu(Uloziste, slozka, soubor), "BMP");
        QCOMPARE(label != nullptr, !bitmapa.isNull());
        if (!label)
            continue;
        // Shown whole: no wider or higher than an overview shows a picture.
        QVERIFY(bitmapa.width() <= NejvetsiObrazekPopisu && bitmapa.height() <= NejvetsiObrazekPopisu);
        QCOMPARE(label->size(), bitmapa.size());
    }
    QCOMPARE(okno->findChild<QLabel *>(u"obrazek0"_s) != nullptr, obrazekPrikladu);
}

// Every text file is the repository's text in Windows-1250 with CR LF between lines, no mark and no final break.
void TestPopisy::soubory()
{
    QFETCH(QString, slozka);
    QFETCH(QString, nadpis);
    QCOMPARE(nazevSouboru(nadpis), slozka);
    const QStringList texty = QDir(slozkaPopisu(Uloziste, slozka)).entryList({u"*.txt"_s}, QDir::Files);
    QVERIFY(texty.size() >= 3);
    for (const QString &jmeno : texty) {
        QFile soubor(slozkaPopisu(Uloziste, slozka) + u'/' + jmeno);
        QVERIFY(soubor.open(QIODevice::ReadOnly));
        const QByteArray bajty = soubor.readAll();
        QVERIFY2(!bajty.endsWith('\n') && bajty.count('\n') == bajty.count("\r\n"), qPrintable(jmeno));
        const PrectenyText text = DekodujText(bajty);
        QCOMPARE(text.kodovani, Kodovani::Windows1250);
        const auto zdroj = PrectiText(slozkaPopisu(Zdroje, slozka) + u'/' + jmeno);
        QVERIFY(zdroj);
        QCOMPARE(text.text, zdroj->text.trimmed().replace(u"\n"_s, u"\r\n"_s));
    }
}

void TestPopisy::priklady_data()
{
    QTest::addColumn<QString>("slozka");
    for (const char *slozka : {"Morseovka", "Sifrovacikolecko", "Snek"})
        QTest::newRow(slozka) << QString::fromLatin1(slozka);
}

// Each example of a text file, step by step in the cipher's window: the options it names chosen, its source
// typed and its button pressed give the cleaned source and the result it shows.
void TestPopisy::priklady()
{
    QFETCH(QString, slozka);
    const auto priklad = PrectiText(souborPopisu(Uloziste, slozka, SouborPopisu::Priklad));
    QVERIFY(priklad);
    const std::unique_ptr<QWidget> okno = nastroj(slozka);
    const QMap<QString, QString> editace{{u"Klíč"_s, u"klicE"_s}, {u"Velikost šneka"_s, u"VelikostSnek"_s}};
    auto *zdroj = okno->findChild<QPlainTextEdit *>(u"Zdroj"_s);
    auto *cil = okno->findChild<QPlainTextEdit *>(u"Cil"_s);
    int overeno = 0;
    for (const Krok &krok : kroky(priklad->text)) {
        if (!krok.hodnoty.contains(u"Cílový text"_s))
            continue;
        QAbstractButton *tlacitko = nullptr;
        for (const QString &volba : krok.volby) {
            QAbstractButton *b = ovladac(*okno, volba);
            QVERIFY2(b, qPrintable(volba));
            qobject_cast<QRadioButton *>(b) ? b->click() : void(tlacitko = b);
        }
        QVERIFY2(tlacitko, qPrintable(krok.volby.join(u", ")));
        for (auto it = editace.begin(); it != editace.end(); ++it) {
            OdpovidacOken odpovidac;
            odpovidac.ocekavej(500);
            if (krok.hodnoty.contains(it.key()))
                okno->findChild<QLineEdit *>(it.value())->setText(krok.hodnoty[it.key()]);
            QVERIFY2(!odpovidac.odpovezeno(), qPrintable(odpovidac.text()));
        }
        zdroj->setPlainText(krok.hodnoty.value(u"Zdrojový text"_s));
        tlacitko->click();
        if (krok.hodnoty.contains(u"Po vyčištění"_s))
            QCOMPARE(zdroj->toPlainText(), krok.hodnoty[u"Po vyčištění"_s]);
        QCOMPARE(cil->toPlainText().trimmed(), krok.hodnoty[u"Cílový text"_s].trimmed());
        ++overeno;
    }
    QCOMPARE(overeno, int(priklad->text.count(u"Cílový text:"_s)));
    QVERIFY(overeno >= 2);
}

// The snail picture shows the table of the first snail example: its text and its rows.
void TestPopisy::obrazekSneka()
{
    const auto priklad = PrectiText(souborPopisu(Uloziste, u"Snek"_s, SouborPopisu::Priklad));
    QVERIFY(priklad);
    const Krok prvni = kroky(priklad->text).first();
    QString radky;
    for (const auto &radek : tabulkaPrikladuSneka(PrikladSnekaPopisu)) {
        for (const BunkaPrikladuSneka &bunka : radek)
            radky += bunka.znak;
        radky += u' ';
    }
    QCOMPARE(prvni.hodnoty[u"Zdrojový text"_s], PrikladSnekaPopisu.text.toString());
    QCOMPARE(radky.trimmed(), prvni.hodnoty[u"Cílový text"_s].trimmed());
}

QTEST_MAIN(TestPopisy)
#include "tst_ui_popisy.moc"

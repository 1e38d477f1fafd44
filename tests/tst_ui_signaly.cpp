#include "ciphers/Morseovka.h"
#include "ciphers/MorseovkaZvuk.h"
#include "exercises/MorseKlic.h"
#include "exercises/SemaforTest.h"
#include "resources/kresby/KresbaSemafor.h"
#include "support/Najdi.h"
#include "windows/Morseovkaunit.h"
#include "windows/SemaforCteni.h"
#include "windows/Svetlo.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

using namespace Qt::StringLiterals;

class TestSignaly : public QObject
{
    Q_OBJECT
private slots:
    void klic_data();
    void klic();
    void tichoASmazat();
    void rozdil_data();
    void rozdil();
    void semaforCteni_data();
    void semaforCteni();
    void semaforTest_data();
    void semaforTest();
    void planSvetla_data();
    void planSvetla();
    void oknoSvetla();
    void svetloZMorseovky_data();
    void svetloZMorseovky();
};

namespace {
// A key press or release of the space bar, repeated by the keyboard when opakovani.
void mezernik(QWidget *w, QEvent::Type typ, bool opakovani = false)
{
    QKeyEvent udalost(typ, Qt::Key_Space, Qt::NoModifier, u" "_s, opakovani);
    QApplication::sendEvent(w, &udalost);
}

// Sends a list "down up down up ..." of durations on the key with a clock the test moves: by the space
// bar, by the mouse, or by the space bar with auto-repeated releases and presses while it is down.
void posli(TMorseKlic &okno, qint64 &cas, const QList<int> &delky, const QString &jak)
{
    auto *klic = najdi<TKlicPlocha>(okno, "klicPlocha");
    for (qsizetype i = 0; i < delky.size(); ++i) {
        const bool dolu = i % 2 == 0;
        if (jak == u"mys")
            dolu ? QTest::mousePress(klic, Qt::LeftButton) : QTest::mouseRelease(klic, Qt::LeftButton);
        else
            mezernik(klic, dolu ? QEvent::KeyPress : QEvent::KeyRelease);
        int zbyva = delky[i];
        if (dolu && jak == u"opakovani")
            for (int k = 0; k < 3 && zbyva > 10; ++k, zbyva -= 10) {
                cas += 10;
                mezernik(klic, QEvent::KeyRelease, true);
                mezernik(klic, QEvent::KeyPress, true);
            }
        cas += zbyva;
    }
}

// The durations of a code sent with a unit of jednotka ms: the gaps inside a letter one unit, "/"
// three and "//" seven, ending with a key up of three units.
QList<int> delkyKodu(QStringView kod, int jednotka)
{
    QList<int> delky;
    int lomitek = 0;
    for (const QChar c : kod) {
        if (c == u'/') {
            ++lomitek;
            continue;
        }
        if (!delky.isEmpty())
            delky.append(jednotka * (lomitek == 0 ? 1 : lomitek == 1 ? 3 : 7));
        delky.append(jednotka * (c == u'.' ? 1 : 3));
        lomitek = 0;
    }
    delky.append(3 * jednotka);
    return delky;
}
// The lamp's plan as the start of every stretch (on or off, ms) and the end of the last one.
QList<std::pair<bool, qint64>> zacatkyUseku(const QString &kod, const NastaveniZvuku &nastaveni, qint64 *konec)
{
    PlanSvetla plan(kod, nastaveni);
    QList<std::pair<bool, qint64>> useky;
    bool zapnuto = false;
    *konec = 0;
    for (qint64 zacatek = 0; plan.dalsi(&zapnuto, konec); zacatek = *konec)
        useky.append({zapnuto, zacatek});
    return useky;
}
} // namespace

void TestSignaly::klic_data()
{
    QTest::addColumn<int>("rychlost");
    QTest::addColumn<int>("jednotka"); // of the sender, ms
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("jak");
    QTest::addColumn<int>("odhad"); // the estimate, give or take 2
    QTest::newRow("sos at the box speed") << 12 << 100 << u"sos"_s << u"mezernik"_s << 12;
    QTest::newRow("two words by mouse") << 8 << 150 << u"ahoj vole"_s << u"mys"_s << 8;
    QTest::newRow("auto-repeat ignored") << 10 << 120 << u"test"_s << u"opakovani"_s << 10;
    // The box says 8, the sender keys at 11: the estimate shown follows the sender (how the decoder
    // follows faster, slower and uneven senders is the core's test).
    QTest::newRow("faster sender followed") << 8 << 109 << u"paris paris"_s << u"mezernik"_s << 11;
}

// Taps with a known timing give the code and the text, the estimate follows the sender.
void TestSignaly::klic()
{
    QFETCH(int, rychlost);
    QFETCH(int, jednotka);
    QFETCH(QString, text);
    QFETCH(QString, jak);
    QFETCH(int, odhad);
    TMorseKlic okno;
    qint64 cas = 1000;
    okno.nastavHodiny([&cas] { return cas; });
    najdi<QCheckBox>(okno, "tonCB")->setChecked(false);
    najdi<QSpinBox>(okno, "rychlostSB")->setValue(rychlost);
    const QString kod = MorseSifruj(text, MorseBezInterpunkce);
    posli(okno, cas, delkyKodu(kod, jednotka), jak);
    okno.tichoUplynulo();
    QCOMPARE(najdi<QPlainTextEdit>(okno, "kodE")->toPlainText(), kod);
    QCOMPARE(najdi<QPlainTextEdit>(okno, "textE")->toPlainText(), text);
    const QString popis = najdi<QLabel>(okno, "odhadRychlostiLab")->text();
    QVERIFY2(popis.startsWith(u"Odhad rychlosti: ") && popis.endsWith(u" slov/min"), qPrintable(popis));
    QVERIFY2(std::abs(popis.section(u' ', 2, 2).toInt() - odhad) <= 2, qPrintable(popis));
}

// The window's own timer completes the letter after three units of silence, not before; Smazat.
void TestSignaly::tichoASmazat()
{
    TMorseKlic okno;
    qint64 cas = 0;
    okno.nastavHodiny([&cas] { return cas; });
    najdi<QSpinBox>(okno, "rychlostSB")->setValue(40);
    auto *kod = najdi<QPlainTextEdit>(okno, "kodE");
    posli(okno, cas, {30, 30, 90, 30}, u"mezernik"_s);
    QVERIFY(!najdi<TKlicPlocha>(okno, "klicPlocha")->dole());
    QCOMPARE(kod->toPlainText(), u".-"_s);
    QCOMPARE(najdi<QPlainTextEdit>(okno, "textE")->toPlainText(), QString());
    QTRY_COMPARE_WITH_TIMEOUT(kod->toPlainText(), u".-/"_s, 2000);
    QCOMPARE(najdi<QPlainTextEdit>(okno, "textE")->toPlainText(), u"a"_s);
    // A long pause after it adds only the word gap.
    cas += 1000;
    posli(okno, cas, {30, 30}, u"mezernik"_s);
    QCOMPARE(kod->toPlainText(), u".-//."_s);

    // Smazat clears the code, the text and the comparison; the pause before the next press is no gap.
    QTest::mouseClick(najdi<QPushButton>(okno, "smazatB"), Qt::LeftButton);
    QCOMPARE(kod->toPlainText(), QString());
    najdi<QSpinBox>(okno, "rychlostSB")->setValue(12);
    najdi<QLineEdit>(okno, "vzorE")->setText(u"ee"_s);
    posli(okno, cas, {100, 300, 100, 300}, u"mezernik"_s);
    okno.tichoUplynulo();
    QCOMPARE(najdi<QPlainTextEdit>(okno, "textE")->toPlainText(), u"ee"_s);
    QCOMPARE(najdi<QLabel>(okno, "rozdilLab")->text(), u"Shoda se vzorem."_s);
    QTest::mouseClick(najdi<QPushButton>(okno, "smazatB"), Qt::LeftButton);
    for (const char *jmeno : {"kodE", "textE"})
        QCOMPARE(najdi<QPlainTextEdit>(okno, jmeno)->toPlainText(), QString());
    QCOMPARE(okno.dekoder().kod(), QString());
    QCOMPARE(najdi<QLabel>(okno, "rozdilLab")->text(), u"Zatím bez chyby (0 z 2 znaků)."_s);
    cas += 5000;
    posli(okno, cas, {300, 300}, u"mezernik"_s);
    okno.tichoUplynulo();
    QCOMPARE(najdi<QPlainTextEdit>(okno, "kodE")->toPlainText(), u"-/"_s);
    QCOMPARE(najdi<QLabel>(okno, "rozdilLab")->text(), u"První rozdíl na 1. znaku: čeká se „e“, přijato „t“."_s);
    // The window may go while the key is down (the key lets go as it loses the focus).
    okno.show();
    QVERIFY(QTest::qWaitForWindowActive(&okno));
    najdi<TKlicPlocha>(okno, "klicPlocha")->setFocus();
    posli(okno, cas, {100}, u"mezernik"_s);
    QVERIFY(najdi<TKlicPlocha>(okno, "klicPlocha")->dole());
}

void TestSignaly::rozdil_data()
{
    QTest::addColumn<QString>("prijato");
    QTest::addColumn<QString>("vzor");
    QTest::addColumn<QString>("rozdil");
    QTest::newRow("no pattern") << u"abc"_s << u"  "_s << QString();
    QTest::newRow("diacritics and spaces") << u"sla kura "_s << u"  Šla   kůra"_s << u"Shoda se vzorem."_s;
    QTest::newRow("third letter") << u"abx"_s << u"abc"_s << u"První rozdíl na 3. znaku: čeká se „c“, přijato „x“."_s;
    QTest::newRow("a missing space") << u"ab"_s << u"a b"_s
                                     << u"První rozdíl na 2. znaku: čeká se „mezera“, přijato „b“."_s;
    QTest::newRow("more than the pattern") << u"abcd"_s << u"abc"_s << u"Přijato víc než vzor, navíc od 4. znaku."_s;
}

void TestSignaly::rozdil()
{
    QFETCH(QString, prijato);
    QFETCH(QString, vzor);
    QFETCH(QString, rozdil);
    QCOMPARE(RozdilOdVzoru(prijato, vzor), rozdil);
}

void TestSignaly::semaforCteni_data()
{
    QTest::addColumn<QList<int>>("kliky"); // picture numbers; 0 is Zpět
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("cislice");
    // The reader's rules have their own test; these rows walk the window's buttons, Zpět and the mode shown.
    QTest::newRow("letters") << QList<int>{1, 8, 15, 10} << u"ahoj"_s << false;
    QTest::newRow("numerals then letters") << QList<int>{27, 2, 11, 10, 11} << u"20k"_s << false;
    QTest::newRow("numerals stay") << QList<int>{27, 1, 28, 9} << u"1 9"_s << true;
    QTest::newRow("Zpět undoes the letters sign") << QList<int>{27, 1, 10, 0, 2} << u"12"_s << true;
    QTest::newRow("Zpět on nothing") << QList<int>{0, 0, 5} << u"e"_s << false;
}

// Clicks on the pictures and on Zpět: the text, the mode and the row of received pictures.
void TestSignaly::semaforCteni()
{
    QFETCH(QList<int>, kliky);
    QFETCH(QString, text);
    QFETCH(bool, cislice);
    TSemaforCteni okno;
    okno.show();
    // A disabled Zpět takes no click.
    for (int klik : kliky)
        QTest::mouseClick(najdi<QPushButton>(okno, klik ? qPrintable(u"znak%1B"_s.arg(klik)) : "zpetB"),
                          Qt::LeftButton);
    QCOMPARE(najdi<QPlainTextEdit>(okno, "textE")->toPlainText(), text);
    QCOMPARE(okno.cteni().cislice(), cislice);
    auto *prijate = najdi<QListWidget>(okno, "prijateLW");
    QCOMPARE(prijate->count(), okno.cteni().obrazky().size());
    QCOMPARE(najdi<QLabel>(okno, "rezimLab")->text(), cislice ? u"Čtou se číslice."_s : u"Čtou se písmena."_s);
    QTest::mouseClick(najdi<QPushButton>(okno, "smazatB"), Qt::LeftButton);
    QCOMPARE(najdi<QPlainTextEdit>(okno, "textE")->toPlainText(), QString());
    QCOMPARE(prijate->count(), 0);
    QVERIFY(!okno.cteni().cislice());
}

void TestSignaly::semaforTest_data()
{
    QTest::addColumn<QString>("rezim");
    for (const char *rezim : {"obrazekNaPismenoRB", "pismenoNaObrazekRB"})
        QTest::newRow(rezim) << QString(rezim);
}

// A right and a wrong click in either mode: the result, the score, and the next question shown.
void TestSignaly::semaforTest()
{
    QFETCH(QString, rezim);
    TSemaforTest okno(11u);
    okno.show();
    okno.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&okno));
    QVERIFY(najdi<QRadioButton>(okno, "obrazekNaPismenoRB")->isChecked());
    QTest::mouseClick(najdi<QRadioButton>(okno, rezim.toLatin1()), Qt::LeftButton);
    const bool obrazky = rezim == u"pismenoNaObrazekRB";
    auto *vysledek = najdi<QLabel>(okno, "vysledekLab");
    // Answered by a click, then by the choice's number, then by Alt and the number: a new question's
    // captions must not take the keys away.
    for (const auto &[spravne, klavesy] :
         {std::pair{true, -1}, {false, int(Qt::NoModifier)}, {true, int(Qt::AltModifier)}}) {
        const int otazka = okno.model().obrazekOtazky();
        const auto volby = okno.model().volby();
        QCOMPARE(najdi<QLabel>(okno, "otazkaLab")->text(), obrazky ? TSemaforTestModel::nazev(otazka) : QString());
        QCOMPARE(najdi<QLabel>(okno, "otazkaObrazekLab")->isVisible(), !obrazky);
        // A screen reader hears where the flags point, never the letter asked.
        QCOMPARE(najdi<QLabel>(okno, "otazkaObrazekLab")->accessibleDescription(),
                 obrazky ? QString() : popisVlajek(otazka));
        int klik = -1;
        for (int i = 0; i < 4; ++i) {
            auto *b = najdi<QPushButton>(okno, QStringLiteral("volba%1B").arg(i + 1).toLatin1());
            QCOMPARE(b->text(), obrazky ? QString() : TSemaforTestModel::nazev(volby[std::size_t(i)]));
            QCOMPARE(b->icon().isNull(), !obrazky);
            QCOMPARE(b->accessibleDescription(), obrazky ? popisVlajek(volby[std::size_t(i)]) : QString());
            if ((volby[std::size_t(i)] == otazka) == spravne && klik < 0)
                klik = i;
        }
        if (klavesy < 0)
            QTest::mouseClick(najdi<QPushButton>(okno, QStringLiteral("volba%1B").arg(klik + 1).toLatin1()),
                              Qt::LeftButton);
        else
            QTest::keyClick(&okno, Qt::Key(Qt::Key_1 + klik), Qt::KeyboardModifiers(klavesy));
        // A button's shortcut presses it a moment later, as a click shows; the results alternate.
        QTRY_COMPARE(vysledek->text(), spravne ? u"Správně"_s : u"Špatně: "_s + TSemaforTestModel::nazev(otazka));
        QVERIFY(okno.model().cekaNaOdpoved());
        QVERIFY(okno.model().obrazekOtazky() != otazka);
    }
    QCOMPARE(najdi<QLabel>(okno, "skoreLab")->text(), u"Správně: 2 z 3"_s);
}

void TestSignaly::planSvetla_data()
{
    QTest::addColumn<QString>("kod");
    QTest::addColumn<int>("rychlost");
    QTest::addColumn<int>("efektivni");
    QTest::newRow("e at 12") << u"./"_s << 12 << 0;
    QTest::newRow("sos at 7 (a unit of 171.4 ms)") << u".../---/.../"_s << 7 << 0;
    QTest::newRow("two words at 40") << u".-/-...//-.-./"_s << 40 << 0;
    QTest::newRow("Farnsworth 18/5") << u"-.-./..../.-//.-/"_s << 18 << 5;
    QTest::newRow("Farnsworth 25/13, a sentence gap") << u"..-/.-.///-/"_s << 25 << 13;
    QTest::newRow("long code at 33") << MorseSifruj(u"zprava pro hlidku 2026 sraz u ohne", MorseBezInterpunkce) << 33
                                     << 0;
}

// The lamp's switches are where the sound's tones begin and end: found in the samples the player and
// the WAV file get, to within a millisecond, over the whole code.
void TestSignaly::planSvetla()
{
    QFETCH(QString, kod);
    QFETCH(int, rychlost);
    QFETCH(int, efektivni);
    NastaveniZvuku nastaveni;
    nastaveni.slovZaMinutu = rychlost;
    nastaveni.efektivniSlovZaMinutu = efektivni;
    const QList<qint16> vzorky = VzorkyMorseovky(kod, nastaveni);
    // The tones in the samples: runs with sound, a silence shorter than 2 ms being a zero crossing.
    const qint64 ticho = nastaveni.vzorkovani / 500;
    QList<std::pair<double, double>> tony;
    qint64 posledniZvuk = -1 - ticho;
    for (qint64 i = 0; i < vzorky.size(); ++i) {
        if (vzorky[i] == 0)
            continue;
        if (i - posledniZvuk > ticho)
            tony.append({double(i), double(i)});
        tony.last().second = double(i + 1);
        posledniZvuk = i;
    }
    qint64 konec = 0;
    const QList<std::pair<bool, qint64>> useky = zacatkyUseku(kod, nastaveni, &konec);
    QList<std::pair<double, double>> svetla;
    for (qsizetype i = 0; i < useky.size(); ++i)
        if (useky[i].first)
            svetla.append({double(useky[i].second), double(i + 1 < useky.size() ? useky[i + 1].second : konec)});
    QCOMPARE(svetla.size(), tony.size());
    QCOMPARE(svetla.size(), kod.count(u'.') + kod.count(u'-'));
    const double msNaVzorek = 1000.0 / nastaveni.vzorkovani;
    for (qsizetype i = 0; i < tony.size(); ++i) {
        QVERIFY2(std::abs(svetla[i].first - tony[i].first * msNaVzorek) <= 1.0, qPrintable(QString::number(i)));
        QVERIFY2(std::abs(svetla[i].second - tony[i].second * msNaVzorek) <= 1.0, qPrintable(QString::number(i)));
    }
    // The lamp ends with the sound.
    QVERIFY(std::abs(double(konec) - vzorky.size() * msNaVzorek) <= 1.0);
}

// The window runs the plan: its switches in order at the planned times, dark at the end, again
// with Opakovat; F11 and Esc.
void TestSignaly::oknoSvetla()
{
    NastaveniZvuku nastaveni;
    nastaveni.slovZaMinutu = 40;
    const QString kod = u"-./../"_s;
    TSvetlo svetlo(kod, nastaveni);
    QSignalSpy prepnuti(&svetlo, &TSvetlo::prepnuto);
    QSignalSpy konec(&svetlo, &TSvetlo::skonceno);
    svetlo.show();
    // Again from the start, so the spies see the first switch too.
    svetlo.spust();
    QVERIFY(konec.wait(5000));
    QVERIFY(!svetlo.sviti());
    qint64 trvaniMs = 0;
    const QList<std::pair<bool, qint64>> planovane = zacatkyUseku(kod, nastaveni, &trvaniMs);
    QCOMPARE(prepnuti.size(), planovane.size());
    for (qsizetype i = 0; i < prepnuti.size(); ++i) {
        QCOMPARE(prepnuti[i][0].toBool(), planovane[i].first);
        QCOMPARE(prepnuti[i][1].toLongLong(), planovane[i].second * 1000);
        // Never early; how late is measured by bench/MereniSvetla.cpp, not checked here.
        QVERIFY(prepnuti[i][2].toLongLong() >= prepnuti[i][1].toLongLong());
    }

    prepnuti.clear();
    najdi<QCheckBox>(svetlo, "opakovatCB")->setChecked(true);
    QTest::mouseClick(najdi<QPushButton>(svetlo, "znovuB"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(prepnuti.size() > 2 * planovane.size(), 10000);
    QCOMPARE(konec.size(), 1);
    // The second pass goes on from the end of the first.
    QCOMPARE(prepnuti[planovane.size()][0].toBool(), true);
    QCOMPARE(prepnuti[planovane.size()][1].toLongLong(), (trvaniMs + planovane[1].second) * 1000);

    QTest::keyClick(&svetlo, Qt::Key_F11);
    QVERIFY(svetlo.isFullScreen());
    QVERIFY(!najdi<QWidget>(svetlo, "ovladaniW")->isVisible());
    QTest::keyClick(&svetlo, Qt::Key_F11);
    QVERIFY(!svetlo.isFullScreen());
    QTest::keyClick(&svetlo, Qt::Key_Escape);
    QVERIFY(!svetlo.isVisible());
}

void TestSignaly::svetloZMorseovky_data()
{
    QTest::addColumn<QString>("zdroj");
    QTest::addColumn<QString>("tlacitko"); // pressed before "Světlo"; empty for none
    QTest::addColumn<QString>("kod");      // the lamp's code; empty when no lamp opens
    QTest::newRow("the source's code") << u"sos"_s << QString() << u".../---/.../"_s;
    QTest::newRow("the target after Zašifruj") << u"ahoj"_s << u"ZasifrujB"_s << u".-/..../---/.---/"_s;
    QTest::newRow("the code decoded") << u".-/-..."_s << u"DesifrujB"_s << u".-/-.../"_s;
    QTest::newRow("nothing to flash") << u"???"_s << QString() << QString();
}

// "Světlo" in the Morse window opens one lamp on the code "Přehrát" plays, at the window's speeds.
void TestSignaly::svetloZMorseovky()
{
    QFETCH(QString, zdroj);
    QFETCH(QString, tlacitko);
    QFETCH(QString, kod);
    TMorseovkaForm okno;
    okno.show();
    najdi<QPlainTextEdit>(okno, "Zdroj")->setPlainText(zdroj);
    najdi<QSpinBox>(okno, "rychlostE")->setValue(20);
    if (!tlacitko.isEmpty())
        QTest::mouseClick(najdi<QPushButton>(okno, tlacitko.toLatin1()), Qt::LeftButton);
    for (int i = 0; i < 2; ++i)
        QTest::mouseClick(najdi<QPushButton>(okno, "svetloB"), Qt::LeftButton);
    const QList<TSvetlo *> svetla = okno.findChildren<TSvetlo *>();
    if (kod.isEmpty()) {
        QVERIFY(svetla.isEmpty());
        QCOMPARE(najdi<QLabel>(okno, "StavZvukuLab")->text(), u"Není co ukázat."_s);
        return;
    }
    // The second press replaced the first lamp.
    QTRY_COMPARE(okno.findChildren<TSvetlo *>().size(), 1);
    TSvetlo *svetlo = okno.findChildren<TSvetlo *>().first();
    QVERIFY(svetlo->isWindow() && svetlo->isVisible() && svetlo->bezi());
    QCOMPARE(svetlo->objectName(), u"SvetloForm"_s);
    QCOMPARE(svetlo->plan().kod(), kod);
    QCOMPARE(svetlo->plan().nastaveni().slovZaMinutu, 20);
}

QTEST_MAIN(TestSignaly)
#include "tst_ui_signaly.moc"

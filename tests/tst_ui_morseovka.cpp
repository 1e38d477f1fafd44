#include "app/Main.h"
#include "ciphers/MorseovkaSlova.h"
#include "support/ListyPdf.h"
#include "windows/Morseovkaunit.h"
#include "windows/zpravy/TiskZpravy.h"
#include "windows/zpravy/Zprava.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <tuple>

using namespace Qt::StringLiterals;

namespace {
struct Okno
{
    std::unique_ptr<TMorseovkaForm> form = std::make_unique<TMorseovkaForm>();
    QPlainTextEdit *zdroj = form->findChild<QPlainTextEdit *>("Zdroj");
    QPlainTextEdit *cil = form->findChild<QPlainTextEdit *>("Cil");
    QPushButton *zasifruj = form->findChild<QPushButton *>("ZasifrujB");
    QPushButton *desifruj = form->findChild<QPushButton *>("DesifrujB");
    QPushButton *obnov = form->findChild<QPushButton *>("Button1");
    QRadioButton *bez = form->findChild<QRadioButton *>("bezInterpunkceRB");
    QRadioButton *s = form->findChild<QRadioButton *>("sInterpunkciRB");

    void napis(const QString &text)
    {
        zdroj->clear();
        // Key clicks cannot type a line break into the memo, so multi-line texts are set directly.
        if (text.contains(u'\n'))
            zdroj->setPlainText(text);
        else
            for (const QChar znak : text)
                QTest::sendKeyEvent(QTest::Click, zdroj, Qt::Key_unknown, QString(znak), Qt::NoModifier);
    }
    void stiskni(QAbstractButton *tlacitko) { QTest::mouseClick(tlacitko, Qt::LeftButton); }
};
} // namespace

class TestMorseovkaOkno : public QObject
{
    Q_OBJECT
private slots:
    void ovladace();
    void stisk_data();
    void stisk();
    void prazdnySifrovanyZdrojNechaCil();
    void dvojklikVyberVse();
    void jedinaInstance();
    void chJakoZnak_data();
    void chJakoZnak();
    void efektivniRychlost();
    void tabulka();
};

void TestMorseovkaOkno::ovladace()
{
    Okno o;
    QCOMPARE(o.form->objectName(), "MorseovkaForm");
    QCOMPARE(o.form->windowTitle(), "Morseovka");
    QVERIFY(o.zdroj && o.cil && o.zasifruj && o.desifruj && o.obnov && o.bez && o.s);
    QVERIFY(o.bez->isChecked() && !o.s->isChecked());
    QVERIFY(!o.cil->isEnabled() && o.zdroj->isEnabled());
    QCOMPARE(o.zasifruj->text(), "Zašifruj");
    QCOMPARE(o.desifruj->text(), "Dešifruj");
    QCOMPARE(o.obnov->text(), "Obnovit zdrojový text");
    QCOMPARE(o.zasifruj->toolTip(), "Stisknutím zašifrujete text uvedený v poli \"Zdrojový text\".");
    QPlainTextEdit *tisk = o.form->findChild<QPlainTextEdit *>("memoTisk");
    QVERIFY(tisk && tisk->isHidden());
    QCOMPARE(o.form->memoTisk(), tisk);
    QCOMPARE(o.form->druhZpravy(), DruhZpravy::Morseovka);
    // Before any press the saved source is the memo's initial, empty text.
    o.napis("rozepsano");
    o.stiskni(o.obnov);
    QCOMPARE(o.zdroj->toPlainText(), QString());
}

void TestMorseovkaOkno::stisk_data()
{
    QTest::addColumn<bool>("interpunkce");
    QTest::addColumn<bool>("sifrovat");
    QTest::addColumn<QString>("vstup");
    QTest::addColumn<QString>("zdroj");
    QTest::addColumn<QString>("cil");
    QTest::addColumn<bool>("cilPovolen");
    const auto radek = [](const char *nazev, bool interpunkce, bool sifrovat, const char *vstup, const char *zdroj,
                          const char *cil, bool povolen = true) {
        QTest::newRow(nazev) << interpunkce << sifrovat << QString(vstup) << QString(zdroj) << QString(cil) << povolen;
    };
    radek("encode without punctuation", false, true, "Ahoj, světe!", "ahoj svete", ".-/..../---/.---//.../...-/./-/./");
    radek("encode with punctuation", true, true, "Ahoj, světe!", "ahoj, svete!",
          ".-/..../---/.---/--..--//.../...-/./-/./-.-.--/");
    radek("encode punctuation only, nothing left", false, true, ",.!?\"()", "", "", false);
    radek("encode two lines run together", false, true, "Ahoj!\nSvete.", "ahojsvete",
          ".-/..../---/.---/.../...-/./-/./");
    radek("decode space instead of slash", false, false, ".- -...", ".--.../", "");
    radek("decode two letters", false, false, ".-/-...", ".-/-.../", "ab");
    radek("decode empty source", false, false, "", "/", "");
    radek("decode full stop with punctuation", true, false, ".-.-.-/", ".-.-.-/", ".");
    radek("decode full stop without punctuation", false, false, ".-.-.-/", ".-.-.-/", "");
    radek("decode drops letters and digits", false, false, "x.-1/Ž-...", ".-/-.../", "ab");
}

// A press cleans the source and fills the target; "Obnovit zdrojový text" then brings back the
// typed source, again and again, and leaves the target alone; the report shows both.
void TestMorseovkaOkno::stisk()
{
    QFETCH(bool, interpunkce);
    QFETCH(bool, sifrovat);
    QFETCH(QString, vstup);
    QFETCH(QString, zdroj);
    QFETCH(QString, cil);
    QFETCH(bool, cilPovolen);

    Okno o;
    o.stiskni(interpunkce ? o.s : o.bez);
    o.napis(vstup);
    QCOMPARE(o.zdroj->toPlainText(), vstup);
    o.stiskni(sifrovat ? o.zasifruj : o.desifruj);
    QCOMPARE(o.zdroj->toPlainText(), zdroj);
    QCOMPARE(o.cil->toPlainText(), cil);
    QCOMPARE(o.cil->isEnabled(), cilPovolen);
    QCOMPARE(o.form->pocetZnaku(), interpunkce ? 50 : 37);
    QCOMPARE(o.s->isChecked(), interpunkce);
    for (int i = 0; i < 2; ++i) {
        o.zdroj->setPlainText("jiny text");
        o.stiskni(o.obnov);
        QCOMPARE(o.zdroj->toPlainText(), vstup);
        QCOMPARE(o.cil->toPlainText(), cil);
    }
    // The report holds each line of the source once, however often it is filled.
    const QStringList radky = QStringList{"Zdrojovy text:"} + vstup.split(u'\n') + QStringList{"", "Cilovy text:", cil};
    QCOMPARE(radkyZpravy(*o.form), radky);
    QCOMPARE(radkyZpravy(*o.form), radky);
    QCOMPARE(o.form->memoTisk()->toPlainText(), radky.join(u'\n'));
}

void TestMorseovkaOkno::prazdnySifrovanyZdrojNechaCil()
{
    Okno o;
    o.napis("Sos");
    o.stiskni(o.zasifruj);
    o.napis("?!,");
    o.stiskni(o.zasifruj);
    QCOMPARE(o.zdroj->toPlainText(), QString());
    QCOMPARE(o.cil->toPlainText(), ".../---/.../");
    QVERIFY(o.cil->isEnabled());
}

void TestMorseovkaOkno::dvojklikVyberVse()
{
    Okno o;
    o.form->resize(800, 608);
    o.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(o.form.get()));

    o.napis("ahoj svete");
    // A disabled target takes no double click.
    QTest::mouseDClick(o.cil->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(!o.cil->textCursor().hasSelection());

    QTest::mouseDClick(o.zdroj->viewport(), Qt::LeftButton, {}, QPoint(10, 8));
    QCOMPARE(o.zdroj->textCursor().selectedText(), "ahoj svete");

    o.stiskni(o.zasifruj);
    QVERIFY(!o.cil->textCursor().hasSelection());
    QTest::mouseDClick(o.cil->viewport(), Qt::LeftButton, {}, QPoint(10, 8));
    QCOMPARE(o.cil->textCursor().selectedText(), ".-/..../---/.---//.../...-/./-/./");
}

// The menu shows the one Morse window instead of making a second; closing it clears the flag.
void TestMorseovkaOkno::jedinaInstance()
{
    QTemporaryDir slozka;
    QVERIFY(slozka.isValid() && QDir::setCurrent(slozka.path()));
    TTalvoMain hlavni;
    QAction *morseovka = hlavni.findChild<QAction *>("Morseovka1SD");
    QAction *ulozit = hlavni.findChild<QAction *>("Ulozit");
    QAction *tisk = hlavni.findChild<QAction *>("Tisk");
    QVERIFY(morseovka && ulozit && tisk && !ulozit->isEnabled() && !tisk->isEnabled());
    const auto otevreno = [&] { return hlavni.jeOtevreno(TTalvoMain::Jedinecne::Morseovka); };
    QVERIFY(!otevreno());

    morseovka->trigger();
    QPointer<TMorseovkaForm> prvni = qobject_cast<TMorseovkaForm *>(hlavni.aktivniOkno());
    QVERIFY(prvni && otevreno() && ulozit->isEnabled() && tisk->isEnabled());
    QVERIFY(hlavni.mdiArea()->subWindowList().first()->isMaximized());
    prvni->findChild<QPlainTextEdit *>("Zdroj")->setPlainText("rozepsano");
    morseovka->trigger();
    QCOMPARE(hlavni.mdiArea()->subWindowList().size(), 1);
    QCOMPARE(qobject_cast<TMorseovkaForm *>(hlavni.aktivniOkno()), prvni.data());

    hlavni.mdiArea()->subWindowList().first()->close();
    QTRY_VERIFY(prvni.isNull());
    QVERIFY(!otevreno() && ulozit->isEnabled() && tisk->isEnabled());
    morseovka->trigger();
    auto *druhy = qobject_cast<TMorseovkaForm *>(hlavni.aktivniOkno());
    QVERIFY(otevreno() && druhy && druhy->findChild<QPlainTextEdit *>("Zdroj")->toPlainText().isEmpty());
}

void TestMorseovkaOkno::chJakoZnak_data()
{
    QTest::addColumn<bool>("zaskrtnuto");
    QTest::addColumn<bool>("sifrovat");
    QTest::addColumn<QString>("vstup");
    QTest::addColumn<QString>("cil");
    QTest::newRow("encode ch unchecked") << false << true << u"chata"_s << u"-.-./..../.-/-/.-/"_s;
    QTest::newRow("encode ch checked") << true << true << u"chata"_s << u"----/.-/-/.-/"_s;
    QTest::newRow("decode four dashes unchecked") << false << false << u"----/.-/"_s << u"a"_s;
    QTest::newRow("decode four dashes checked") << true << false << u"----/.-/"_s << u"cha"_s;
}

// The box switches the engine's CH option for both presses and the sound, and adds one report line
// only while it is checked.
void TestMorseovkaOkno::chJakoZnak()
{
    QFETCH(bool, zaskrtnuto);
    QFETCH(bool, sifrovat);
    QFETCH(QString, vstup);
    QFETCH(QString, cil);
    Okno o;
    auto *ch = o.form->findChild<QCheckBox *>("chCB");
    QVERIFY(!ch->isChecked());
    ch->setChecked(zaskrtnuto);
    o.napis(vstup);
    if (sifrovat)
        QCOMPARE(o.form->kodKPrehrani(), cil);
    o.stiskni(sifrovat ? o.zasifruj : o.desifruj);
    QCOMPARE(o.cil->toPlainText(), cil);
    QCOMPARE(radkyZpravy(*o.form).contains("CH zapsáno jako ----"), zaskrtnuto);
}

// The effective speed starts at the speed, never exceeds it, follows it down (and up while equal to
// it), and is what the sound settings carry.
void TestMorseovkaOkno::efektivniRychlost()
{
    Okno o;
    auto *rychlost = o.form->findChild<QSpinBox *>("rychlostE");
    auto *efektivni = o.form->findChild<QSpinBox *>("efektivniRychlostSB");
    QCOMPARE(o.form->findChild<QLabel *>("EfektivniRychlostLab")->buddy(), efektivni);
    // Each box set in turn, and the effective speed shown and carried after it.
    const std::tuple<QSpinBox *, int, int> kroky[] = {
        {rychlost, 20, 20}, {efektivni, 30, 20}, {efektivni, 8, 8}, {rychlost, 6, 6}, {rychlost, 25, 25}};
    for (const auto &[pole, hodnota, ocekavana] : kroky) {
        pole->setValue(hodnota);
        QCOMPARE(efektivni->value(), ocekavana);
        QCOMPARE(o.form->nastaveniZvuku().efektivniSlovZaMinutu, ocekavana);
    }
}

// "Vytisknout tabulku" prints one page through the print dialog: every letter with CH after H, its
// code and its word, the digits, and the punctuation codes only when punctuation is selected.
void TestMorseovkaOkno::tabulka()
{
    for (const bool interpunkce : {false, true}) {
        QTemporaryDir slozka;
        QVERIFY(slozka.isValid() && QDir::setCurrent(slozka.path()));
        TTalvoMain hlavni;
        hlavni.findChild<QAction *>("Morseovka1SD")->trigger();
        QWidget *okno = hlavni.aktivniOkno();
        okno->findChild<QRadioButton *>(interpunkce ? "sInterpunkciRB" : "bezInterpunkceRB")->setChecked(true);
        const QString pdf = slozka.filePath(u"tabulka.pdf"_s);
        const TiskDoPdf tisk = tiskniDoPdf(hlavni.tisk()->tiskarna(), pdf, [okno] {
            QTest::mouseClick(okno->findChild<QPushButton *>("tabulkaB"), Qt::LeftButton);
        });
        QCOMPARE(tisk.dialog, u"QPrintDialog"_s);
        QVERIFY2(tisk.hlaseni.isEmpty(), qPrintable(tisk.hlaseni));
        const QList<QStringList> listy = listyPdf(pdf);
        QCOMPARE(listy.size(), 1);
        const QString text = listy[0].join(u'\n');
        // A character and its code stand side by side; the syllables of a word are drawn one by one.
        const auto radek = [&text](QStringView znak, QStringView kod) {
            return text.contains(QRegularExpression(
                QStringLiteral("(^|\\s)%1 +%2(\\s|$)")
                    .arg(QRegularExpression::escape(znak.toString()), QRegularExpression::escape(kod.toString()))));
        };
        QString bezMezer = text;
        bezMezer.remove(u' ');
        for (const MorseSlovo &slovo : MorseSlova)
            QVERIFY2(radek(slovo.znak.toString().toUpper(), MorseKod(slovo.znak)) &&
                         bezMezer.contains(slovo.slovo.toString().remove(u' ')),
                     qPrintable(slovo.slovo.toString()));
        const auto kde = [&text](const char *vzor) { return text.indexOf(QRegularExpression(vzor)); };
        QVERIFY(kde("(^|\\s)H +\\.\\.\\.\\.\\s") >= 0 && kde("(^|\\s)H +\\.\\.\\.\\.\\s") < kde("(^|\\s)CH +----\\s"));
        for (int i = 1; i < MorseSInterpunkci; ++i)
            QCOMPARE(radek(MorseTabulka[i].znak.toString().toUpper(), MorseTabulka[i].kod),
                     i < MorseBezInterpunkce || interpunkce);
    }
}

QTEST_MAIN(TestMorseovkaOkno)
#include "tst_ui_morseovka.moc"

#include "app/Main.h"
#include "windows/zpravy/Zprava.h"
#include "windows/Morseovkaunit.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

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

QTEST_MAIN(TestMorseovkaOkno)
#include "tst_ui_morseovka.moc"

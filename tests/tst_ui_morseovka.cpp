#include "app/Main.h"
#include "app/Zprava.h"
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
    QPlainTextEdit *zdroj = form->findChild<QPlainTextEdit *>(QStringLiteral("Zdroj"));
    QPlainTextEdit *cil = form->findChild<QPlainTextEdit *>(QStringLiteral("Cil"));
    QPushButton *zasifruj = form->findChild<QPushButton *>(QStringLiteral("ZasifrujB"));
    QPushButton *desifruj = form->findChild<QPushButton *>(QStringLiteral("DesifrujB"));
    QPushButton *obnov = form->findChild<QPushButton *>(QStringLiteral("Button1"));
    QRadioButton *bez = form->findChild<QRadioButton *>(QStringLiteral("bezInterpunkceRB"));
    QRadioButton *s = form->findChild<QRadioButton *>(QStringLiteral("sInterpunkciRB"));

    void napis(const QString &text)
    {
        zdroj->clear();
        // Key clicks cannot type a line break into the memo, so multi-line texts are set directly.
        if (text.contains(QLatin1Char('\n')))
            zdroj->setPlainText(text);
        else
            for (const QChar znak : text)
                QTest::sendKeyEvent(QTest::Click, zdroj, Qt::Key_unknown, QString(znak), Qt::NoModifier);
    }
    void stiskni(QPushButton *tlacitko) { QTest::mouseClick(tlacitko, Qt::LeftButton); }
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
    void obnoveni_data();
    void obnoveni();
    void obnoveniPredStiskem();
    void dvojklikVyberVse();
    void zprava_data();
    void zprava();
    void jedinaInstance();
};

void TestMorseovkaOkno::ovladace()
{
    Okno o;
    QCOMPARE(o.form->objectName(), QStringLiteral("MorseovkaForm"));
    QCOMPARE(o.form->windowTitle(), QStringLiteral("Morseovka"));
    QVERIFY(o.zdroj && o.cil && o.zasifruj && o.desifruj && o.obnov && o.bez && o.s);
    QVERIFY(o.bez->isChecked());
    QVERIFY(!o.s->isChecked());
    QVERIFY(!o.cil->isEnabled());
    QVERIFY(o.zdroj->isEnabled());
    QVERIFY(o.zdroj->toPlainText().isEmpty());
    QCOMPARE(o.zasifruj->text(), QStringLiteral("Zašifruj"));
    QCOMPARE(o.desifruj->text(), QStringLiteral("Dešifruj"));
    QCOMPARE(o.obnov->text(), QStringLiteral("Obnovit zdrojový text"));
    QCOMPARE(o.zasifruj->toolTip(), QStringLiteral("Stisknutím zašifrujete text uvedený v poli \"Zdrojový text\"."));
    QPlainTextEdit *tisk = o.form->findChild<QPlainTextEdit *>(QStringLiteral("memoTisk"));
    QVERIFY(tisk);
    QVERIFY(tisk->isHidden());
    QCOMPARE(o.form->memoTisk(), tisk);
    QCOMPARE(o.form->druhZpravy(), DruhZpravy::Morseovka);
}

void TestMorseovkaOkno::stisk_data()
{
    QTest::addColumn<bool>("interpunkce");
    QTest::addColumn<bool>("sifrovat");
    QTest::addColumn<QString>("vstup");
    QTest::addColumn<QString>("zdroj");
    QTest::addColumn<QString>("cil");
    QTest::addColumn<bool>("cilPovolen");

    QTest::newRow("encode without punctuation")
        << false << true << QStringLiteral("Ahoj, světe!") << QStringLiteral("ahoj svete")
        << QStringLiteral(".-/..../---/.---//.../...-/./-/./") << true;
    QTest::newRow("encode with punctuation")
        << true << true << QStringLiteral("Ahoj, světe!") << QStringLiteral("ahoj, svete!")
        << QStringLiteral(".-/..../---/.---/--..--//.../...-/./-/./-.-.--/") << true;
    QTest::newRow("encode punctuation only, nothing left")
        << false << true << QStringLiteral(",.!?\"()") << QString() << QString() << false;
    QTest::newRow("encode quotes and parentheses")
        << true << true << QStringLiteral("(\"a\")") << QStringLiteral("(\"a\")")
        << QStringLiteral("-.--./.-..-./.-/.-..-./-.--.-/") << true;
    QTest::newRow("encode two lines run together")
        << false << true << QStringLiteral("Ahoj!\nSvete.") << QStringLiteral("ahojsvete")
        << QStringLiteral(".-/..../---/.---/.../...-/./-/./") << true;
    QTest::newRow("encode two lines with punctuation")
        << true << true << QStringLiteral("Ahoj!\nSvete.") << QStringLiteral("ahoj!svete.")
        << QStringLiteral(".-/..../---/.---/-.-.--/.../...-/./-/./.-.-.-/") << true;
    QTest::newRow("encode capitals and diacritics")
        << true << true << QStringLiteral("Žluťoučký kůň") << QStringLiteral("zlutoucky kun")
        << QStringLiteral("--../.-../..-/-/---/..-/-.-./-.-/-.--//-.-/..-/-./") << true;
    QTest::newRow("decode space instead of slash")
        << false << false << QStringLiteral(".- -...") << QStringLiteral(".--.../") << QString() << true;
    QTest::newRow("decode two letters") << false << false << QStringLiteral(".-/-...") << QStringLiteral(".-/-.../")
                                        << QStringLiteral("ab") << true;
    QTest::newRow("decode ending in slash keeps it single")
        << false << false << QStringLiteral(".-/") << QStringLiteral(".-/") << QStringLiteral("a") << true;
    QTest::newRow("decode empty source") << false << false << QString() << QStringLiteral("/") << QString() << true;
    QTest::newRow("decode full stop with punctuation")
        << true << false << QStringLiteral(".-.-.-/") << QStringLiteral(".-.-.-/") << QStringLiteral(".") << true;
    QTest::newRow("decode full stop without punctuation")
        << false << false << QStringLiteral(".-.-.-/") << QStringLiteral(".-.-.-/") << QString() << true;
    QTest::newRow("decode drops letters and digits")
        << false << false << QStringLiteral("x.-1/Ž-...") << QStringLiteral(".-/-.../") << QStringLiteral("ab") << true;
}

void TestMorseovkaOkno::stisk()
{
    QFETCH(bool, interpunkce);
    QFETCH(bool, sifrovat);
    QFETCH(QString, vstup);
    QFETCH(QString, zdroj);
    QFETCH(QString, cil);
    QFETCH(bool, cilPovolen);

    Okno o;
    QTest::mouseClick(interpunkce ? o.s : o.bez, Qt::LeftButton);
    QCOMPARE(o.s->isChecked(), interpunkce);
    o.napis(vstup);
    QCOMPARE(o.zdroj->toPlainText(), vstup);
    o.stiskni(sifrovat ? o.zasifruj : o.desifruj);
    QCOMPARE(o.zdroj->toPlainText(), zdroj);
    QCOMPARE(o.cil->toPlainText(), cil);
    QCOMPARE(o.cil->isEnabled(), cilPovolen);
    QCOMPARE(o.form->pocetZnaku(), interpunkce ? 50 : 37);
    // The mode survives the press.
    QCOMPARE(o.s->isChecked(), interpunkce);
}

void TestMorseovkaOkno::prazdnySifrovanyZdrojNechaCil()
{
    Okno o;
    o.napis(QStringLiteral("Sos"));
    o.stiskni(o.zasifruj);
    QCOMPARE(o.cil->toPlainText(), QStringLiteral(".../---/.../"));
    o.napis(QStringLiteral("?!,"));
    o.stiskni(o.zasifruj);
    QCOMPARE(o.zdroj->toPlainText(), QString());
    QCOMPARE(o.cil->toPlainText(), QStringLiteral(".../---/.../"));
    QVERIFY(o.cil->isEnabled());
    // The typed punctuation can still be brought back.
    o.stiskni(o.obnov);
    QCOMPARE(o.zdroj->toPlainText(), QStringLiteral("?!,"));
}

void TestMorseovkaOkno::obnoveni_data()
{
    QTest::addColumn<bool>("sifrovat");
    QTest::addColumn<QString>("vstup");
    QTest::newRow("after encoding") << true << QStringLiteral("Ahoj, světe!");
    QTest::newRow("after decoding, spaces and all") << false << QStringLiteral(".- -... ěšč");
    QTest::newRow("after encoding two lines") << true << QStringLiteral("Řádek 1\nŘádek 2");
}

void TestMorseovkaOkno::obnoveni()
{
    QFETCH(bool, sifrovat);
    QFETCH(QString, vstup);
    Okno o;
    o.napis(vstup);
    o.stiskni(sifrovat ? o.zasifruj : o.desifruj);
    QVERIFY(o.zdroj->toPlainText() != vstup);
    const QString cil = o.cil->toPlainText();
    o.stiskni(o.obnov);
    QCOMPARE(o.zdroj->toPlainText(), vstup);
    QCOMPARE(o.cil->toPlainText(), cil);
    // A second press restores the same text again, even after the user changed the memo.
    o.zdroj->setPlainText(QStringLiteral("jiny text"));
    o.stiskni(o.obnov);
    QCOMPARE(o.zdroj->toPlainText(), vstup);
    QCOMPARE(o.form->ulozenyText(), vstup);
}

void TestMorseovkaOkno::obnoveniPredStiskem()
{
    Okno o;
    o.napis(QStringLiteral("rozepsano"));
    o.stiskni(o.obnov);
    // Nothing was saved yet but the memo's initial, empty text.
    QCOMPARE(o.zdroj->toPlainText(), QString());
    QVERIFY(!o.cil->isEnabled());
}

void TestMorseovkaOkno::dvojklikVyberVse()
{
    Okno o;
    o.form->resize(800, 608);
    o.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(o.form.get()));

    o.napis(QStringLiteral("ahoj svete"));
    // A disabled target takes no double click.
    QTest::mouseDClick(o.cil->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(!o.cil->textCursor().hasSelection());

    QTest::mouseDClick(o.zdroj->viewport(), Qt::LeftButton, {}, QPoint(10, 8));
    QCOMPARE(o.zdroj->textCursor().selectedText(), QStringLiteral("ahoj svete"));

    o.stiskni(o.zasifruj);
    QVERIFY(!o.cil->textCursor().hasSelection());
    QTest::mouseDClick(o.cil->viewport(), Qt::LeftButton, {}, QPoint(10, 8));
    QCOMPARE(o.cil->textCursor().selectedText(), QStringLiteral(".-/..../---/.---//.../...-/./-/./"));
}

void TestMorseovkaOkno::zprava_data()
{
    QTest::addColumn<QString>("vstup");
    QTest::addColumn<bool>("sifrovat");
    QTest::addColumn<QStringList>("radky");
    QTest::newRow("encoded text") << QStringLiteral("Ahoj, světe!") << true
                                  << QStringList{QStringLiteral("Zdrojovy text:"), QStringLiteral("ahoj svete"),
                                                 QString(), QStringLiteral("Cilovy text:"),
                                                 QStringLiteral(".-/..../---/.---//.../...-/./-/./")};
    QTest::newRow("nothing pressed yet") << QString() << false
                                         << QStringList{QStringLiteral("Zdrojovy text:"), QString(), QString(),
                                                        QStringLiteral("Cilovy text:"), QString()};
    QTest::newRow("source of two lines contributes two lines")
        << QStringLiteral("prvni\ndruhy") << false
        << QStringList{QStringLiteral("Zdrojovy text:"), QStringLiteral("prvni"),
                       QStringLiteral("druhy"),          QString(),
                       QStringLiteral("Cilovy text:"),   QString()};
}

void TestMorseovkaOkno::zprava()
{
    QFETCH(QString, vstup);
    QFETCH(bool, sifrovat);
    QFETCH(QStringList, radky);
    Okno o;
    o.napis(vstup);
    if (sifrovat)
        o.stiskni(o.zasifruj);
    QCOMPARE(radkyZpravy(*o.form), radky);
    // The box is emptied first, so a second report holds the same lines once.
    QCOMPARE(radkyZpravy(*o.form), radky);
    QCOMPARE(o.form->memoTisk()->toPlainText(), radky.join(QLatin1Char('\n')));
}

void TestMorseovkaOkno::jedinaInstance()
{
    QTemporaryDir slozka;
    QVERIFY(slozka.isValid());
    QVERIFY(QDir::setCurrent(slozka.path()));
    TTalvoMain hlavni;
    QAction *morseovka = hlavni.findChild<QAction *>(QStringLiteral("Morseovka1SD"));
    QAction *ulozit = hlavni.findChild<QAction *>(QStringLiteral("Ulozit"));
    QAction *tisk = hlavni.findChild<QAction *>(QStringLiteral("Tisk"));
    QVERIFY(morseovka && ulozit && tisk);
    QVERIFY(!ulozit->isEnabled());
    QVERIFY(!hlavni.jeOtevreno(TTalvoMain::Jedinecne::Morseovka));

    morseovka->trigger();
    QVERIFY(hlavni.jeOtevreno(TTalvoMain::Jedinecne::Morseovka));
    QCOMPARE(hlavni.mdiArea()->subWindowList().size(), 1);
    QPointer<TMorseovkaForm> prvni = qobject_cast<TMorseovkaForm *>(hlavni.aktivniOkno());
    QVERIFY(prvni);
    QVERIFY(ulozit->isEnabled());
    QVERIFY(tisk->isEnabled());
    QVERIFY(hlavni.mdiArea()->subWindowList().first()->isMaximized());

    morseovka->trigger();
    QCOMPARE(hlavni.mdiArea()->subWindowList().size(), 1);
    QCOMPARE(qobject_cast<TMorseovkaForm *>(hlavni.aktivniOkno()), prvni.data());

    hlavni.mdiArea()->subWindowList().first()->close();
    QTRY_VERIFY(prvni.isNull());
    QVERIFY(!hlavni.jeOtevreno(TTalvoMain::Jedinecne::Morseovka));
    // Save and Print stay enabled after the window is gone.
    QVERIFY(ulozit->isEnabled());
    QVERIFY(tisk->isEnabled());

    morseovka->trigger();
    QVERIFY(hlavni.jeOtevreno(TTalvoMain::Jedinecne::Morseovka));
    auto *druhy = qobject_cast<TMorseovkaForm *>(hlavni.aktivniOkno());
    QVERIFY(druhy);
    QVERIFY(druhy->findChild<QPlainTextEdit *>(QStringLiteral("Zdroj"))->toPlainText().isEmpty());
}

QTEST_MAIN(TestMorseovkaOkno)
#include "tst_ui_morseovka.moc"

// The semaphore window (states, picture grid, length limit, no Save/Print) and its 28 pictures.
#include "app/Main.h"
#include "resources/Zdroje.h"
#include "support/OdpovidacOken.h"
#include "windows/Semaforsifrujunit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>

class TestSemaforOkno : public QObject
{
    Q_OBJECT
private slots:
    void zasifruj_data();
    void zasifruj();
    void limit_data();
    void limit();
    void bezUlozeniATisku();
    void obrazky();
};

void TestSemaforOkno::zasifruj_data()
{
    QTest::addColumn<QString>("vstup");
    QTest::addColumn<QString>("zdroj");
    QTest::addColumn<QList<int>>("cisla");
    QTest::addColumn<QString>("odmitnuti");
    const auto radek = [](const char *nazev, const QString &vstup, const QString &zdroj, const QList<int> &cisla,
                          int zadano = -1) {
        const QString odmitnuti = QString("Text je příliš dlouhý nebo krátký. Zadali jste %1 z 300 znaků").arg(zadano);
        QTest::newRow(nazev) << vstup << zdroj << cisla << (zadano < 0 ? QString() : odmitnuti);
    };
    const QString text300 = QString("abcdefghij").repeated(30);
    QList<int> cisla300;
    for (int i = 0; i < 300; ++i)
        cisla300 << i % 10 + 1;
    radek("initial text, rows of 12, 12, 10", QString(), "toto je text ktery chci zasifrovat",
          {20, 15, 20, 15, 28, 10, 5,  28, 20, 5,  24, 20, 28, 11, 20, 5, 18,
           25, 28, 3,  8,  3,  9,  28, 26, 1,  19, 9,  6,  18, 15, 22, 1, 20});
    radek("Ahoj! shows four", "Ahoj!", "ahoj", {1, 8, 15, 10});
    radek("numerals and letters sign", "*12j", "*12j", {27, 1, 2, 10});
    radek("colon skipped, no gap", "a:b", "a:b", {1, 2});
    radek("lines run together", "Ahoj\nSvěte", "ahojsvete", {1, 8, 15, 10, 19, 22, 5, 20, 5});
    radek("300 characters, 25 full rows", text300, text300, cisla300);
    radek("punctuation only", "?!,.()", "", {}, 0);
    radek("line breaks only", "\n\n", "", {}, 0);
    // 150 dotted capitals lower-case to 300 characters and the colon, which has no picture, counts
    // too; the memo shows the whole cleaned text, beyond the limit of typing.
    radek("colon counts", QString(150, u'\u0130') + ":", QString("i\u0307").repeated(150) + ":", {}, 301);
}

// "Zašifruj" cleans the source and places picture k at column k mod 12, row k div 12, or refuses
// and stays in Editing; "Obnovit zdrojový text" brings back the typed text and changes nothing
// else; "Smazat cilový text" removes exactly the placed pictures.
void TestSemaforOkno::zasifruj()
{
    QFETCH(QString, vstup);
    QFETCH(QString, zdroj);
    QFETCH(QList<int>, cisla);
    QFETCH(QString, odmitnuti);
    TSemaforSifrujForm form;
    auto *memo = form.findChild<QPlainTextEdit *>("Zdroj");
    auto *zasifruj = form.findChild<QPushButton *>("ZasifrujDesifrujB");
    auto *smazat = form.findChild<QPushButton *>("SmazatB");
    auto *cil = form.findChild<QScrollArea *>("cil");
    const auto stav = [&] { return QList<bool>{memo->isEnabled(), zasifruj->isEnabled(), smazat->isEnabled()}; };
    const auto umistene = [&] { return cil->widget()->findChildren<QLabel *>(); };
    const QList<bool> upravy{true, true, false}, zobrazeni = odmitnuti.isNull() ? QList{false, false, true} : upravy;
    QCOMPARE(form.objectName() + form.windowTitle(), "SemaforSifrujFormSemafor");
    QCOMPARE(cil->size(), QSize(697, 212));
    QCOMPARE(cil->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(stav(), upravy);
    if (vstup.isNull())
        vstup = memo->toPlainText();
    memo->setPlainText(vstup);

    OdpovidacOken odpovidac;
    odpovidac.ocekavej();
    QTest::mouseClick(zasifruj, Qt::LeftButton);
    QCOMPARE(odpovidac.text(), odmitnuti);
    QCOMPARE(memo->toPlainText(), zdroj);
    QCOMPARE(stav(), zobrazeni);
    const QList<QLabel *> obrazky = form.obrazky();
    QCOMPARE(umistene().size(), cisla.size());
    QCOMPARE(obrazky.size(), cisla.size());
    for (qsizetype k = 0; k < cisla.size(); ++k) {
        QCOMPARE(obrazky[k]->geometry(), QRect(48 * int(k % 12), 48 * int(k / 12), 48, 48));
        QCOMPARE(obrazky[k]->pixmap().toImage(), bitmapaZdroje(cisla[k]).toImage());
    }
    QCOMPARE(cil->widget()->height(), 48 * int((cisla.size() + 11) / 12));

    QTest::mouseClick(form.findChild<QPushButton *>("Button1"), Qt::LeftButton);
    QCOMPARE(memo->toPlainText(), vstup);
    QCOMPARE(umistene().size(), cisla.size());
    QCOMPARE(stav(), zobrazeni);
    if (smazat->isEnabled())
        QTest::mouseClick(smazat, Qt::LeftButton);
    QVERIFY(umistene().isEmpty() && form.obrazky().isEmpty());
    QCOMPARE(stav(), upravy);
}

void TestSemaforOkno::limit_data()
{
    QTest::addColumn<QString>("puvodni"); // "|" marks the cursor
    QTest::addColumn<QString>("vlozeno");
    QTest::addColumn<bool>("napsano");
    QTest::addColumn<QString>("vysledek");
    const QString a(300, u'a');
    QTest::newRow("typed past the limit") << "|" << QString(305, u'b') << true << QString(300, u'b');
    QTest::newRow("typed into a full memo") << "aaaaa|" + a.left(295) << "Q" << true << a;
    QTest::newRow("pasted past the limit") << "|" << QString(400, u'c') << false << QString(300, u'c');
    QTest::newRow("pasted into the middle")
        << a.left(10) + "|" + a.left(280) << QString(20, u'x') << false << a.left(10) + QString(10, u'x') + a.left(280);
    QTest::newRow("paste that fits") << "a|b"
                                     << "Žluť" << false << "aŽluťb";
}

// The source holds at most 300 characters; what goes beyond is cut where it was added, and one
// undo takes back a paste with its cut.
void TestSemaforOkno::limit()
{
    QFETCH(QString, puvodni);
    QFETCH(QString, vlozeno);
    QFETCH(bool, napsano);
    QFETCH(QString, vysledek);
    TSemaforSifrujForm form;
    auto *memo = form.findChild<QPlainTextEdit *>("Zdroj");
    const int kurzor = int(puvodni.indexOf(u'|'));
    memo->setPlainText(puvodni.remove(kurzor, 1));
    QTextCursor kurzorMema = memo->textCursor();
    kurzorMema.setPosition(kurzor);
    memo->setTextCursor(kurzorMema);
    if (napsano) {
        QTest::keyClicks(memo, vlozeno);
    } else {
        QApplication::clipboard()->setText(vlozeno);
        memo->paste();
    }
    QCOMPARE(memo->toPlainText(), vysledek);
    if (!napsano) {
        memo->undo();
        QCOMPARE(memo->toPlainText(), puvodni);
    }
}

// Only the semaphore window open, Save and Print stay disabled; enabled by another window, they
// do nothing while it is active.
void TestSemaforOkno::bezUlozeniATisku()
{
    QTemporaryDir slozka;
    QVERIFY(slozka.isValid() && QDir::setCurrent(slozka.path()));
    TTalvoMain hlavni;
    const auto akce = [&hlavni](const char *jmeno) { return hlavni.findChild<QAction *>(jmeno); };
    akce("Semafor1SD")->trigger();
    QVERIFY(qobject_cast<TSemaforSifrujForm *>(hlavni.aktivniOkno()));
    QVERIFY(!akce("Ulozit")->isEnabled() && !akce("Tisk")->isEnabled());

    akce("Morseovka1SD")->trigger();
    akce("Semafor1SD")->trigger();
    QVERIFY(qobject_cast<TSemaforSifrujForm *>(hlavni.aktivniOkno()));
    QVERIFY(akce("Ulozit")->isEnabled() && akce("Tisk")->isEnabled());
    OdpovidacOken odpovidac;
    odpovidac.ocekavej();
    akce("Ulozit")->trigger();
    akce("Tisk")->trigger();
    QVERIFY(!odpovidac.odpovezeno());
    hlavni.mdiArea()->currentSubWindow()->close();
    QTRY_VERIFY(!hlavni.jeOtevreno(TTalvoMain::Jedinecne::Semafor));
}

// The 28 bitmaps: 48 x 48 at 24 bits, all different, 28 all white. A sign and its mirror sign
// (A and G, H and Z, ...) are mirror images above the lettering, which catches a flag drawn at a
// wrong clock position.
void TestSemaforOkno::obrazky()
{
    QList<QImage> obrazy;
    for (int n = 1; n <= 28; ++n) {
        QFile soubor(cestaZdroje(n));
        QVERIFY(soubor.open(QIODevice::ReadOnly));
        QCOMPARE(quint8(soubor.read(30).at(28)), 24);
        obrazy << bitmapaZdroje(n).toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(obrazy.last().size(), QSize(48, 48));
        QCOMPARE(obrazy.indexOf(obrazy.last()), n - 1);
    }
    QImage bila(48, 48, QImage::Format_RGB32);
    bila.fill(Qt::white);
    QCOMPARE(obrazy.last(), bila);

    // Antialiasing leaves a few pixels apart; two different signs differ in well over a hundred.
    const QList<std::pair<int, int>> zrcadla{{1, 7},   {2, 6},   {3, 5},   {8, 26},  {9, 24},  {11, 22}, {13, 19},
                                             {15, 23}, {16, 10}, {17, 25}, {20, 27}, {14, 14}, {18, 18}, {21, 21}};
    for (const auto &[a, b] : zrcadla) {
        const QImage zrcadlo = obrazy[a - 1].mirrored(true, false);
        int rozdil = 0;
        for (int i = 0; i < 48 * 37; ++i)
            rozdil += std::abs(qGray(zrcadlo.pixel(i % 48, i / 48)) - qGray(obrazy[b - 1].pixel(i % 48, i / 48))) > 48;
        QVERIFY2(rozdil < 40, qPrintable(QString("%1 %2: %3").arg(a).arg(b).arg(rozdil)));
    }
}

QTEST_MAIN(TestSemaforOkno)
#include "tst_ui_semafor.moc"

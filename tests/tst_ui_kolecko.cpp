#include "app/Main.h"
#include "resources/Zdroje.h"
#include "resources/kresby/KresbaKolecko.h"
#include "resources/kresby/Kresby.h"
#include "support/OdpovidacOken.h"
#include "windows/Koleckosifrujunit.h"
#include "windows/zpravy/TiskZpravy.h"

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <memory>

namespace {
const QString Chyba = QStringLiteral("Zadali jste \"%1\". Zadavejte  jen JEDEN znak nebo cislici!");

struct Okno
{
    std::unique_ptr<TKoleckoSifrujForm> form = std::make_unique<TKoleckoSifrujForm>();
    QPlainTextEdit *zdroj = form->findChild<QPlainTextEdit *>("Zdroj");
    QPlainTextEdit *cil = form->findChild<QPlainTextEdit *>("Cil");
    QLineEdit *klic = form->findChild<QLineEdit *>("klicE");
    QRadioButton *sCh = form->findChild<QRadioButton *>("sCh");
    QRadioButton *bezCh = form->findChild<QRadioButton *>("bezCh");
    QPushButton *prevod = form->findChild<QPushButton *>("ZasifrujDesifrujB");
    QPushButton *obnov = form->findChild<QPushButton *>("Button1");
    QLabel *obrazek = form->findChild<QLabel *>("KoleckoImage");

    // Replaces the key by typing over it; a refused key's box is answered and its text returned.
    QString zadejKlic(const QString &text)
    {
        OdpovidacOken odpovidac;
        odpovidac.ocekavej();
        klic->selectAll();
        if (text.isEmpty())
            QTest::keyClick(klic, Qt::Key_Backspace);
        for (const QChar znak : text)
            QTest::sendKeyEvent(QTest::Click, klic, Qt::Key_unknown, QString(znak), Qt::NoModifier);
        return odpovidac.odpovezeno() ? odpovidac.text() : QString();
    }
    QString preved(const QString &text)
    {
        zdroj->setPlainText(text);
        QTest::mouseClick(prevod, Qt::LeftButton);
        return cil->toPlainText();
    }
};
} // namespace

class TestKoleckoOkno : public QObject
{
    Q_OBJECT
private slots:
    void ovladace();
    void stisk_data();
    void stisk();
    void klic_data();
    void klic();
    void druh_data();
    void druh();
    void zprava_data();
    void zprava();
    void ulozitATisknoutZMenu();
    void kresby_data();
    void kresby();
};

void TestKoleckoOkno::ovladace()
{
    Okno o;
    QCOMPARE(o.form->objectName(), "KoleckoSifrujForm");
    QCOMPARE(o.form->windowTitle(), "Šifrovací kolečko");
    QVERIFY(o.zdroj && o.cil && o.klic && o.sCh && o.bezCh && o.prevod && o.obnov && o.obrazek);
    QCOMPARE(o.zdroj->toPlainText(), "Toto je text který chci zašifrovat");
    QCOMPARE(o.klic->text(), "B");
    QVERIFY(o.sCh->isChecked() && !o.bezCh->isChecked() && o.cil->toPlainText().isEmpty());
    QCOMPARE(o.form->otoceni(), 1);
    QCOMPARE(o.form->delka(), 37);
    QCOMPARE(o.form->cisloObrazku(), 72);
    QCOMPARE(o.form->druhZpravy(), DruhZpravy::Kolecko);
    QCOMPARE(o.form->ulozenyText(), o.zdroj->toPlainText());

    QList<QWidget *> poradi;
    const QList<QWidget *> ovladace = {o.zdroj, o.cil, o.prevod, o.klic, o.bezCh, o.sCh, o.obnov};
    QWidget *w = o.zdroj;
    for (int krok = 0; krok < 100 && poradi.size() < ovladace.size(); ++krok, w = w->nextInFocusChain())
        if (ovladace.contains(w))
            poradi.append(w);
    QCOMPARE(poradi, ovladace);
}

void TestKoleckoOkno::stisk_data()
{
    QTest::addColumn<bool>("sCh");
    QTest::addColumn<QString>("klic");
    QTest::addColumn<QString>("vstup");
    QTest::addColumn<QString>("zdroj"); // after the press, and after two presses and the restore
    QTest::addColumn<QString>("cil");   // "puvodni" when the target is left alone
    QTest::addColumn<QString>("zpet");  // the target pressed once more
    QTest::newRow("defaults") << true << "B"
                              << "Toto je text který chci zašifrovat"
                              << "toto je text ktery chci zasifrovat"
                              << "rwrw 28 r8nr 1r8tm 0503 lbs37twpbr"
                              << "toto je text ktery chci zasifrovat";
    QTest::newRow("without CH") << false << "B"
                                << "Toto je text který chci zašifrovat"
                                << "toto je text ktery chci zasifrovat"
                                << "sxsx 38 s8os 2s8un 0504 mbt47uxqbs"
                                << "toto je text ktery chci zasifrovat";
    QTest::newRow("two lines run together") << true << "a"
                                            << "Ahoj\r\nSvěte"
                                            << "ahojsvete"
                                            << "a4v1ro7q7"
                                            << "ahojsvete";
    QTest::newRow("hyphen dropped without CH") << false << "b"
                                               << "Chata 4-x"
                                               << "chata 4-x"
                                               << "05bsb io"
                                               << "chata 4x";
    QTest::newRow("nothing left, target kept") << true << "b"
                                               << "?!,."
                                               << ""
                                               << "puvodni"
                                               << "";
}

// A press cleans the source in place and fills the target; pressing the result again gives the
// text back; the restore button brings back the last press's source, not the typed one.
void TestKoleckoOkno::stisk()
{
    QFETCH(bool, sCh);
    QFETCH(QString, klic);
    QFETCH(QString, vstup);
    QFETCH(QString, zdroj);
    QFETCH(QString, cil);
    QFETCH(QString, zpet);

    Okno o;
    QTest::mouseClick(sCh ? o.sCh : o.bezCh, Qt::LeftButton);
    QCOMPARE(o.zadejKlic(klic), QString());
    o.cil->setPlainText("puvodni");
    QCOMPARE(o.preved(vstup), cil);
    QCOMPARE(o.zdroj->toPlainText(), zdroj);
    QTest::mouseClick(o.prevod, Qt::LeftButton);
    o.zdroj->setPlainText("rozepsano");
    QTest::mouseClick(o.obnov, Qt::LeftButton);
    QCOMPARE(o.zdroj->toPlainText(), zdroj);
    if (cil != "puvodni")
        QCOMPARE(o.preved(cil), zpet);
}

void TestKoleckoOkno::klic_data()
{
    QTest::addColumn<QString>("klic");
    QTest::addColumn<QString>("hlaseni");
    QTest::addColumn<int>("otoceni");
    QTest::addColumn<QString>("a"); // what "a" becomes: the key's own character
    QTest::newRow("i") << "i" << QString() << 9 << "i";
    QTest::newRow("capital with caron") << "Č" << QString() << 2 << "c";
    QTest::newRow("zero") << "0" << QString() << 36 << "0";
    QTest::newRow("Ch refused") << "Ch" << Chyba.arg("ch") << 1 << "b";
    QTest::newRow("hyphen refused") << "-" << Chyba.arg("-") << 1 << "b";
    QTest::newRow("full stop cleans to nothing") << "." << Chyba.arg("") << 1 << "b";
    QTest::newRow("emptied") << "" << Chyba.arg("") << 1 << "b";
}

// Every keystroke looks the key up; a refused key is told in a box and falls back to position 1.
void TestKoleckoOkno::klic()
{
    QFETCH(QString, klic);
    QFETCH(QString, hlaseni);
    QFETCH(int, otoceni);
    QFETCH(QString, a);

    Okno o;
    QCOMPARE(o.zadejKlic("x"), QString());
    QCOMPARE(o.zadejKlic(klic), hlaseni);
    QCOMPARE(o.klic->text(), klic);
    QCOMPARE(o.form->otoceni(), otoceni);
    QCOMPARE(o.preved("a"), a);
}

void TestKoleckoOkno::druh_data()
{
    QTest::addColumn<QString>("klic");
    QTest::addColumn<int>("sCh");
    QTest::addColumn<int>("bezCh");
    QTest::addColumn<QString>("a");
    QTest::newRow("b, same on both") << "b" << 1 << 1 << "b";
    QTest::newRow("i, one apart") << "i" << 9 << 8 << "i";
    QTest::newRow("0, last on both") << "0" << 36 << 35 << "0";
    QTest::newRow("refused key") << "ch" << 1 << 1 << "b";
}

// Switching the wheel shows its picture, sets its ring length and looks the key up again
// without a box, so the key stands for the same character on either wheel.
void TestKoleckoOkno::druh()
{
    QFETCH(QString, klic);
    QFETCH(int, sCh);
    QFETCH(int, bezCh);
    QFETCH(QString, a);

    Okno o;
    o.zadejKlic(klic);
    for (const bool sCh_ : {false, true, false}) {
        OdpovidacOken odpovidac;
        odpovidac.ocekavej();
        QTest::mouseClick(sCh_ ? o.sCh : o.bezCh, Qt::LeftButton);
        QVERIFY(!odpovidac.odpovezeno());
        const int cislo = sCh_ ? 72 : 71;
        QCOMPARE(o.form->cisloObrazku(), cislo);
        QCOMPARE(o.obrazek->pixmap().toImage(), obrazekZdroje(cislo).convertToFormat(QImage::Format_RGB32));
        QCOMPARE(o.form->delka(), sCh_ ? 37 : 36);
        QCOMPARE(o.form->otoceni(), sCh_ ? sCh : bezCh);
        QCOMPARE(o.preved("a"), a);
    }
}

void TestKoleckoOkno::zprava_data()
{
    QTest::addColumn<int>("stisky"); // presses of the button before the report; -1: press, then restore
    QTest::addColumn<QString>("zdroj");
    QTest::addColumn<QString>("cil");
    QTest::newRow("before any press, as typed") << 0 << "Čau\r\nsvěte"
                                                << "";
    QTest::newRow("after a press, cleaned") << 1 << "causvete"
                                            << "acrtq9s9";
    QTest::newRow("after the restore, as typed") << -1 << "Čau\r\nsvěte"
                                                 << "acrtq9s9";
}

void TestKoleckoOkno::zprava()
{
    QFETCH(int, stisky);
    QFETCH(QString, zdroj);
    QFETCH(QString, cil);

    Okno o;
    o.zadejKlic("Č");
    o.zdroj->setPlainText("Čau\nsvěte");
    if (stisky != 0)
        QTest::mouseClick(o.prevod, Qt::LeftButton);
    if (stisky < 0)
        QTest::mouseClick(o.obnov, Qt::LeftButton);
    const QStringList radky =
        QStringList{"Zdrojový text:"} + zdroj.split("\r\n") + QStringList{"", "Klíč:", "Č", "", "Cilový text:", cil};
    QCOMPARE(radkyZpravy(*o.form), radky);
}

// The menu opens one wheel window; Save writes its report and Print prints it.
void TestKoleckoOkno::ulozitATisknoutZMenu()
{
    QTemporaryDir slozka;
    QVERIFY(slozka.isValid() && QDir::setCurrent(slozka.path()));
    TTalvoMain hlavni;
    QAction *kolecko = hlavni.findChild<QAction *>("SifrovaciKolecko1SD");
    QVERIFY(kolecko && !hlavni.findChild<QAction *>("Ulozit")->isEnabled());
    kolecko->trigger();
    kolecko->trigger();
    QCOMPARE(hlavni.mdiArea()->subWindowList().size(), 1);
    auto *form = qobject_cast<TKoleckoSifrujForm *>(hlavni.aktivniOkno());
    QVERIFY(form && hlavni.jeOtevreno(TTalvoMain::Jedinecne::Kolecko));
    QVERIFY(hlavni.findChild<QAction *>("Ulozit")->isEnabled() && hlavni.findChild<QAction *>("Tisk")->isEnabled());
    form->findChild<QPushButton *>("ZasifrujDesifrujB")->click();

    const QString txt = slozka.filePath("kolecko.txt");
    OdpovidacOken ulozeni([&txt](QWidget *okno) {
        if (auto *dialog = qobject_cast<QFileDialog *>(okno))
            dialog->selectFile(txt);
        OdpovidacOken::prijmi(okno);
    });
    ulozeni.ocekavej();
    hlavni.findChild<QAction *>("Ulozit")->trigger();
    QFile soubor(txt);
    QVERIFY(soubor.open(QIODevice::ReadOnly));
    // Windows-1250: ý FD, í ED, č E8.
    QCOMPARE(soubor.readAll(), QByteArray("Zdrojov\xFD text:\r\ntoto je text ktery chci zasifrovat\r\n\r\nKl\xED\xE8:"
                                          "\r\nB\r\n\r\nCilov\xFD text:\r\nrwrw 28 r8nr 1r8tm 0503 lbs37twpbr\r\n"));

    const QString pdf = slozka.filePath("kolecko.pdf");
    hlavni.tisk()->tiskarna()->setOutputFormat(QPrinter::PdfFormat);
    hlavni.tisk()->tiskarna()->setOutputFileName(pdf);
    OdpovidacOken tisk([&pdf](QWidget *okno) {
        if (auto *soubor = okno->findChild<QLineEdit *>("filename"))
            soubor->setText(pdf);
        OdpovidacOken::prijmi(okno);
    });
    tisk.ocekavej();
    hlavni.findChild<QAction *>("Tisk")->trigger();
    QVERIFY(tisk.odpovezeno());
    QProcess pdftotext;
    pdftotext.start("pdftotext", {pdf, "-"});
    QVERIFY(pdftotext.waitForFinished(20000));
    const QString vytisk = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QVERIFY2(vytisk.contains("Klíč:\nB\n") && vytisk.contains("rwrw 28 r8nr 1r8tm 0503 lbs37twpbr"),
             qPrintable(vytisk));

    hlavni.mdiArea()->subWindowList().first()->close();
    QTRY_VERIFY(!hlavni.jeOtevreno(TTalvoMain::Jedinecne::Kolecko));
}

void TestKoleckoOkno::kresby_data()
{
    QTest::addColumn<int>("cislo");
    QTest::addColumn<bool>("sCh");
    QTest::addColumn<QString>("vnejsi");
    QTest::addColumn<QString>("vnitrni");
    QTest::newRow("71 without CH") << 71 << false
                                   << "A B C D E F G H I J K L M N O P Q R S T U V W X Y Z 1 2 3 4 5 6 7 8 9 0"
                                   << "A 0 9 8 7 6 5 4 3 2 1 Z Y X W V U T S R Q P O N M L K J I H G F E D C B";
    QTest::newRow("72 with CH") << 72 << true
                                << "A B C D E F G H CH I J K L M N O P Q R S T U V W X Y Z 1 2 3 4 5 6 7 8 9 0"
                                << "A 0 9 8 7 6 5 4 3 2 1 Z Y X W V U T S R Q P O N M L K J I CH H G F E D C B";
}

// The wheel's labels read the engine's rings clockwise from the top, inner beside outer, and the
// picture has one sector border per ring character.
void TestKoleckoOkno::kresby()
{
    QFETCH(int, cislo);
    QFETCH(bool, sCh);
    QFETCH(QString, vnejsi);
    QFETCH(QString, vnitrni);

    const DruhKolecka druh = sCh ? DruhKolecka::sCh : DruhKolecka::bezCh;
    const QList<PopisekSektoru> popisky = popiskyKolecka(druh);
    const qsizetype delka = popisky.size() / 2;
    QCOMPARE(delka, delkaKruhu(druh));
    QStringList venku, uvnitr;
    for (qsizetype p = 0; p < delka; ++p) {
        venku.append(popisky[p].text);
        uvnitr.append(popisky[delka + p].text);
        QCOMPARE(popisky[delka + p].uhel, popisky[p].uhel);
        QVERIFY(popisky[delka + p].polomer < popisky[p].polomer);
    }
    QCOMPARE(venku.join(' '), vnejsi);
    QCOMPARE(uvnitr.join(' '), vnitrni);
    QCOMPARE(popisky[0].uhel, 0.0);

    QImage obraz;
    for (const Kresba &k : kresbyKolecka())
        if (k.cislo == cislo)
            obraz = k.obraz;
    QCOMPARE(obraz.size(), QSize(260, 258));
    QCOMPARE(obrazekZdroje(cislo).size(), QSize(260, 258));
    // Walk round the outer ring just inside the rim, above the letters, counting dark crossings.
    const auto &g = geometrieKolecka;
    const double polomer = g.okraj - 3;
    int hranice = 0;
    bool tma = false;
    for (int i = 0; i < 7200; ++i) {
        const double uhel = 2 * M_PI * (i + 0.5) / 7200;
        const QPoint bod(qRound(g.stredX + polomer * std::sin(uhel)), qRound(g.stredY - polomer * std::cos(uhel)));
        const bool ted = qGray(obraz.pixel(bod)) < 200;
        hranice += ted && !tma;
        tma = ted;
    }
    QCOMPARE(hranice, delka);
}

QTEST_MAIN(TestKoleckoOkno)
#include "tst_ui_kolecko.moc"

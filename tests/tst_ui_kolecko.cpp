#include "app/Main.h"
#include "resources/Zdroje.h"
#include "resources/kresby/KresbaKolecko.h"
#include "resources/kresby/Kresby.h"
#include "support/OdpovidacOken.h"
#include "windows/Koleckosifrujunit.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {
struct Okno
{
    TKoleckoSifrujForm form;
    QPlainTextEdit *zdroj = form.findChild<QPlainTextEdit *>("Zdroj");
    QPlainTextEdit *cil = form.findChild<QPlainTextEdit *>("Cil");
    QLineEdit *klic = form.findChild<QLineEdit *>("klicE");
    QRadioButton *sCh = form.findChild<QRadioButton *>("sCh");
    QRadioButton *bezCh = form.findChild<QRadioButton *>("bezCh");
    QPushButton *prevod = form.findChild<QPushButton *>("ZasifrujDesifrujB");

    // Types the key over the old one; returns the text of the box a refused key opens.
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
    QStringList zprava(const QString &klic, const QString &cil)
    {
        return QStringList{"Zdrojový text:", zdroj->toPlainText(), "", "Klíč:", klic, "", "Cilový text:", cil};
    }
};
} // namespace

class TestKoleckoOkno : public QObject
{
    Q_OBJECT
private slots:
    void vychozi();
    void stisk_data();
    void stisk();
    void klic_data();
    void klic();
    void jednoOknoZMenu();
    void kresby_data();
    void kresby();
};

void TestKoleckoOkno::vychozi()
{
    Okno o;
    QVERIFY(o.sCh->isChecked() && o.form.otoceni() == 1 && o.form.delka() == 37 && o.form.cisloObrazku() == 72);
    QCOMPARE(radkyZpravy(o.form), o.zprava("B", ""));
    QCOMPARE(o.zdroj->toPlainText(), "Toto je text který chci zašifrovat");
    const QList<QWidget *> poradi = {
        o.zdroj, o.prevod, o.form.findChild<QPushButton *>("Button1"), o.cil, o.bezCh, o.sCh, o.klic};
    QList<QWidget *> fokus;
    QWidget *w = o.zdroj;
    for (int krok = 0; krok < 100 && fokus.size() < poradi.size(); ++krok, w = w->nextInFocusChain())
        if (poradi.contains(w))
            fokus.append(w);
    QCOMPARE(fokus, poradi);
}

void TestKoleckoOkno::stisk_data()
{
    QTest::addColumn<bool>("sCh");
    QTest::addColumn<QString>("klic");
    QTest::addColumn<QString>("vstup");
    QTest::addColumn<QString>("zdroj"); // after two presses and the restore
    QTest::addColumn<QString>("cil");   // "puvodni": the target was left alone
    QTest::addColumn<QString>("zpet");  // the target pressed once more
    const auto radek = [](const char *nazev, bool sCh, const char *klic, const char *vstup, const char *zdroj,
                          const char *cil, const char *zpet) {
        QTest::newRow(nazev) << sCh << QString(klic) << QString(vstup) << QString(zdroj) << QString(cil)
                             << QString(zpet);
    };
    const char *text = "Toto je text který chci zašifrovat", *cisty = "toto je text ktery chci zasifrovat";
    radek("defaults", true, "B", text, cisty, "rwrw 28 r8nr 1r8tm 0503 lbs37twpbr", cisty);
    radek("without CH", false, "B", text, cisty, "sxsx 38 s8os 2s8un 0504 mbt47uxqbs", cisty);
    radek("two lines joined", true, "a", "Ahoj\r\nSvěte", "ahojsvete", "a4v1ro7q7", "ahojsvete");
    radek("hyphen dropped without CH", false, "b", "Chata 4-x", "chata 4-x", "05bsb io", "chata 4x");
    radek("nothing left, target kept", true, "b", "?!,.", "", "puvodni", "vqpw9x3");
}

// A press cleans the source and fills the target, and pressing the target gives the text back;
// the restore after two presses brings the first press's cleaned text, which the report shows.
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
    QTest::mouseClick(o.prevod, Qt::LeftButton);
    o.zdroj->setPlainText("rozepsano");
    o.form.Button1Click();
    QCOMPARE(o.zdroj->toPlainText(), zdroj);
    QCOMPARE(radkyZpravy(o.form), o.zprava(klic, cil));
    QCOMPARE(o.preved(cil), zpet);
}

void TestKoleckoOkno::klic_data()
{
    QTest::addColumn<QString>("klic");
    QTest::addColumn<QString>("vycisteny"); // shown in the box, or null when the key is taken
    QTest::addColumn<int>("sCh");
    QTest::addColumn<int>("bezCh");
    QTest::addColumn<QString>("a"); // what "a" becomes on either wheel: the key itself
    const auto radek = [](const char *nazev, const char *klic, const char *vycisteny, int sCh, int bezCh,
                          const char *a) {
        QTest::newRow(nazev) << QString(klic) << QString(vycisteny) << sCh << bezCh << QString(a);
    };
    radek("b", "b", nullptr, 1, 1, "b");
    radek("i, one apart", "i", nullptr, 9, 8, "i");
    radek("capital with caron", "Č", nullptr, 2, 2, "c");
    radek("0, last", "0", nullptr, 36, 35, "0");
    radek("Ch refused", "Ch", "ch", 1, 1, "b");
    radek("hyphen refused", "-", "-", 1, 1, "b");
    radek("full stop cleans to nothing", ".", "", 1, 1, "b");
    radek("emptied", "", "", 1, 1, "b");
}

// Each keystroke looks the key up, a refused key is told in a box and falls back to 1; switching
// the wheel swaps picture and ring length and looks the key up again, silently.
void TestKoleckoOkno::klic()
{
    QFETCH(QString, klic);
    QFETCH(QString, vycisteny);
    QFETCH(int, sCh);
    QFETCH(int, bezCh);
    QFETCH(QString, a);

    Okno o;
    const QString hlaseni = "Zadali jste \"" + vycisteny + "\". Zadavejte  jen JEDEN znak nebo cislici!";
    QCOMPARE(o.zadejKlic(klic), vycisteny.isNull() ? QString() : hlaseni);
    for (const bool s : {true, false, true}) {
        OdpovidacOken odpovidac;
        odpovidac.ocekavej();
        QTest::mouseClick(s ? o.sCh : o.bezCh, Qt::LeftButton);
        QVERIFY(!odpovidac.odpovezeno());
        QCOMPARE(o.form.cisloObrazku(), s ? 72 : 71);
        QCOMPARE(o.form.findChild<QLabel *>("KoleckoImage")->pixmap().toImage(),
                 obrazekZdroje(s ? 72 : 71).convertToFormat(QImage::Format_RGB32));
        QCOMPARE(o.form.delka(), s ? 37 : 36);
        QCOMPARE(o.form.otoceni(), s ? sCh : bezCh);
        QCOMPARE(o.preved("a"), a);
    }
}

// The menu opens one wheel window, however often it is chosen, and enables Save and Print.
void TestKoleckoOkno::jednoOknoZMenu()
{
    QTemporaryDir slozka;
    QVERIFY(slozka.isValid() && QDir::setCurrent(slozka.path()));
    TTalvoMain hlavni;
    for (int i = 0; i < 2; ++i)
        hlavni.findChild<QAction *>("SifrovaciKolecko1SD")->trigger();
    QCOMPARE(hlavni.mdiArea()->subWindowList().size(), 1);
    QVERIFY(qobject_cast<TKoleckoSifrujForm *>(hlavni.aktivniOkno()));
    QVERIFY(hlavni.findChild<QAction *>("Ulozit")->isEnabled() && hlavni.findChild<QAction *>("Tisk")->isEnabled());
}

void TestKoleckoOkno::kresby_data()
{
    QTest::addColumn<bool>("sCh");
    QTest::addColumn<QString>("vnejsi");
    QTest::addColumn<QString>("vnitrni");
    QTest::newRow("71 without CH") << false << "A B C D E F G H I J K L M N O P Q R S T U V W X Y Z 1 2 3 4 5 6 7 8 9 0"
                                   << "A 0 9 8 7 6 5 4 3 2 1 Z Y X W V U T S R Q P O N M L K J I H G F E D C B";
    QTest::newRow("72 with CH") << true << "A B C D E F G H CH I J K L M N O P Q R S T U V W X Y Z 1 2 3 4 5 6 7 8 9 0"
                                << "A 0 9 8 7 6 5 4 3 2 1 Z Y X W V U T S R Q P O N M L K J I CH H G F E D C B";
}

// The labels read the engine's rings clockwise from the top, each inner one beside its outer one,
// and the picture has one sector border per ring character.
void TestKoleckoOkno::kresby()
{
    QFETCH(bool, sCh);
    QFETCH(QString, vnejsi);
    QFETCH(QString, vnitrni);

    const QList<PopisekSektoru> popisky = popiskyKolecka(sCh ? DruhKolecka::sCh : DruhKolecka::bezCh);
    const qsizetype delka = popisky.size() / 2;
    QStringList venku, uvnitr;
    for (qsizetype p = 0; p < delka; ++p) {
        venku.append(popisky[p].text);
        uvnitr.append(popisky[delka + p].text);
        QVERIFY(popisky[delka + p].uhel == popisky[p].uhel && popisky[delka + p].polomer < popisky[p].polomer);
    }
    QCOMPARE(venku.join(' '), vnejsi);
    QCOMPARE(uvnitr.join(' '), vnitrni);

    const QImage obraz = kresbyKolecka().at(sCh ? 1 : 0).obraz;
    QCOMPARE(kresbyKolecka().at(sCh ? 1 : 0).cislo, sCh ? 72 : 71);
    QCOMPARE(obraz.size(), QSize(260, 258));
    QCOMPARE(obrazekZdroje(sCh ? 72 : 71).size(), QSize(260, 258));
    // Round the outer ring just inside the rim, above the letters, counting the dark borders crossed.
    const auto &g = geometrieKolecka;
    int hranice = 0;
    bool tma = false;
    for (int i = 0; i < 7200; ++i) {
        const double uhel = 2 * M_PI * (i + 0.5) / 7200;
        const QPoint bod(qRound(g.stredX + (g.okraj - 3) * std::sin(uhel)),
                         qRound(g.stredY - (g.okraj - 3) * std::cos(uhel)));
        hranice += qGray(obraz.pixel(bod)) < 200 && !tma;
        tma = qGray(obraz.pixel(bod)) < 200;
    }
    QCOMPARE(hranice, delka);
}

QTEST_MAIN(TestKoleckoOkno)
#include "tst_ui_kolecko.moc"

#include "app/Main.h"
#include "ciphers/Snek.h"
#include "resources/Zdroje.h"
#include "resources/kresby/Kresby.h"
#include "support/OdpovidacOken.h"
#include "windows/Snekunit.h"
#include "windows/zpravy/Zprava.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdlib>

namespace {
struct Okno
{
    TSnekForm form;
    QPlainTextEdit *zdroj = form.findChild<QPlainTextEdit *>("Zdroj");
    QPlainTextEdit *cil = form.findChild<QPlainTextEdit *>("Cil");
    QLineEdit *velikost = form.findChild<QLineEdit *>("VelikostSnek");

    void stiskni(const QString &jmeno) { form.findChild<QAbstractButton *>(jmeno)->click(); }
    // Whether "Šifruj" and "Dešifruj" are both enabled (true) or both disabled (false).
    bool tlacitka(bool povoleno) const
    {
        return form.findChild<QPushButton *>("SifrujB")->isEnabled() == povoleno &&
               form.findChild<QPushButton *>("DesifrujB")->isEnabled() == povoleno;
    }
    // Empties the source by keyboard, then types the text key by key.
    void napis(const QString &text)
    {
        QTest::keyClick(zdroj, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(zdroj, Qt::Key_Delete);
        for (const QChar znak : text)
            QTest::sendKeyEvent(QTest::Click, zdroj, Qt::Key_unknown, QString(znak), Qt::NoModifier);
    }
    // One key into the size edit; the text of the box it opens, if any.
    template <typename Klic> QString klavesa(Klic klic, Qt::KeyboardModifiers mod = {})
    {
        OdpovidacOken odpovidac;
        odpovidac.ocekavej();
        QTest::keyClick(velikost, klic, mod);
        return odpovidac.odpovezeno() ? odpovidac.text() : QString();
    }
};

QString hlaseni(const QString &text)
{
    return "Zadali jste " + text + ". Zadavejte jen cislice 1-10!";
}

bool cervena(const QImage &obraz, QPointF bod)
{
    const QColor barva = obraz.pixelColor(bod.toPoint());
    return barva.red() > 150 && barva.green() < 100 && barva.blue() < 100;
}
} // namespace

class TestSnekOkno : public QObject
{
    Q_OBJECT
private slots:
    void stisk_data();
    void stisk();
    void velikost_data();
    void velikost();
    void kresby_data();
    void kresby();
};

void TestSnekOkno::stisk_data()
{
    // Radio buttons clicked, size, typed source, cleaned source, target, target deciphered back.
    QTest::addColumn<QStringList>("r");
    const auto radek = [](const char *nazev, QStringList r) { QTest::newRow(nazev) << r; };
    const QString vycisteny = "totojetextkterychcicelyzasifrovat123";
    radek("defaults", {"", "6", "Toto je text který chci celý zašifrovat 123", vycisteny,
                       "cyretk horfit cv32sx iat1ae celyzt totoje ", vycisteny});
    radek("LevyHorni outward", {"LevyHorniRB VenRB", "3", "AB, cDéf-g!", "abcdef-g", "gab -xc fed ", "xabcdef-g"});
    radek("PravyHorni inward, size 1", {"PravyHorniRB", "1", "Šnek", "snek", "s ", "s"});
    radek("nothing left, target kept", {"", "6", "?!", "", "predchozi", ""});
}

// Typing into the emptied source enables both cipher buttons; "Šifruj" cleans the source and fills
// the target with the chosen options; the target deciphers back; "Obnovit zdrojový text" brings the
// typed source back; the report shows source and target.
void TestSnekOkno::stisk()
{
    QFETCH(QStringList, r);
    const QString &vstup = r[2], &zdroj = r[3], &cil = r[4];
    Okno o;
    for (const QString &volba : r[0].split(u' ', Qt::SkipEmptyParts))
        o.stiskni(volba);
    o.velikost->setText(r[1]);
    o.cil->setPlainText("predchozi");
    o.napis({});
    QVERIFY(o.tlacitka(false));
    o.napis(vstup);
    QVERIFY(o.tlacitka(true));
    o.stiskni("SifrujB");
    QCOMPARE(o.zdroj->toPlainText(), zdroj);
    QCOMPARE(o.cil->toPlainText(), cil);
    QVERIFY(o.tlacitka(!zdroj.isEmpty()));
    QCOMPARE(radkyZpravy(o.form), (QStringList{"Zdrojovy text:", zdroj, "", "Cilovy text:", cil}));
    o.stiskni("Button1");
    QCOMPARE(o.zdroj->toPlainText(), vstup);
    QVERIFY(o.tlacitka(true));
    if (r[5].isEmpty())
        return;
    o.zdroj->setPlainText(cil);
    o.stiskni("DesifrujB");
    QCOMPARE(o.zdroj->toPlainText(), QString(cil).remove(u' '));
    QCOMPARE(o.cil->toPlainText(), r[5]);
}

void TestSnekOkno::velikost_data()
{
    QTest::addColumn<QString>("klavesy");
    QTest::addColumn<QList<int>>("velikosti");
    QTest::addColumn<QStringList>("hlaseni");
    QTest::newRow("10 through 1") << "10" << QList<int>{1, 10} << QStringList{"", ""};
    QTest::newRow("11") << "11" << QList<int>{1, 5} << QStringList{"", hlaseni("11")};
    QTest::newRow("0") << "0" << QList<int>{5} << QStringList{hlaseni("0")};
    QTest::newRow("-3") << "-3" << QList<int>{5, 5} << QStringList{hlaseni("-"), hlaseni("-3")};
    QTest::newRow("abc") << "abc" << QList<int>{5, 5, 5} << QStringList{hlaseni("a"), hlaseni("ab"), hlaseni("abc")};
    QTest::newRow("5a") << "5a" << QList<int>{5, 5} << QStringList{"", hlaseni("5a")};
}

// Every keystroke in the emptied size edit is checked; a refused text gives 5 and stays shown.
void TestSnekOkno::velikost()
{
    QFETCH(QString, klavesy);
    QFETCH(QList<int>, velikosti);
    QFETCH(QStringList, hlaseni);
    Okno o;
    QCOMPARE(o.form.velikost(), 6);
    QCOMPARE(o.klavesa(Qt::Key_A, Qt::ControlModifier), QString());
    QCOMPARE(o.klavesa(Qt::Key_Backspace), ::hlaseni(""));
    QCOMPARE(o.form.velikost(), 5);
    for (qsizetype i = 0; i < klavesy.size(); ++i) {
        QCOMPARE(o.klavesa(klavesy.at(i).toLatin1()), hlaseni[i]);
        QCOMPARE(o.form.velikost(), velikosti[i]);
        QCOMPARE(o.velikost->text(), klavesy.left(i + 1));
    }
}

void TestSnekOkno::kresby_data()
{
    for (const char *sloupec : {"roh", "smer", "cislo"})
        QTest::addColumn<int>(sloupec);
    QTest::addColumn<QString>("volby");
    const auto radek = [](const char *nazev, int roh, int smer, int cislo, const char *volby) {
        QTest::newRow(nazev) << roh << smer << cislo << QString(volby);
    };
    radek("41", PravyDolni, Dovnitr, 41, "PravyDolniRB");
    radek("42", PravyDolni, Ven, 42, "LevyHorniRB VenRB PravyDolniRB");
    radek("43", PravyHorni, Dovnitr, 43, "PravyHorniRB");
    radek("44", PravyHorni, Ven, 44, "VenRB PravyHorniRB");
    radek("45 at start", LevyDolni, Dovnitr, 45, "");
    radek("46", LevyDolni, Ven, 46, "VenRB");
    radek("47", LevyHorni, Dovnitr, 47, "LevyHorniRB VenRB DovnitrRB");
    radek("48", LevyHorni, Ven, 48, "LevyHorniRB VenRB");
}

// The menu opens one snail window; it shows the picture of the chosen corner and direction. Each
// picture, as compiled in, is a 5 x 5 grid whose red line joins the cell centres in the order the
// engine walks them and no other neighbours, with the start dot at the start.
void TestSnekOkno::kresby()
{
    QFETCH(int, roh);
    QFETCH(int, smer);
    QFETCH(int, cislo);
    QFETCH(QString, volby);
    QTemporaryDir slozka;
    QVERIFY(slozka.isValid() && QDir::setCurrent(slozka.path()));
    TTalvoMain hlavni;
    for (int i = 0; i < 2; ++i)
        hlavni.findChild<QAction *>("Snek1SD")->trigger();
    QCOMPARE(hlavni.findChildren<TSnekForm *>().size(), 1);
    auto *form = hlavni.findChild<TSnekForm *>();
    for (const QString &volba : volby.split(u' ', Qt::SkipEmptyParts))
        form->findChild<QAbstractButton *>(volba)->click();

    const QImage obraz = obrazekZdroje(cislo).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(obraz.size(), QSize(100, 100));
    QCOMPARE(kresbySneka().at(cislo - 41).obraz.convertToFormat(QImage::Format_RGB32), obraz);
    QCOMPARE(form->findChild<QLabel *>("SnekImage")->pixmap().toImage().convertToFormat(obraz.format()), obraz);

    // The cell centres lie between the grid lines (a square grid), read off the picture near its top edge.
    QList<int> linie;
    for (int i = 0; i < 100; ++i)
        if (obraz.pixelColor(i, 6) == Qt::black)
            linie.append(i);
    QCOMPARE(linie.size(), 6);
    QList<BunkaSneka> cesta = CestaSneka(5, roh);
    if (smer == Ven)
        std::reverse(cesta.begin(), cesta.end());
    const auto stred = [&](qsizetype i) {
        const auto [r, c] = cesta[i];
        return QPointF(linie[c] + linie[c + 1], linie[r] + linie[r + 1]) / 2;
    };
    const QList<QPointF> cara = caraSneka(roh, smer);
    QCOMPARE(cara.size(), 25);
    for (qsizetype i = 0; i < 25; ++i) {
        QCOMPARE(cara[i], stred(i));
        QVERIFY(cervena(obraz, cara[i]));
        // Halfway to a neighbouring cell the line shows exactly when the walk steps between the two.
        for (qsizetype j = 0; j < i; ++j)
            if (std::abs(cesta[i].radek - cesta[j].radek) + std::abs(cesta[i].sloupec - cesta[j].sloupec) == 1)
                QCOMPARE(cervena(obraz, (stred(i) + stred(j)) / 2), i - j == 1);
    }
    QVERIFY(cervena(obraz, cara.first() + QPointF(2, 2)));
    QVERIFY(!cervena(obraz, cara.last() + QPointF(2, 2)));
}

QTEST_MAIN(TestSnekOkno)
#include "tst_ui_snek.moc"

#include "resources/Zdroje.h"
#include "support/OdpovidacOken.h"
#include "windows/Mrizkaunit.h"
#include "windows/PoleMrizky.h"

#include <QAccessible>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {
const QString Vychozi6 = "....#./....../.#...#/...#../##.#../..#..#";
const QString Nelze = "Zadali jste %1. Zadavejte jen cislice 1-10!";

// The 10 x 10 picture area as painted, rows from the top joined by "/": the middle pixel of each
// square read back, "#" dark, "." light grey, " " white.
QString namalovano(QWidget *plocha)
{
    const QImage obraz = plocha->grab().toImage();
    const QHash<QRgb, QChar> znaky = {
        {qRgb(64, 64, 64), u'#'}, {qRgb(191, 191, 191), u'.'}, {qRgb(255, 255, 255), u' '}};
    QStringList radky;
    for (int r = 0; r < 10; ++r) {
        radky << QString();
        for (int c = 0; c < 10; ++c)
            radky.last() += znaky.value(obraz.pixel(536 + 20 * c + 9, 294 + 20 * r + 9), u'?');
    }
    return radky.join(u'/');
}

// A picture of holes widened to the 10 x 10 area with zbytek.
QString vPlose(const QString &okenka, QChar zbytek = u' ')
{
    QStringList radky = okenka.split(u'/');
    for (QString &radek : radky)
        radek = radek.leftJustified(10, zbytek);
    while (radky.size() < 10)
        radky << QString(10, zbytek);
    return radky.join(u'/');
}

struct Okno
{
    std::unique_ptr<TMrizkaForm> form = std::make_unique<TMrizkaForm>();
    QWidget *plocha = form->findChild<QWidget *>("obsah");
    QPlainTextEdit *zdroj = form->findChild<QPlainTextEdit *>("Zdroj");
    QPlainTextEdit *cil = form->findChild<QPlainTextEdit *>("Cil");
    Okno() { form->show(); }
    void stiskni(const char *jmeno) { QTest::mouseClick(form->findChild<QPushButton *>(jmeno), Qt::LeftButton); }
    QString stav() const { return form->findChild<QLabel *>("StavMrizkyLab")->text(); }
    // How many cells of the grid show a frame in the given colour.
    int ramecku(QRgb barva) const
    {
        const QImage obraz = plocha->grab().toImage();
        int pocet = 0;
        for (int c = 0; c < form->velikost(); ++c)
            for (int r = 0; r < form->velikost(); ++r)
                pocet += obraz.pixel(536 + 20 * c + 9, 294 + 20 * r + 17) == barva;
        return pocet;
    }
};
const QRgb Cervena = qRgb(0xd0, 0x10, 0x10);
const QRgb Modra = qRgb(0x10, 0x50, 0xe0);
} // namespace

class TestMrizkaOkno : public QObject
{
    Q_OBJECT
private slots:
    void stisk_data();
    void stisk();
    void velikost_data();
    void velikost();
    void mys_data();
    void mys();
    void klavesnice_data();
    void klavesnice();
    void kresba();
    void pomocnik_data();
    void pomocnik();
};

void TestMrizkaOkno::stisk_data()
{
    QTest::addColumn<QString>("vstup");
    QTest::addColumn<bool>("sifrovat");
    QTest::addColumn<QString>("zdroj");
    QTest::addColumn<QString>("cil");
    const QString text = "totojetextkterychcicelyzasifrovat123";
    const QString sifra = "itfctrovoateklyttoz1eje2tarsychiec3x";
    QTest::newRow("defaults") << "Toto je text který chci celý zašifrovat 123" << true << text << sifra;
    QTest::newRow("two lines run together") << "Ahoj\nSvěte!" << true << "ahojsvete"
                                            << "xxxxaxxxhxoxxxxxxjxxxsvxexxxxxxxtxxe";
    QTest::newRow("decipher capitals") << sifra.toUpper() << false << sifra << text;
    QTest::newRow("encipher punctuation only") << " ,.!?;/" << true << QString() << QString();
    QTest::newRow("decipher punctuation only") << " ,.!?;/" << false << QString() << QString();
}

// A press cleans the source and fills the target (an empty cleaned source leaves the target as it
// was); after two presses restore gives back the text of the second; the report; with the
// default holes every cell is used, so the target deciphers back to the source padded with "x".
void TestMrizkaOkno::stisk()
{
    QFETCH(QString, vstup);
    QFETCH(bool, sifrovat);
    QFETCH(QString, zdroj);
    QFETCH(QString, cil);
    Okno o;
    const char *tlacitko = sifrovat ? "ZasifrujB" : "DesifrujB";
    o.zdroj->setPlainText(vstup);
    o.stiskni(tlacitko);
    QCOMPARE(o.zdroj->toPlainText(), zdroj);
    QCOMPARE(o.cil->toPlainText(), cil);
    QCOMPARE(o.cil->isEnabled(), !cil.isEmpty());
    o.stiskni(tlacitko);
    o.zdroj->setPlainText("rozepsano");
    o.stiskni("Button1");
    QCOMPARE(radkyZpravy(*o.form), (QStringList{"Zdrojový text:", zdroj, "", "Cilový text:", cil}));
    if (sifrovat && !cil.isEmpty()) {
        o.zdroj->setPlainText(cil);
        o.stiskni("DesifrujB");
        QCOMPARE(o.cil->toPlainText(), zdroj.leftJustified(36, u'x'));
    }
}

void TestMrizkaOkno::velikost_data()
{
    QTest::addColumn<QString>("klavesy");
    QTest::addColumn<QStringList>("zpravy");
    QTest::addColumn<QString>("okenka");
    QTest::addColumn<int>("podtrzitek");
    QTest::newRow("12") << "12" << QStringList{Nelze.arg("12")} << "#" << 0;
    QTest::newRow("0") << "0" << QStringList{Nelze.arg("0")} << "#" << 0;
    QTest::newRow("-3") << "-3" << QStringList{Nelze.arg("-"), Nelze.arg("-3")} << "#" << 0;
    QTest::newRow("abc") << "abc" << QStringList{Nelze.arg("a"), Nelze.arg("ab"), Nelze.arg("abc")} << "#" << 0;
    QTest::newRow("deleted") << "\b" << QStringList{Nelze.arg("")} << "#" << 0;
    QTest::newRow("6 retyped") << "\b6" << QStringList{Nelze.arg("")} << Vychozi6 << 0;
    QTest::newRow("+3") << "+3" << QStringList{Nelze.arg("+")} << "#.#/.#./.##" << 0;
    QTest::newRow("10") << "10" << QStringList{} << vPlose(Vychozi6, u'.') << 64;
}

// Every change of the size box rebuilds the grid with the default holes, replacing the one cut
// before; a refused size says so at once and gives a 1 x 1 grid; only the N x N grid shows.
void TestMrizkaOkno::velikost()
{
    QFETCH(QString, klavesy);
    QFETCH(QStringList, zpravy);
    QFETCH(QString, okenka);
    QFETCH(int, podtrzitek);
    Okno o;
    QTest::mousePress(o.plocha, Qt::LeftButton, {}, QPoint(580, 360));
    QStringList ukazane;
    OdpovidacOken odpovidac{[&ukazane, &odpovidac](QWidget *okno) {
        ukazane << qobject_cast<QMessageBox *>(okno)->text();
        OdpovidacOken::zavri(okno);
        odpovidac.ocekavej();
    }};
    odpovidac.ocekavej();
    auto *pole = o.form->findChild<QLineEdit *>("velikostMrizky");
    pole->selectAll();
    QTest::keyClicks(pole, klavesy);
    QCOMPARE(ukazane, zpravy);
    QCOMPARE(pole->text(), QString(klavesy).remove(u'\b'));
    QCOMPARE(namalovano(o.plocha), vPlose(okenka));
    const int n = o.form->velikost();
    const QImage obraz = o.plocha->grab().toImage();
    // The right and bottom frame bars reach one pixel past the grid.
    QCOMPARE(obraz.pixel(536 + 20 * n, 304), qRgb(0, 0, 0));
    QCOMPARE(obraz.pixel(546, 294 + 20 * n), qRgb(0, 0, 0));
    o.stiskni("ZasifrujB");
    QCOMPARE(o.cil->toPlainText().size(), n * n);
    QCOMPARE(o.cil->toPlainText().count(u'_'), podtrzitek);
}

void TestMrizkaOkno::mys_data()
{
    QTest::addColumn<QString>("prijemce");
    QTest::addColumn<QPoint>("bod");
    QTest::addColumn<Qt::MouseButton>("tlacitko");
    QTest::addColumn<int>("bunka"); // index of the toggled cell in the picture, -1 for none
    QTest::newRow("cell (2, 3)") << "obsah" << QPoint(580, 360) << Qt::LeftButton << 23;
    QTest::newRow("right button") << "obsah" << QPoint(580, 360) << Qt::RightButton << 23;
    QTest::newRow("hole (5, 5)") << "obsah" << QPoint(653, 411) << Qt::LeftButton << 40;
    QTest::newRow("left of the grid") << "obsah" << QPoint(530, 300) << Qt::LeftButton << -1;
    QTest::newRow("frame bar") << "VodorovnaCara" << QPoint(540, 294) << Qt::LeftButton << -1;
    QTest::newRow("frame bar, sent to the area") << "obsah" << QPoint(540, 295) << Qt::LeftButton << -1;
    QTest::newRow("grid control") << "poleMrizky" << QPoint(580, 360) << Qt::LeftButton << 23;
}

// A press of any button on a cell toggles its hole, and so does each press of a double click;
// presses beside the grid or on a control toggle nothing.
void TestMrizkaOkno::mys()
{
    QFETCH(QString, prijemce);
    QFETCH(QPoint, bod);
    QFETCH(Qt::MouseButton, tlacitko);
    QFETCH(int, bunka);
    Okno o;
    QWidget *kdo = prijemce == "obsah" ? o.plocha : o.form->findChild<QWidget *>(prijemce);
    const QPoint kam = kdo->mapFrom(o.plocha, bod);
    QString ocekavana = Vychozi6;
    if (bunka >= 0)
        ocekavana[bunka] = ocekavana[bunka] == u'#' ? u'.' : u'#';
    QTest::mouseClick(kdo, tlacitko, {}, kam);
    QCOMPARE(namalovano(o.plocha), vPlose(ocekavana));
    // The second press of a double click comes as the double click itself.
    QTest::mouseDClick(kdo, tlacitko, {}, kam);
    QCOMPARE(namalovano(o.plocha), vPlose(Vychozi6));
}

void TestMrizkaOkno::klavesnice_data()
{
    QTest::addColumn<QString>("klavesy"); // R, L, U, D arrows, H Home, E End, " " Space, "\n" Enter
    QTest::addColumn<QPoint>("fokus");    // (column, row) at the end
    QTest::addColumn<int>("bunka");       // index of the toggled cell in the picture, -1 for none
    QTest::newRow("space") << " " << QPoint(0, 0) << 0;
    QTest::newRow("arrows, enter") << "RRD\n" << QPoint(2, 1) << 9;
    QTest::newRow("stops at the edges") << "LUEDDDDDDD " << QPoint(5, 5) << 40;
    QTest::newRow("home") << "EDH " << QPoint(0, 1) << 7;
    QTest::newRow("moving cuts nothing") << "RD" << QPoint(1, 1) << -1;
}

// The grid is cut by keyboard: the arrows, Home and End move the focus cell inside the grid, Space
// and Enter toggle it; a screen reader sees the cells by row and column with their state.
void TestMrizkaOkno::klavesnice()
{
    QFETCH(QString, klavesy);
    QFETCH(QPoint, fokus);
    QFETCH(int, bunka);
    Okno o;
    auto *pole = o.form->findChild<TPoleMrizky *>("poleMrizky");
    QVERIFY(pole && pole->focusPolicy() == Qt::StrongFocus);
    const QHash<QChar, Qt::Key> klice{{u'R', Qt::Key_Right}, {u'L', Qt::Key_Left},   {u'U', Qt::Key_Up},
                                      {u'D', Qt::Key_Down},  {u'H', Qt::Key_Home},   {u'E', Qt::Key_End},
                                      {u' ', Qt::Key_Space}, {u'\n', Qt::Key_Return}};
    for (const QChar k : klavesy)
        QTest::keyClick(pole, klice.value(k));
    QString ocekavana = Vychozi6;
    if (bunka >= 0)
        ocekavana[bunka] = ocekavana[bunka] == u'#' ? u'.' : u'#';
    QCOMPARE(namalovano(o.plocha), vPlose(ocekavana));
    QCOMPARE(pole->fokus(), fokus);
    QAccessibleInterface *mrizka = QAccessible::queryAccessibleInterface(pole);
    QAccessibleInterface *policko = mrizka->child(fokus.y() * 6 + fokus.x());
    QVERIFY(mrizka->childCount() == 36 && mrizka->indexOfChild(policko) == fokus.y() * 6 + fokus.x());
    QCOMPARE(policko->text(QAccessible::Name), QString("Řádek %1, sloupec %2").arg(fokus.y() + 1).arg(fokus.x() + 1));
    const bool okenko = ocekavana[fokus.y() * 7 + fokus.x()] == u'#';
    QVERIFY(policko->state().checked == okenko &&
            policko->text(QAccessible::Description).startsWith(okenko ? "okénko" : "zavřeno"));
    // A smaller grid has fewer cells and pulls the focus cell inside it.
    o.form->findChild<QLineEdit *>("velikostMrizky")->setText("2");
    QVERIFY(mrizka->childCount() == 4 && pole->fokus().x() <= 1 && pole->fokus().y() <= 1);
}

// Bitmap 51: 320 x 320, light grey squares between white lines every 20 pixels.
void TestMrizkaOkno::kresba()
{
    const QImage obraz = obrazekZdroje(51);
    QCOMPARE(obraz.size(), QSize(320, 320));
    for (const QPoint bod : {QPoint(0, 0), QPoint(158, 118), QPoint(318, 318), QPoint(19, 5), QPoint(205, 39)})
        QCOMPARE(obraz.pixel(bod),
                 bod.x() % 20 == 19 || bod.y() % 20 == 19 ? qRgb(255, 255, 255) : qRgb(191, 191, 191));
}

void TestMrizkaOkno::pomocnik_data()
{
    QTest::addColumn<QString>("velikost");
    QTest::addColumn<QPoint>("klik"); // a point clicked on the grid, (0, 0) for a press of "Náhodná mřížka"
    QTest::addColumn<QString>("stav");
    QTest::addColumn<int>("cervenych");
    QTest::addColumn<int>("modrych");
    QTest::newRow("defaults") << "6" << QPoint(1, 1) << "Mřížka je v pořádku" << 0 << 0;
    QTest::newRow("cut (2, 3)") << "6" << QPoint(580, 360) << "4 políčka se překrývají" << 0 << 4;
    QTest::newRow("close (5, 5)") << "6" << QPoint(653, 411) << "Chybí 4 políčka" << 4 << 0;
    QTest::newRow("size 7") << "7" << QPoint(1, 1) << "Chybí 24 políček, 8 se překrývá" << 24 << 8;
    QTest::newRow("size 1, closed") << "1" << QPoint(545, 303) << "Chybí 1 políčko" << 1 << 0;
    QTest::newRow("size 2, diagonal") << "2" << QPoint(1, 1) << "4 políčka se překrývají" << 0 << 4;
    for (const char *n : {"1", "4", "9", "10"})
        QTest::addRow("random, size %s", n) << n << QPoint() << "Mřížka je v pořádku" << 0 << 0;
}

// Cells never uncovered are framed red, those uncovered more than once blue; the line under the grid
// counts them and the legend shows only then. A text of n x n characters leaves "_" in the target
// exactly in the red cells, and a random card has none.
void TestMrizkaOkno::pomocnik()
{
    QFETCH(QString, velikost);
    QFETCH(QPoint, klik);
    QFETCH(QString, stav);
    QFETCH(int, cervenych);
    QFETCH(int, modrych);
    Okno o;
    auto *pole = o.form->findChild<QLineEdit *>("velikostMrizky");
    if (pole->text() != velikost) {
        pole->selectAll();
        QTest::keyClicks(pole, velikost);
    }
    const QString predtim = namalovano(o.plocha);
    if (klik.isNull())
        o.stiskni("NahodnaMrizkaB");
    else
        QTest::mouseClick(o.plocha, Qt::LeftButton, {}, klik);
    QCOMPARE(o.stav(), stav);
    QCOMPARE(o.ramecku(Cervena), cervenych);
    QCOMPARE(o.ramecku(Modra), modrych);
    QCOMPARE(o.form->findChild<QLabel *>("LegendaMrizkyLab")->isVisibleTo(o.form.get()), cervenych + modrych > 0);
    const int n = o.form->velikost();
    QVERIFY(!klik.isNull() || n < 9 || namalovano(o.plocha) != predtim);
    o.zdroj->setPlainText(QString("abcdefghijklmnopqrstuvwxyz0123456789").repeated(3).left(n * n));
    o.stiskni("ZasifrujB");
    QCOMPARE(o.cil->toPlainText().count(u'_'), cervenych);
}

QTEST_MAIN(TestMrizkaOkno)
#include "tst_ui_mrizka.moc"

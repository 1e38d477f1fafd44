// The main window: menu tree, description menus from a store, single-instance windows,
// the information box, the exception box of the application object and the run folder script.
#include "app/Aplikace.h"
#include "app/Main.h"
#include "descriptions/Ulozistepopisu.h"
#include "support/OdpovidacOken.h"
#include "support/Soubory.h"
#include "text/Mnemoniky.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <optional>
#include <stdexcept>

using namespace Qt::StringLiterals;
using J = TTalvoMain::Jedinecne;

namespace {
// The items of a menu as the menu tree table writes them.
QString popisAkci(const QList<QAction *> &akce)
{
    QStringList popis;
    for (const QAction *a : akce) {
        popis << a->objectName() + u'|' + (a->isSeparator() ? u"-"_s : a->text());
        if (!a->shortcut().isEmpty())
            popis.last() += u'|' + a->shortcut().toString();
    }
    return popis.join(u"; ");
}

// Makes store folder f; with a title file holding nadpis unless nadpis is null.
bool pridejPopis(const QString &f, const QByteArray &nadpis)
{
    const QString uloziste = SlozkaUloziste.toString();
    return QDir().mkpath(slozkaPopisu(uloziste, f)) &&
           (nadpis.isNull() || zapisSoubor(souborPopisu(uloziste, f, SouborPopisu::Nadpis), nadpis));
}

QAction *akce(const TTalvoMain &okno, const QString &jmeno)
{
    return okno.findChild<QAction *>(jmeno);
}

// Whether Ulozit and Tisk are enabled.
std::pair<bool, bool> povoleno(const TTalvoMain &okno)
{
    return {akce(okno, u"Ulozit"_s)->isEnabled(), akce(okno, u"Tisk"_s)->isEnabled()};
}

QList<QAction *> polozky(const TTalvoMain &okno, const QString &menu)
{
    return okno.findChild<QMenu *>(menu)->actions();
}

} // namespace

Q_DECLARE_METATYPE(J)

class TestMain : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void noveOkno();
    void stromMenu_data();
    void stromMenu();
    void menuZNadpisu_data();
    void menuZNadpisu();
    void menuVsechnySlozkySerazene();
    void jedinecneOkno_data();
    void jedinecneOkno();
    void vyjimkaVObsluze_data();
    void vyjimkaVObsluze();
    void pripravaSpusteni();

private:
    std::optional<QTemporaryDir> m_slozka;
    const QString m_puvodni = QDir::currentPath();
};

// Every test runs in a fresh working folder, so the store the window reads is the test's own.
void TestMain::init()
{
    m_slozka.emplace();
    QVERIFY(m_slozka->isValid() && QDir::setCurrent(m_slozka->path()));
}

void TestMain::cleanup()
{
    QDir::setCurrent(m_puvodni);
    m_slozka.reset();
}

void TestMain::noveOkno()
{
    TTalvoMain okno;
    QCOMPARE(okno.objectName(), u"TTalvoMain"_s);
    QCOMPARE(okno.windowTitle(), u"Talvo"_s);
    QCOMPARE(okno.geometry(), QRect(0, 0, 818, 676));
    QCOMPARE(okno.font().pointSizeF(), 8.0);
    QCOMPARE(okno.centralWidget(), okno.mdiArea());
    auto *matrix = okno.findChild<QLabel *>(u"matrix"_s);
    auto *nadpis = okno.findChild<QLabel *>(u"Nadpis"_s);
    auto *nazev = okno.findChild<QPlainTextEdit *>(u"NazevTalvo"_s);
    QVERIFY(matrix && nadpis && nazev);
    QCOMPARE(matrix->geometry(), QRect(148, 117, 517, 388));
    QCOMPARE(matrix->pixmap().size(), QSize(516, 391));
    QCOMPARE(matrix->parentWidget(), okno.mdiArea()->viewport());
    QCOMPARE(nadpis->text(), u"Talvo 1.11"_s);
    QCOMPARE(nadpis->pos(), QPoint(330, 32));
    QCOMPARE(nadpis->font().pixelSize(), 27);
    QCOMPARE(nazev->toPlainText(), u"noVisible"_s);

    QCOMPARE(povoleno(okno), std::pair(false, false));
    QVERIFY(akce(okno, u"Test"_s)->isCheckable() && !akce(okno, u"Test"_s)->isChecked());
    for (J druh : {J::Morseovka, J::Mrizka, J::Kolecko, J::Snek, J::Semafor, J::Cviceni})
        QVERIFY(!okno.jeOtevreno(druh));
    QCOMPARE(okno.aktivniOkno(), nullptr);
    QCOMPARE(okno.znakyVlastni().size(), 80);
    QCOMPARE(okno.nahradaVelka().size(), 48);
    // Ctrl+Z belongs to undo in the edit boxes of the child windows.
    const auto vsechny = okno.findChildren<QAction *>();
    QVERIFY(vsechny.size() > 20);
    for (const QAction *a : vsechny)
        QVERIFY2(!a->shortcuts().contains(QKeySequence(u"Ctrl+Z"_s)), qPrintable(a->objectName()));

    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    QVERIFY(!nazev->isVisible() && matrix->isVisible());
    OdpovidacOken odpovidac;
    odpovidac.ocekavej();
    akce(okno, u"Info1"_s)->trigger();
    QVERIFY(odpovidac.odpovezeno());
    QCOMPARE(odpovidac.titulek(), u"Info"_s);
    QCOMPARE(odpovidac.ikona(), QMessageBox::Information);
    const QStringList radky = odpovidac.text().split(u'\n');
    QCOMPARE(radky.size(), 6);
    QCOMPARE(radky.mid(0, 3), (QStringList{u"Název: Talvo "_s, u"Verze 1.11"_s, QString()}));
    QCOMPARE(radky.mid(4), (QStringList{QString(), u"2026 Talvo"_s}));
    akce(okno, u"Konec"_s)->trigger();
    QVERIFY(!okno.isVisible());
}

void TestMain::stromMenu_data()
{
    // Row name: the menu; its items as "name|caption[|shortcut]" ("name|-" a separator), in order.
    QTest::addColumn<QString>("polozky");
    // Every item has a mnemonic, different within its menu (Alt+S opens "Soubor").
    QTest::newRow("MainMenu1") << u"Soubor|&Soubor; Sifrovani|Š&ifrování; CviceniSifrovani|&Cvičení šifrování; N4|-; "
                                  u"PrehledSifer|&Přehled šifer; N2|-; Napoveda|&Nápověda; Okna1|&Okna"_s;
    QTest::newRow("Soubor") << u"Ulozit|&Uložit|Ctrl+S; Tisk|&Tisk|Ctrl+P; NastaveniTisku|&Nastavení tisku; N1|-; "
                               u"Konec|&Konec|Ctrl+Q"_s;
    QTest::newRow("Sifrovani") << u"Morseovka1SD|&Morseovka; MrizkaSD|Mříž&ka; SifrovaciKolecko1SD|Š&ifrovací kolečko; "
                                  u"Snek1SD|Š&nek; Semafor1SD|&Semafor; N6|-; PripravaHrySD|&Příprava hry pro hlídky; "
                                  u"SemaforCteniSD|S&emafor – čtení"_s;
    QTest::newRow("CviceniSifrovani") << u"Test|&Morseovka 1; N7|-; MorseTreninkSD|Morseovka – &trénink; "
                                         u"MorseKlicSD|Morseovka – &vysílání klíčem; SemaforTestSD|&Semafor – test"_s;
    QTest::newRow("PrehledSifer") << u"VlastniSifra|&Vložit/editovat popis; N5|-"_s;
    QTest::newRow("VlastniSifra") << u"Nova|&Nová; N3|-"_s;
    QTest::newRow("Napoveda") << u"Info1|&Info; Dokumentace1|&Dokumentace; Napoveda2|&Nápověda|F1"_s;
    QTest::newRow("Okna1") << u"Kaskada1|&Kaskáda"_s;
}

void TestMain::stromMenu()
{
    QFETCH(QString, polozky);
    const QString menu = QString::fromLatin1(QTest::currentDataTag());
    TTalvoMain okno;
    auto *m = okno.findChild<QMenu *>(menu);
    QCOMPARE(m ? m->menuAction()->objectName() : okno.menuBar()->objectName(), menu);
    QCOMPARE(popisAkci(m ? m->actions() : okno.menuBar()->actions()), polozky);
}

void TestMain::menuZNadpisu_data()
{
    // One store folder with a title file (none when the bytes are null); with no folder, the bytes
    // (if any) make a file in the store's place.
    QTest::addColumn<QString>("slozka");
    QTest::addColumn<QByteArray>("nadpis");
    QTest::addColumn<QString>("titulek");
    QTest::newRow("mezery a konec radku")
        << u"Morseovaabeceda"_s << QByteArray("Morseova abeceda\r\n") << u"Morseovaabeceda"_s;
    QTest::newRow("windows-1250") << u"Sifrovacikolecko"_s << QByteArray("\x8Aifrovac\xED kole\xE8ko\r\n")
                                  << u"Šifrovacíkolečko"_s;
    QTest::newRow("utf-8 s BOM, LF a CR")
        << u"Snek"_s << QByteArray("\xEF\xBB\xBF\xC5\xA0nek ve\r\nspir\xC3\xA1le\n a\r") << u"Šnekvespirálea"_s;
    QTest::newRow("bez souboru nadpisu") << u"Prazdna"_s << QByteArray() << u"Prazdna"_s;
    QTest::newRow("nadpis jen z mezer") << u"Mezery"_s << QByteArray("  \r\n ") << u"Mezery"_s;
    // Shown as written: the "&" is escaped, no mnemonic.
    QTest::newRow("ampersand") << u"AB"_s << QByteArray("A & B") << u"A&B"_s;
    QTest::newRow("chybi uloziste a vytvori se") << QString() << QByteArray() << QString();
    QTest::newRow("na miste uloziste je soubor") << QString() << QByteArray("neni slozka") << QString();
}

void TestMain::menuZNadpisu()
{
    QFETCH(QString, slozka);
    QFETCH(QByteArray, nadpis);
    QFETCH(QString, titulek);
    const QString uloziste = SlozkaUloziste.toString();
    QVERIFY(!QFileInfo::exists(uloziste));
    QVERIFY(!slozka.isEmpty() ? pridejPopis(slozka, nadpis) : nadpis.isNull() || zapisSoubor(uloziste, nadpis));
    TTalvoMain okno;
    QCOMPARE(QFileInfo(uloziste).isDir(), !slozka.isEmpty() || nadpis.isNull());
    QCOMPARE(okno.polozkyNacti(), polozky(okno, u"VlastniSifra"_s).mid(2));
    QCOMPARE(okno.polozkyPrehled(), polozky(okno, u"PrehledSifer"_s).mid(2));
    QCOMPARE(okno.polozkyNacti().size(), slozka.isEmpty() ? 0 : 1);
    QCOMPARE(okno.polozkyPrehled().size(), slozka.isEmpty() ? 0 : 1);
    if (slozka.isEmpty())
        return;
    QCOMPARE(BezMnemoniky(okno.polozkyNacti()[0]->text()), u"Načti šifru: "_s + titulek);
    QCOMPARE(BezMnemoniky(okno.polozkyPrehled()[0]->text()), titulek);
    QCOMPARE(okno.polozkyNacti()[0]->data().toString(), slozka);
    QCOMPARE(okno.polozkyPrehled()[0]->data().toString(), slozka);
}

void TestMain::menuVsechnySlozkySerazene()
{
    // 32 folders made in scrambled order, one with a title file, plus a file that is no description.
    QStringList slozky{u"alfa"_s, u"Beta"_s};
    for (int i = 0; i < 30; ++i)
        slozky << u"Sifra%1"_s.arg(i, 2, 10, QLatin1Char('0'));
    QStringList zamichane = slozky;
    std::reverse(zamichane.begin(), zamichane.end());
    std::swap(zamichane[3], zamichane[17]);
    for (const QString &f : zamichane)
        QVERIFY(pridejPopis(f, f == u"Beta" ? QByteArray("Beta verze") : QByteArray()));
    QVERIFY(zapisSoubor(SlozkaUloziste.toString() + u"/soubor.txt"_s, "nic"));

    TTalvoMain okno;
    const auto vlastni = polozky(okno, u"VlastniSifra"_s);
    const auto prehled = polozky(okno, u"PrehledSifer"_s);
    QCOMPARE(vlastni.size(), 34);
    QCOMPARE(prehled.size(), 34);
    QCOMPARE(okno.polozkyNacti(), vlastni.mid(2));
    QCOMPARE(okno.polozkyPrehled(), prehled.mid(2));
    QCOMPARE(vlastni[1]->objectName(), u"N3"_s);
    QCOMPARE(prehled[1]->objectName(), u"N5"_s);
    for (int i = 0; i < slozky.size(); ++i) {
        const QString titulek = slozky[i] == u"Beta" ? u"Betaverze"_s : slozky[i];
        QCOMPARE(vlastni[i + 2]->data().toString(), slozky[i]);
        QCOMPARE(prehled[i + 2]->data().toString(), slozky[i]);
        QCOMPARE(BezMnemoniky(prehled[i + 2]->text()), titulek);
        QCOMPARE(BezMnemoniky(vlastni[i + 2]->text()), u"Načti šifru: "_s + titulek);
    }
}

void TestMain::jedinecneOkno_data()
{
    QTest::addColumn<J>("druh");
    QTest::addColumn<bool>("ulozit");
    QTest::addColumn<bool>("tisk");
    QTest::newRow("Morseovka") << J::Morseovka << true << true;
    QTest::newRow("Mrizka jen ulozit") << J::Mrizka << true << false;
    QTest::newRow("Kolecko jen tisk") << J::Kolecko << false << true;
    QTest::newRow("Snek") << J::Snek << true << true;
    QTest::newRow("Semafor") << J::Semafor << false << false;
    QTest::newRow("Cviceni") << J::Cviceni << false << false;
    QTest::newRow("SemaforCteni") << J::SemaforCteni << false << false;
    QTest::newRow("MorseKlic") << J::MorseKlic << false << false;
    QTest::newRow("SemaforTest") << J::SemaforTest << false << false;
}

void TestMain::jedinecneOkno()
{
    QFETCH(J, druh);
    QFETCH(bool, ulozit);
    QFETCH(bool, tisk);
    TTalvoMain okno;
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    // A creator that makes no window opens nothing and enables nothing.
    QCOMPARE(okno.otevriJedinecne(
                 druh, [] { return nullptr; }, true, true),
             nullptr);
    QVERIFY(!okno.jeOtevreno(druh));
    QCOMPARE(povoleno(okno), std::pair(false, false));

    QList<QWidget *> vytvorene;
    const auto tvurce = [&vytvorene] { return vytvorene.emplace_back(new QWidget); };
    QPointer<QMdiSubWindow> prvni = okno.otevriJedinecne(druh, tvurce, ulozit, tisk);
    QVERIFY(prvni && prvni->isMaximized() && prvni->testAttribute(Qt::WA_DeleteOnClose) && okno.jeOtevreno(druh));
    QCOMPARE(okno.aktivniOkno(), prvni->widget());
    QCOMPARE(povoleno(okno), std::pair(ulozit, tisk));
    // A second command shows the same window.
    QCOMPARE(okno.otevriJedinecne(druh, tvurce, false, false), prvni);
    QCOMPARE(vytvorene.size(), 1);

    // Another kind beside it keeps its own flag; the cascade lays both out side by side.
    const J jiny = druh == J::Cviceni ? J::Morseovka : J(int(druh) + 1);
    QPointer<QMdiSubWindow> druhe = okno.otevriJedinecne(jiny, tvurce, false, false);
    QCOMPARE(okno.mdiArea()->subWindowList().size(), 2);
    akce(okno, u"Kaskada1"_s)->trigger();
    QVERIFY(!prvni->isMaximized() && !druhe->isMaximized() && prvni->isVisible() && druhe->isVisible());
    QVERIFY(prvni->pos() != druhe->pos());
    QCOMPARE(prvni->size(), druhe->size());
    QVERIFY(prvni->width() < okno.mdiArea()->viewport()->width());

    prvni->close();
    QTRY_VERIFY(!prvni);
    QVERIFY(!okno.jeOtevreno(druh) && okno.jeOtevreno(jiny));
    // A window that deletes itself clears its flag and takes its frame with it.
    delete vytvorene.at(1);
    QVERIFY(!okno.jeOtevreno(jiny));
    QTRY_VERIFY(!druhe && okno.mdiArea()->subWindowList().isEmpty());
    QCOMPARE(okno.aktivniOkno(), nullptr);

    // The next command makes a new window; closing and reopening disable nothing.
    QVERIFY(okno.otevriJedinecne(druh, tvurce, false, false));
    QVERIFY(vytvorene.size() == 3 && okno.jeOtevreno(druh));
    QCOMPARE(povoleno(okno), std::pair(ulozit, tisk));
}

void TestMain::vyjimkaVObsluze_data()
{
    QTest::addColumn<int>("druh");
    QTest::addColumn<QString>("text");
    QTest::newRow("runtime_error") << 0 << u"Soubor nelze zapsat"_s;
    QTest::newRow("logic_error s diakritikou") << 1 << u"Chybný stav"_s;
    QTest::newRow("ne std::exception") << 2 << QString();
}

void TestMain::vyjimkaVObsluze()
{
    QFETCH(int, druh);
    QFETCH(QString, text);
    QVERIFY(qobject_cast<Aplikace *>(qApp));
    OdpovidacOken odpovidac;
    odpovidac.ocekavej();
    int obslouzeno = 0;
    const auto hazec = [&] {
        ++obslouzeno;
        if (druh == 0)
            throw std::runtime_error("Soubor nelze zapsat");
        if (druh == 1)
            throw std::logic_error("Chybný stav");
        throw 42;
    };
    QMetaObject::invokeMethod(qApp, hazec, Qt::QueuedConnection);
    QTRY_VERIFY(odpovidac.odpovezeno());
    QCOMPARE(odpovidac.ikona(), QMessageBox::Critical);
    QCOMPARE(odpovidac.text(), text);
    QCOMPARE(obslouzeno, 1);
    // The loop goes on: the next event is delivered as usual.
    QMetaObject::invokeMethod(
        qApp, [&] { ++obslouzeno; }, Qt::QueuedConnection);
    QTRY_COMPARE(obslouzeno, 2);
    QCOMPARE(odpovidac.pocetOdpovedi(), 1);
}

void TestMain::pripravaSpusteni()
{
    const QString skript = QFINDTESTDATA("../scripts/prepare-run");
    QVERIFY(!skript.isEmpty());
    const QString cil = QDir::current().absoluteFilePath(u"a/b/run"_s);
    QCOMPARE(QProcess::execute(u"bash"_s, {skript}), 2);
    QCOMPARE(QProcess::execute(u"bash"_s, {skript, cil}), 0);
    QVERIFY(QFileInfo(cil).isDir());
    // A store already in the run folder holds the user's own descriptions and is kept as it is.
    const QString nadpis = cil + u"/talvoPrehled/Moje/Moje-nadpis.txt"_s;
    QVERIFY(QDir().mkpath(cil + u"/talvoPrehled/Moje"_s) && zapisSoubor(nadpis, "moje"));
    QCOMPARE(QProcess::execute(u"bash"_s, {skript, cil}), 0);
    QFile soubor(nadpis);
    QVERIFY(soubor.open(QIODevice::ReadOnly));
    QCOMPARE(soubor.readAll(), QByteArray("moje"));
}

int main(int argc, char *argv[])
{
    Aplikace aplikace(argc, argv);
    TestMain test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ui_main.moc"

// The main window: menu tree, description menus from a store, single-instance windows,
// the information box, the exception box of the application object and the run folder script.
#include "app/Aplikace.h"
#include "app/Main.h"
#include "descriptions/Ulozistepopisu.h"
#include "support/OdpovidacOken.h"

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

#include <stdexcept>

namespace {
// "name|caption" for an item, "name|-" for a separator, in menu order.
QStringList popisAkci(const QList<QAction *> &akce)
{
    QStringList popis;
    for (const QAction *a : akce)
        popis << a->objectName() + u'|' + (a->isSeparator() ? QStringLiteral("-") : a->text());
    return popis;
}

bool zapis(const QString &cesta, const QByteArray &bajty)
{
    QFile soubor(cesta);
    return soubor.open(QIODevice::WriteOnly) && soubor.write(bajty) == bajty.size();
}

// Makes store folder f; with a title file holding nadpis unless nadpis is null.
bool pridejPopis(const QString &f, const QByteArray &nadpis)
{
    const QString uloziste = SlozkaUloziste.toString();
    if (!QDir().mkpath(slozkaPopisu(uloziste, f)))
        return false;
    return nadpis.isNull() || zapis(souborPopisu(uloziste, f, SouborPopisu::Nadpis), nadpis);
}

// An object whose every posted event throws what it is told to.
class Hazec : public QObject
{
public:
    enum class Druh
    {
        Runtime,
        Logic,
        Cislo
    };
    Druh druh = Druh::Runtime;
    int obslouzeno = 0;

protected:
    bool event(QEvent *udalost) override
    {
        if (udalost->type() != QEvent::User)
            return QObject::event(udalost);
        ++obslouzeno;
        if (obslouzeno > 1)
            return true;
        switch (druh) {
        case Druh::Runtime:
            throw std::runtime_error("Soubor nelze zapsat");
        case Druh::Logic:
            throw std::logic_error("Chybný stav");
        case Druh::Cislo:
            throw 42;
        }
        return true;
    }
};
} // namespace

Q_DECLARE_METATYPE(TTalvoMain::Jedinecne)
Q_DECLARE_METATYPE(Hazec::Druh)

class TestMain : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void oknoAPlocha();
    void stromMenu_data();
    void stromMenu();
    void horkeKlavesy_data();
    void horkeKlavesy();
    void zadnaAkceNemaCtrlZ();
    void pocatecniStav();
    void menuZNadpisu_data();
    void menuZNadpisu();
    void menuVsechnySlozkySerazene();
    void chybejiciUlozisteSeVytvori();
    void ulozisteJeSoubor();
    void infoBox();
    void jedinecneOkno_data();
    void jedinecneOkno();
    void povoleniSeNikdyNeodebere();
    void oknoCoSeSamoZrusi();
    void tvurceBezOkna();
    void kaskada();
    void konecZavre();
    void vyjimkaVObsluze_data();
    void vyjimkaVObsluze();
    void pripravaSpusteni();

private:
    QTemporaryDir *m_slozka = nullptr;
    QString m_puvodni;
};

void TestMain::init()
{
    m_puvodni = QDir::currentPath();
    m_slozka = new QTemporaryDir;
    QVERIFY(m_slozka->isValid());
    QVERIFY(QDir::setCurrent(m_slozka->path()));
}

void TestMain::cleanup()
{
    QDir::setCurrent(m_puvodni);
    delete m_slozka;
    m_slozka = nullptr;
}

void TestMain::oknoAPlocha()
{
    TTalvoMain okno;
    QCOMPARE(okno.objectName(), QStringLiteral("TTalvoMain"));
    QCOMPARE(okno.windowTitle(), QStringLiteral("Talvo"));
    QCOMPARE(okno.size(), QSize(818, 676));
    QCOMPARE(okno.pos(), QPoint(0, 0));
    QCOMPARE(okno.font().pointSizeF(), 8.0);
    QVERIFY(okno.mdiArea());
    QCOMPARE(okno.centralWidget(), okno.mdiArea());

    auto *matrix = okno.findChild<QLabel *>(QStringLiteral("matrix"));
    QVERIFY(matrix);
    QCOMPARE(matrix->geometry(), QRect(148, 117, 517, 388));
    QCOMPARE(matrix->pixmap().size(), QSize(516, 391));
    QCOMPARE(matrix->parentWidget(), okno.mdiArea()->viewport());

    auto *nadpis = okno.findChild<QLabel *>(QStringLiteral("Nadpis"));
    QVERIFY(nadpis);
    QCOMPARE(nadpis->text(), QStringLiteral("Talvo 1.11"));
    QCOMPARE(nadpis->pos(), QPoint(330, 32));
    QCOMPARE(nadpis->font().pixelSize(), 27);

    auto *nazev = okno.findChild<QPlainTextEdit *>(QStringLiteral("NazevTalvo"));
    QVERIFY(nazev);
    QCOMPARE(nazev->toPlainText(), QStringLiteral("noVisible"));
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    QVERIFY(!nazev->isVisible());
    QVERIFY(matrix->isVisible());
}

void TestMain::stromMenu_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("polozky");
    QTest::newRow("lista") << QStringLiteral("MainMenu1")
                           << QStringList{u"Soubor|Soubor"_qs,
                                          u"Sifrovani|Šifrování"_qs,
                                          u"CviceniSifrovani|Cvičení šifrování"_qs,
                                          u"N4|-"_qs,
                                          u"PrehledSifer|Přehled šifer"_qs,
                                          u"N2|-"_qs,
                                          u"Napoveda|Nápověda"_qs,
                                          u"Okna1|Okna"_qs};
    QTest::newRow("Soubor") << QStringLiteral("Soubor")
                            << QStringList{u"Ulozit|Uložit"_qs, u"Tisk|Tisk"_qs, u"NastaveniTisku|Nastavení tisku"_qs,
                                           u"N1|-"_qs, u"Konec|Konec"_qs};
    QTest::newRow("Sifrovani") << QStringLiteral("Sifrovani")
                               << QStringList{u"Morseovka1SD|Morseovka"_qs, u"MrizkaSD|Mřížka"_qs,
                                              u"SifrovaciKolecko1SD|Šifrovací kolečko"_qs, u"Snek1SD|Šnek"_qs,
                                              u"Semafor1SD|Semafor"_qs};
    QTest::newRow("CviceniSifrovani") << QStringLiteral("CviceniSifrovani") << QStringList{u"Test|Morseovka 1"_qs};
    QTest::newRow("PrehledSifer") << QStringLiteral("PrehledSifer")
                                  << QStringList{u"VlastniSifra|Vložit/editovat popis"_qs, u"N5|-"_qs};
    QTest::newRow("VlastniSifra") << QStringLiteral("VlastniSifra") << QStringList{u"Nova|Nová"_qs, u"N3|-"_qs};
    QTest::newRow("Napoveda") << QStringLiteral("Napoveda")
                              << QStringList{u"Info1|Info"_qs, u"Dokumentace1|Dokumentace"_qs,
                                             u"Napoveda2|Nápověda"_qs};
    QTest::newRow("Okna1") << QStringLiteral("Okna1") << QStringList{u"Kaskada1|Kaskáda"_qs};
}

void TestMain::stromMenu()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, polozky);
    TTalvoMain okno;
    QList<QAction *> akce;
    if (menu == u"MainMenu1") {
        QCOMPARE(okno.menuBar()->objectName(), menu);
        akce = okno.menuBar()->actions();
    } else {
        auto *m = okno.findChild<QMenu *>(menu);
        QVERIFY(m);
        QCOMPARE(m->menuAction()->objectName(), menu);
        akce = m->actions();
    }
    QCOMPARE(popisAkci(akce), polozky);
}

void TestMain::horkeKlavesy_data()
{
    QTest::addColumn<QString>("akce");
    QTest::addColumn<QKeySequence>("klavesa");
    QTest::newRow("Ulozit") << QStringLiteral("Ulozit") << QKeySequence(QStringLiteral("Ctrl+S"));
    QTest::newRow("Tisk") << QStringLiteral("Tisk") << QKeySequence(QStringLiteral("Ctrl+P"));
    QTest::newRow("Konec") << QStringLiteral("Konec") << QKeySequence(QStringLiteral("Ctrl+Q"));
    QTest::newRow("NastaveniTisku bez klavesy") << QStringLiteral("NastaveniTisku") << QKeySequence();
    QTest::newRow("Morseovka bez klavesy") << QStringLiteral("Morseovka1SD") << QKeySequence();
}

void TestMain::horkeKlavesy()
{
    QFETCH(QString, akce);
    QFETCH(QKeySequence, klavesa);
    TTalvoMain okno;
    auto *a = okno.findChild<QAction *>(akce);
    QVERIFY(a);
    QCOMPARE(a->shortcut(), klavesa);
}

void TestMain::zadnaAkceNemaCtrlZ()
{
    // Ctrl+Z belongs to undo in the edit boxes of the child windows.
    TTalvoMain okno;
    const QKeySequence ctrlZ(QStringLiteral("Ctrl+Z"));
    const auto vsechny = okno.findChildren<QAction *>();
    QVERIFY(vsechny.size() > 20);
    for (const QAction *a : vsechny)
        QVERIFY2(!a->shortcuts().contains(ctrlZ), qPrintable(a->objectName()));
}

void TestMain::pocatecniStav()
{
    TTalvoMain okno;
    auto *ulozit = okno.findChild<QAction *>(QStringLiteral("Ulozit"));
    auto *tisk = okno.findChild<QAction *>(QStringLiteral("Tisk"));
    auto *test = okno.findChild<QAction *>(QStringLiteral("Test"));
    QVERIFY(ulozit && tisk && test);
    QVERIFY(!ulozit->isEnabled());
    QVERIFY(!tisk->isEnabled());
    QVERIFY(test->isCheckable());
    QVERIFY(!test->isChecked());
    for (auto druh : {TTalvoMain::Jedinecne::Morseovka, TTalvoMain::Jedinecne::Mrizka, TTalvoMain::Jedinecne::Kolecko,
                      TTalvoMain::Jedinecne::Snek, TTalvoMain::Jedinecne::Semafor, TTalvoMain::Jedinecne::Cviceni})
        QVERIFY(!okno.jeOtevreno(druh));
    QCOMPARE(okno.aktivniOkno(), nullptr);
    QCOMPARE(okno.znakyVlastni().size(), 80);
    QCOMPARE(okno.nahradaVelka().size(), 48);
}

void TestMain::menuZNadpisu_data()
{
    QTest::addColumn<QString>("slozka");
    QTest::addColumn<QByteArray>("nadpis");
    QTest::addColumn<QString>("titulek");

    QTest::newRow("mezery a konec radku")
        << QStringLiteral("Morseovaabeceda") << QByteArray("Morseova abeceda\r\n") << QStringLiteral("Morseovaabeceda");
    QTest::newRow("windows-1250") << QStringLiteral("Sifrovacikolecko")
                                  << QByteArray("\x8A"
                                                "ifrovac\xED kole\xE8ko\r\n")
                                  << QStringLiteral("Šifrovacíkolečko");
    QTest::newRow("utf-8 s BOM") << QStringLiteral("Snek") << QByteArray("\xEF\xBB\xBF\xC5\xA0nek ve\r\nspir\xC3\xA1le")
                                 << QStringLiteral("Šnekvespirále");
    QTest::newRow("vice radku a samotne LF")
        << QStringLiteral("Semafor") << QByteArray(" Vlajkov\xE1\n abeceda \r") << QStringLiteral("Vlajkováabeceda");
    QTest::newRow("bez souboru nadpisu") << QStringLiteral("Prazdna") << QByteArray() << QStringLiteral("Prazdna");
    QTest::newRow("nadpis jen z mezer") << QStringLiteral("Mezery") << QByteArray("  \r\n ")
                                        << QStringLiteral("Mezery");
    QTest::newRow("ampersand") << QStringLiteral("AB") << QByteArray("A & B") << QStringLiteral("A&&B");
}

void TestMain::menuZNadpisu()
{
    QFETCH(QString, slozka);
    QFETCH(QByteArray, nadpis);
    QFETCH(QString, titulek);
    QVERIFY(pridejPopis(slozka, nadpis));

    TTalvoMain okno;
    QCOMPARE(okno.polozkyNacti().size(), 1);
    QCOMPARE(okno.polozkyPrehled().size(), 1);
    QAction *nacti = okno.polozkyNacti().first();
    QAction *prehled = okno.polozkyPrehled().first();
    QCOMPARE(nacti->text(), QStringLiteral("Načti šifru: ") + titulek);
    QCOMPARE(prehled->text(), titulek);
    QCOMPARE(nacti->data().toString(), slozka);
    QCOMPARE(prehled->data().toString(), slozka);
    QCOMPARE(okno.findChild<QMenu *>(QStringLiteral("VlastniSifra"))->actions().value(2), nacti);
    QCOMPARE(okno.findChild<QMenu *>(QStringLiteral("PrehledSifer"))->actions().value(2), prehled);
}

void TestMain::menuVsechnySlozkySerazene()
{
    // 30 folders made in scrambled order, plus a file that is no description.
    QStringList slozky;
    for (int i = 0; i < 30; ++i)
        slozky << QStringLiteral("Sifra%1").arg(i, 2, 10, QLatin1Char('0'));
    slozky << QStringLiteral("alfa") << QStringLiteral("Beta");
    QStringList zamichane = slozky;
    std::reverse(zamichane.begin(), zamichane.end());
    std::swap(zamichane[3], zamichane[17]);
    for (const QString &f : zamichane)
        QVERIFY(pridejPopis(f, f == u"Beta" ? QByteArray("Beta verze") : QByteArray()));
    QVERIFY(zapis(SlozkaUloziste.toString() + QStringLiteral("/soubor.txt"), "nic"));

    QStringList serazene = slozky;
    std::sort(serazene.begin(), serazene.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });

    TTalvoMain okno;
    QCOMPARE(okno.polozkyNacti().size(), 32);
    QCOMPARE(okno.polozkyPrehled().size(), 32);
    auto *vlastni = okno.findChild<QMenu *>(QStringLiteral("VlastniSifra"));
    auto *prehled = okno.findChild<QMenu *>(QStringLiteral("PrehledSifer"));
    QCOMPARE(vlastni->actions().size(), 34);
    QCOMPARE(prehled->actions().size(), 34);
    QCOMPARE(vlastni->actions().value(1)->objectName(), QStringLiteral("N3"));
    QCOMPARE(prehled->actions().value(1)->objectName(), QStringLiteral("N5"));
    for (int i = 0; i < serazene.size(); ++i) {
        QCOMPARE(vlastni->actions().value(i + 2)->data().toString(), serazene[i]);
        QCOMPARE(prehled->actions().value(i + 2)->data().toString(), serazene[i]);
        QCOMPARE(okno.polozkyNacti().value(i), vlastni->actions().value(i + 2));
        QCOMPARE(okno.polozkyPrehled().value(i), prehled->actions().value(i + 2));
        const QString titulek = serazene[i] == u"Beta" ? QStringLiteral("Betaverze") : serazene[i];
        QCOMPARE(prehled->actions().value(i + 2)->text(), titulek);
        QCOMPARE(vlastni->actions().value(i + 2)->text(), QStringLiteral("Načti šifru: ") + titulek);
    }
}

void TestMain::chybejiciUlozisteSeVytvori()
{
    QVERIFY(!QDir(SlozkaUloziste.toString()).exists());
    TTalvoMain okno;
    QVERIFY(QFileInfo(SlozkaUloziste.toString()).isDir());
    QVERIFY(okno.polozkyNacti().isEmpty());
    QVERIFY(okno.polozkyPrehled().isEmpty());
    QCOMPARE(okno.findChild<QMenu *>(QStringLiteral("VlastniSifra"))->actions().size(), 2);
    QCOMPARE(okno.findChild<QMenu *>(QStringLiteral("PrehledSifer"))->actions().size(), 2);
}

void TestMain::ulozisteJeSoubor()
{
    // A file in the store's place cannot become the store: the menus stay empty, nothing breaks.
    QVERIFY(zapis(SlozkaUloziste.toString(), "neni slozka"));
    TTalvoMain okno;
    QVERIFY(okno.polozkyNacti().isEmpty());
    QVERIFY(okno.polozkyPrehled().isEmpty());
    QVERIFY(QFileInfo(SlozkaUloziste.toString()).isFile());
}

void TestMain::infoBox()
{
    TTalvoMain okno;
    okno.show();
    OdpovidacOken odpovidac;
    odpovidac.ocekavej();
    okno.findChild<QAction *>(QStringLiteral("Info1"))->trigger();
    QVERIFY(odpovidac.odpovezeno());
    QCOMPARE(odpovidac.titulek(), QStringLiteral("Info"));
    QCOMPARE(odpovidac.ikona(), QMessageBox::Information);
    const QStringList radky = odpovidac.text().split(u'\n');
    QCOMPARE(radky.size(), 6);
    QCOMPARE(radky[0], QStringLiteral("Název: Talvo "));
    QCOMPARE(radky[1], QStringLiteral("Verze 1.11"));
    QCOMPARE(radky[2], QString());
    QCOMPARE(radky[4], QString());
    QCOMPARE(radky[5], QStringLiteral("2026 Talvo"));
}

void TestMain::jedinecneOkno_data()
{
    QTest::addColumn<TTalvoMain::Jedinecne>("druh");
    QTest::addColumn<bool>("ulozit");
    QTest::addColumn<bool>("tisk");
    QTest::newRow("Morseovka") << TTalvoMain::Jedinecne::Morseovka << true << true;
    QTest::newRow("Mrizka") << TTalvoMain::Jedinecne::Mrizka << true << true;
    QTest::newRow("Kolecko") << TTalvoMain::Jedinecne::Kolecko << true << true;
    QTest::newRow("Snek") << TTalvoMain::Jedinecne::Snek << true << true;
    QTest::newRow("Semafor") << TTalvoMain::Jedinecne::Semafor << false << false;
    QTest::newRow("Cviceni") << TTalvoMain::Jedinecne::Cviceni << false << false;
    QTest::newRow("jen ulozit") << TTalvoMain::Jedinecne::Morseovka << true << false;
    QTest::newRow("jen tisk") << TTalvoMain::Jedinecne::Snek << false << true;
}

void TestMain::jedinecneOkno()
{
    QFETCH(TTalvoMain::Jedinecne, druh);
    QFETCH(bool, ulozit);
    QFETCH(bool, tisk);
    TTalvoMain okno;
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    int vytvoreno = 0;
    const auto tvurce = [&vytvoreno] {
        ++vytvoreno;
        return new QWidget;
    };

    QMdiSubWindow *prvni = okno.otevriJedinecne(druh, tvurce, ulozit, tisk);
    QVERIFY(prvni);
    QCOMPARE(vytvoreno, 1);
    QVERIFY(okno.jeOtevreno(druh));
    QVERIFY(prvni->isMaximized());
    QVERIFY(prvni->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(okno.aktivniOkno(), prvni->widget());
    QCOMPARE(okno.findChild<QAction *>(QStringLiteral("Ulozit"))->isEnabled(), ulozit);
    QCOMPARE(okno.findChild<QAction *>(QStringLiteral("Tisk"))->isEnabled(), tisk);

    QCOMPARE(okno.otevriJedinecne(druh, tvurce, false, false), prvni);
    QCOMPARE(vytvoreno, 1);
    QCOMPARE(okno.mdiArea()->subWindowList().size(), 1);

    QPointer<QMdiSubWindow> hlidany(prvni);
    prvni->close();
    QTRY_VERIFY(!hlidany);
    QVERIFY(!okno.jeOtevreno(druh));
    QCOMPARE(okno.mdiArea()->subWindowList().size(), 0);
    QCOMPARE(okno.aktivniOkno(), nullptr);

    QMdiSubWindow *druhe = okno.otevriJedinecne(druh, tvurce, false, false);
    QVERIFY(druhe);
    QCOMPARE(vytvoreno, 2);
    QVERIFY(okno.jeOtevreno(druh));
    QCOMPARE(okno.mdiArea()->subWindowList().size(), 1);
    // Closing every window leaves the commands as they were.
    QCOMPARE(okno.findChild<QAction *>(QStringLiteral("Ulozit"))->isEnabled(), ulozit);
    QCOMPARE(okno.findChild<QAction *>(QStringLiteral("Tisk"))->isEnabled(), tisk);
}

void TestMain::povoleniSeNikdyNeodebere()
{
    TTalvoMain okno;
    okno.show();
    auto *ulozit = okno.findChild<QAction *>(QStringLiteral("Ulozit"));
    auto *tisk = okno.findChild<QAction *>(QStringLiteral("Tisk"));
    const auto tvurce = [] { return new QWidget; };

    QPointer<QMdiSubWindow> semafor = okno.otevriJedinecne(TTalvoMain::Jedinecne::Semafor, tvurce, false, false);
    QVERIFY(!ulozit->isEnabled() && !tisk->isEnabled());
    QPointer<QMdiSubWindow> morse = okno.otevriJedinecne(TTalvoMain::Jedinecne::Morseovka, tvurce, true, true);
    QVERIFY(ulozit->isEnabled() && tisk->isEnabled());
    morse->close();
    QTRY_VERIFY(!morse);
    QVERIFY(okno.jeOtevreno(TTalvoMain::Jedinecne::Semafor));
    QVERIFY(!okno.jeOtevreno(TTalvoMain::Jedinecne::Morseovka));
    QVERIFY(ulozit->isEnabled() && tisk->isEnabled());
    okno.otevriJedinecne(TTalvoMain::Jedinecne::Cviceni, tvurce, false, false);
    QVERIFY(ulozit->isEnabled() && tisk->isEnabled());
    QCOMPARE(okno.mdiArea()->subWindowList().size(), 2);
}

void TestMain::oknoCoSeSamoZrusi()
{
    // A window that deletes itself clears its flag and takes its frame with it.
    TTalvoMain okno;
    okno.show();
    QWidget *obsah = nullptr;
    QPointer<QMdiSubWindow> ram = okno.otevriJedinecne(
        TTalvoMain::Jedinecne::Snek, [&obsah] { return obsah = new QWidget; }, true, true);
    QVERIFY(ram && obsah);
    delete obsah;
    QVERIFY(!okno.jeOtevreno(TTalvoMain::Jedinecne::Snek));
    QTRY_VERIFY(!ram);
    QVERIFY(okno.mdiArea()->subWindowList().isEmpty());
}

void TestMain::tvurceBezOkna()
{
    TTalvoMain okno;
    QCOMPARE(okno.otevriJedinecne(
                 TTalvoMain::Jedinecne::Mrizka, [] { return nullptr; }, true, true),
             nullptr);
    QVERIFY(!okno.jeOtevreno(TTalvoMain::Jedinecne::Mrizka));
    QVERIFY(!okno.findChild<QAction *>(QStringLiteral("Ulozit"))->isEnabled());
}

void TestMain::kaskada()
{
    TTalvoMain okno;
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    const auto tvurce = [] { return new QWidget; };
    QMdiSubWindow *a = okno.otevriJedinecne(TTalvoMain::Jedinecne::Mrizka, tvurce, true, true);
    QMdiSubWindow *b = okno.otevriJedinecne(TTalvoMain::Jedinecne::Kolecko, tvurce, true, true);
    QVERIFY(a && b);
    okno.findChild<QAction *>(QStringLiteral("Kaskada1"))->trigger();
    QVERIFY(!a->isMaximized());
    QVERIFY(!b->isMaximized());
    QVERIFY(a->isVisible() && b->isVisible());
    QVERIFY(a->pos() != b->pos());
    QCOMPARE(a->size(), b->size());
    QVERIFY(a->width() < okno.mdiArea()->viewport()->width());
}

void TestMain::konecZavre()
{
    TTalvoMain okno;
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    QPointer<QMdiSubWindow> dite = okno.otevriJedinecne(
        TTalvoMain::Jedinecne::Morseovka, [] { return new QWidget; }, true, true);
    okno.findChild<QAction *>(QStringLiteral("Konec"))->trigger();
    QVERIFY(!okno.isVisible());
}

void TestMain::vyjimkaVObsluze_data()
{
    QTest::addColumn<Hazec::Druh>("druh");
    QTest::addColumn<QString>("text");
    QTest::newRow("runtime_error") << Hazec::Druh::Runtime << QStringLiteral("Soubor nelze zapsat");
    QTest::newRow("logic_error s diakritikou") << Hazec::Druh::Logic << QStringLiteral("Chybný stav");
    QTest::newRow("ne std::exception") << Hazec::Druh::Cislo << QString();
}

void TestMain::vyjimkaVObsluze()
{
    QFETCH(Hazec::Druh, druh);
    QFETCH(QString, text);
    QVERIFY(qobject_cast<Aplikace *>(qApp));
    Hazec hazec;
    hazec.druh = druh;
    OdpovidacOken odpovidac;
    odpovidac.ocekavej();
    QCoreApplication::postEvent(&hazec, new QEvent(QEvent::User));
    QTRY_VERIFY(odpovidac.odpovezeno());
    QCOMPARE(odpovidac.ikona(), QMessageBox::Critical);
    QCOMPARE(odpovidac.text(), text);
    QCOMPARE(hazec.obslouzeno, 1);
    // The loop goes on: the next event is delivered as usual.
    QCoreApplication::postEvent(&hazec, new QEvent(QEvent::User));
    QTRY_COMPARE(hazec.obslouzeno, 2);
    QCOMPARE(odpovidac.pocetOdpovedi(), 1);
}

void TestMain::pripravaSpusteni()
{
    const QString skript = QFINDTESTDATA("../scripts/prepare-run");
    QVERIFY(!skript.isEmpty());
    const QString cil = QDir::current().absoluteFilePath(QStringLiteral("a/b/run"));

    QCOMPARE(QProcess::execute(QStringLiteral("bash"), {skript}), 2);
    QCOMPARE(QProcess::execute(QStringLiteral("bash"), {skript, cil}), 0);
    QVERIFY(QFileInfo(cil).isDir());

    // A store already in the run folder holds the user's own descriptions and is kept as it is.
    QVERIFY(QDir().mkpath(cil + QStringLiteral("/talvoPrehled/Moje")));
    QVERIFY(zapis(cil + QStringLiteral("/talvoPrehled/Moje/Moje-nadpis.txt"), "moje"));
    QCOMPARE(QProcess::execute(QStringLiteral("bash"), {skript, cil}), 0);
    QFile nadpis(cil + QStringLiteral("/talvoPrehled/Moje/Moje-nadpis.txt"));
    QVERIFY(nadpis.open(QIODevice::ReadOnly));
    QCOMPARE(nadpis.readAll(), QByteArray("moje"));
}

int main(int argc, char *argv[])
{
    Aplikace aplikace(argc, argv);
    TestMain test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ui_main.moc"

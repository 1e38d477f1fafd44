// Start-up: the folder Talvo works in and what the first start puts there, the guide the menu
// opens, and the program's icon on every window.
#include "app/Aplikace.h"
#include "app/Main.h"
#include "app/PracovniSlozka.h"
#include "resources/Zdroje.h"
#include "resources/kresby/Kresby.h"

#include "support/OdpovidacOken.h"
#include "support/Poruchy.h"
#include "support/Soubory.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <optional>

using namespace Qt::StringLiterals;

namespace {
} // namespace

// Catches what the menu asks the desktop to open.
class Otviradlo : public QObject
{
    Q_OBJECT
public slots:
    void otevri(const QUrl &adresa) { otevrene.append(adresa); }

public:
    QList<QUrl> otevrene;
};

class TestSpusteni : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void pracovniSlozka_data();
    void pracovniSlozka();
    void ulozisteNelzeVytvorit_data();
    void ulozisteNelzeVytvorit();
    void napoveda_data();
    void napoveda();
    void ikona_data();
    void ikona();

private:
    std::optional<QTemporaryDir> m_slozka;
    const QString m_puvodni = QDir::currentPath();
};

void TestSpusteni::init()
{
    m_slozka.emplace();
    QVERIFY(m_slozka->isValid() && QDir::setCurrent(m_slozka->path()));
}

void TestSpusteni::cleanup()
{
    QDir::setCurrent(m_puvodni);
    m_slozka.reset();
}

void TestSpusteni::pracovniSlozka_data()
{
    // Folders under the test's own: start/ (the current folder), prefix/share/talvo/ (the installed
    // data beside prefix/bin/), user/Talvo/ (the per-user folder), docs/ (the documents folder).
    // Files are given as relative path=content; the shipped store holds Morse/Morse-nadpis.txt=Morse
    // and the shipped guide "guide 2".
    QTest::addColumn<bool>("nainstalovano");
    QTest::addColumn<QStringList>("predem");
    QTest::addColumn<QString>("ocekavana");
    QTest::addColumn<QStringList>("potom");
    QTest::addColumn<bool>("chyba");

    const QString morse = u"user/Talvo/talvoPrehled/Morse/Morse-nadpis.txt=Morse"_s;
    const QString prirucka = u"user/Talvo/talvo_uzivatelska_dokumentace.pdf=guide 2"_s;
    QTest::newRow("first start: the store and the guide are copied")
        << true << QStringList{} << u"user/Talvo"_s << QStringList{morse, prirucka} << false;
    QTest::newRow("own descriptions stay and the shipped ones join them")
        << true << QStringList{u"user/Talvo/talvoPrehled/Moje/Moje-nadpis.txt=moje"_s} << u"user/Talvo"_s
        << QStringList{u"user/Talvo/talvoPrehled/Moje/Moje-nadpis.txt=moje"_s, morse, prirucka} << false;
    QTest::newRow("an edited shipped description is not overwritten")
        << true << QStringList{u"user/Talvo/talvoPrehled/Morse/Morse-nadpis.txt=upraveno"_s} << u"user/Talvo"_s
        << QStringList{u"user/Talvo/talvoPrehled/Morse/Morse-nadpis.txt=upraveno"_s, prirucka} << false;
    QStringList plne;
    for (int i = 1; i <= 25; ++i)
        plne << u"user/Talvo/talvoPrehled/D%1/"_s.arg(i);
    QTest::newRow("a store of 25 descriptions takes no more")
        << true << plne << u"user/Talvo"_s
        << QStringList{u"user/Talvo/talvoPrehled/Morse/Morse-nadpis.txt=(none)"_s, prirucka} << false;
    QTest::newRow("a guide of an older version is replaced")
        << true << QStringList{u"user/Talvo/talvo_uzivatelska_dokumentace.pdf=guide 1"_s} << u"user/Talvo"_s
        << QStringList{morse, prirucka} << false;
    QTest::newRow("a folder with a store is kept, nothing is copied")
        << true << QStringList{u"start/talvoPrehled/Moje/Moje-nadpis.txt=moje"_s} << u"start"_s
        << QStringList{u"user/Talvo/talvo_uzivatelska_dokumentace.pdf=(none)"_s,
                       u"start/talvo_uzivatelska_dokumentace.pdf=(none)"_s}
        << false;
    QTest::newRow("not installed: the start folder, as always")
        << false << QStringList{} << u"start"_s << QStringList{u"user/Talvo/talvo_uzivatelska_dokumentace.pdf=(none)"_s}
        << false;
    QTest::newRow("the per-user folder cannot be made: the start folder, with a message")
        << true << QStringList{u"user=a file"_s} << u"start"_s << QStringList{} << true;
}

void TestSpusteni::pracovniSlozka()
{
    QFETCH(bool, nainstalovano);
    QFETCH(QStringList, predem);
    QFETCH(QString, ocekavana);
    QFETCH(QStringList, potom);
    QFETCH(bool, chyba);

    const QDir koren = QDir::current();
    QVERIFY(koren.mkpath(u"start"_s) && koren.mkpath(u"prefix/bin"_s) && koren.mkpath(u"docs"_s));
    QVERIFY(zapisSoubor(koren.filePath(u"prefix/share/talvo/talvoPrehled/Morse/Morse-nadpis.txt"_s), "Morse"));
    QVERIFY(zapisSoubor(koren.filePath(u"prefix/share/talvo/talvo_uzivatelska_dokumentace.pdf"_s), "guide 2"));
    for (const QString &polozka : predem) {
        const auto [cesta, obsah] = std::pair{polozka.section(u'=', 0, 0), polozka.section(u'=', 1)};
        QVERIFY(cesta.endsWith(u'/') ? koren.mkpath(cesta) : zapisSoubor(koren.filePath(cesta), obsah.toUtf8()));
    }

    const QString dodavana = dodavanaSlozka(koren.filePath(u"prefix/bin"_s), u"../share/talvo"_s);
    QCOMPARE(dodavana.isEmpty(), false);
    const MistaSpusteni mista{koren.filePath(u"start"_s), nainstalovano ? dodavana : QString(),
                              koren.filePath(u"user/Talvo"_s), koren.filePath(u"docs"_s)};
    QString zprava;
    QCOMPARE(pripravPracovniSlozku(mista, &zprava), koren.filePath(ocekavana));
    QCOMPARE(zprava.isEmpty(), !chyba);
    for (const QString &polozka : potom)
        QCOMPARE(obsahSouboru(koren.filePath(polozka.section(u'=', 0, 0))), polozka.section(u'=', 1).toUtf8());
    // In the per-user folder the save dialog starts in the documents folder, not a hidden one.
    if (ocekavana == u"user/Talvo")
        QCOMPARE(QFileInfo(koren.filePath(u"user/Talvo/ulozeneTalvo"_s)).canonicalFilePath(),
                 QFileInfo(koren.filePath(u"docs"_s)).canonicalFilePath());
    // A second start finds everything in place and changes nothing.
    QCOMPARE(pripravPracovniSlozku(mista, &zprava), koren.filePath(ocekavana));
    for (const QString &polozka : potom)
        QCOMPARE(obsahSouboru(koren.filePath(polozka.section(u'=', 0, 0))), polozka.section(u'=', 1).toUtf8());
}

void TestSpusteni::ulozisteNelzeVytvorit_data()
{
    // What stands in the way of start/talvoPrehled, and whether Talvo is installed with a per-user folder
    // that cannot be made either (a file named user).
    QTest::addColumn<QString>("prekazka");
    QTest::addColumn<bool>("uzivatelska");
    QTest::newRow("a writable folder: the store is made, nothing said") << QString() << false;
    QTest::newRow("a read-only folder without a store") << u"read-only"_s << false;
    QTest::newRow("a file named talvoPrehled") << u"file"_s << false;
    QTest::newRow("installed, per-user folder cannot be made, read-only folder") << u"read-only"_s << true;
}

// Started where the store cannot be made, Talvo says so once its window shows, naming the folder in full,
// in the same box as what preparing the working folder reported.
void TestSpusteni::ulozisteNelzeVytvorit()
{
    QFETCH(QString, prekazka);
    QFETCH(bool, uzivatelska);
    const QDir koren = QDir::current();
    QVERIFY(koren.mkpath(u"start"_s));
    QVERIFY(zapisSoubor(koren.filePath(u"prefix/share/talvo/talvoPrehled/Morse/Morse-nadpis.txt"_s), "Morse"));
    QVERIFY(zapisSoubor(koren.filePath(u"user"_s), "a file"));
    const QString uloziste = koren.filePath(u"start/talvoPrehled"_s);
    if (prekazka == u"file")
        QVERIFY(zapisSoubor(uloziste, "not a folder"));
    std::optional<ZamekZapisu> zamek;
    if (prekazka == u"read-only") {
        zamek.emplace(koren.filePath(u"start"_s));
        QVERIFY(zamek->zamceno());
    }
    const QString dodavana =
        uzivatelska ? dodavanaSlozka(koren.filePath(u"prefix/bin"_s), u"../share/talvo"_s) : QString();
    QString chybaSlozky;
    const QString pracovni = pripravPracovniSlozku(
        {koren.filePath(u"start"_s), dodavana, koren.filePath(u"user/Talvo"_s), koren.filePath(u"docs"_s)},
        &chybaSlozky);
    QCOMPARE(pracovni, koren.filePath(u"start"_s));
    QCOMPARE(chybaSlozky.isEmpty(), !uzivatelska);
    QVERIFY(QDir::setCurrent(pracovni));

    TTalvoMain okno;
    okno.show();
    const QString chyba =
        prekazka.isEmpty()
            ? QString()
            : u"Složku %1 nelze vytvořit. Popisy šifer nebude možné uložit."_s.arg(QDir::toNativeSeparators(uloziste));
    QCOMPARE(okno.chybaUloziste(), chyba);
    QCOMPARE(QFileInfo(uloziste).isDir(), prekazka.isEmpty());
    OdpovidacOken odpovidac;
    odpovidac.ocekavej(prekazka.isEmpty() ? 300 : 5000);
    // The box is modal: the answerer has closed it when the call returns.
    okno.ohlasChybyStartu(chybaSlozky);
    QCOMPARE(odpovidac.odpovezeno(), !prekazka.isEmpty());
    if (prekazka.isEmpty())
        return;
    QCOMPARE(odpovidac.ikona(), QMessageBox::Warning);
    QCOMPARE(odpovidac.titulek(), u"Talvo"_s);
    QCOMPARE(odpovidac.text(), uzivatelska ? chybaSlozky + u'\n' + chyba : chyba);
}

void TestSpusteni::napoveda_data()
{
    QTest::addColumn<QString>("okno");    // the menu item of the window open before ("Prehled": an overview)
    QTest::addColumn<QString>("prikaz");  // the help command: an item's objectName, or "F1"
    QTest::addColumn<QString>("prehled"); // the store folder the overview shows; empty: the guide opens
    QTest::newRow("Dokumentace") << "MrizkaSD"
                                 << "Dokumentace1"
                                 << "";
    QTest::newRow("no window") << ""
                               << "Napoveda2"
                               << "";
    QTest::newRow("grille") << "MrizkaSD"
                            << "Napoveda2"
                            << "Mrizka";
    QTest::newRow("trainer, F1") << "MorseTreninkSD"
                                 << "F1"
                                 << "Morseovka";
    QTest::newRow("description missing") << "SifrovaciKolecko1SD"
                                         << "Napoveda2"
                                         << "";
    QTest::newRow("overview active") << "Prehled"
                                     << "F1"
                                     << "";
}

// "Dokumentace" opens the guide; "Nápověda" and F1 the description of the active tool window's
// cipher in a new overview, or the guide when no tool window is active or the store lacks it.
void TestSpusteni::napoveda()
{
    QFETCH(QString, okno);
    QFETCH(QString, prikaz);
    QFETCH(QString, prehled);
    for (const char *popis : {"Mrizka", "Morseovka"})
        QVERIFY(QDir().mkpath(u"talvoPrehled/"_s + QLatin1String(popis)));
    Otviradlo otviradlo;
    QDesktopServices::setUrlHandler(u"file"_s, &otviradlo, "otevri");
    TTalvoMain hlavni;
    hlavni.show();
    // The folders made hold no files: an overview says so in a box, answered here.
    OdpovidacOken odpovidac;
    odpovidac.ocekavej();
    if (okno == u"Prehled")
        hlavni.polozkyPrehled().first()->trigger();
    else if (!okno.isEmpty())
        hlavni.findChild<QAction *>(okno)->trigger();
    const qsizetype oken = hlavni.mdiArea()->subWindowList().size();
    odpovidac.ocekavej();
    if (prikaz == u"F1") {
        hlavni.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&hlavni));
        QTest::keyClick(&hlavni, Qt::Key_F1);
    } else {
        hlavni.findChild<QAction *>(prikaz)->trigger();
    }
    QDesktopServices::unsetUrlHandler(u"file"_s);
    const QUrl prirucka = QUrl::fromLocalFile(QDir::current().absoluteFilePath(u"talvo_uzivatelska_dokumentace.pdf"_s));
    QCOMPARE(otviradlo.otevrene, prehled.isEmpty() ? QList<QUrl>{prirucka} : QList<QUrl>());
    QCOMPARE(hlavni.mdiArea()->subWindowList().size(), oken + (prehled.isEmpty() ? 0 : 1));
    if (!prehled.isEmpty())
        QCOMPARE(hlavni.mdiArea()->activeSubWindow()->widget()->windowTitle(), u"Přehled šifer - "_s + prehled);
}

void TestSpusteni::ikona_data()
{
    QTest::addColumn<int>("strana");
    for (const int n : velikostiIkony())
        QTest::newRow(QByteArray::number(n) + " px") << n;
}

void TestSpusteni::ikona()
{
    QFETCH(int, strana);
    const QImage ikona = nakresliIkonu(strana);
    QCOMPARE(ikona.size(), QSize(strana, strana));
    // A tile with rounded corners: the corners are see-through, the middle is the opaque wheel.
    QCOMPARE(qAlpha(ikona.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(ikona.pixel(strana - 1, strana - 1)), 0);
    QCOMPARE(qAlpha(ikona.pixel(strana / 2, strana / 2)), 255);

    // The application gives the icon, in this size too, to the main window and to every child.
    TTalvoMain okno;
    okno.findChild<QAction *>(u"Morseovka1SD"_s)->trigger();
    QMdiSubWindow *dite = okno.mdiArea()->currentSubWindow();
    QVERIFY(dite);
    for (const QWidget *w : {static_cast<const QWidget *>(&okno), static_cast<const QWidget *>(dite)})
        QVERIFY(w->windowIcon().availableSizes().contains(QSize(strana, strana)));
    QCOMPARE(okno.windowIcon().pixmap(strana).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), ikona);
}

int main(int argc, char *argv[])
{
    Aplikace aplikace(argc, argv);
    TestSpusteni test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ui_spusteni.moc"

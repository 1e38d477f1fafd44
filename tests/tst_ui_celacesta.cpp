// One main window driven through every menu command in turn, as a user would in one sitting: each tool
// window runs its cipher on its default text, saves its report and prints it to PDF; an overview is
// printed; every description of the shipped store is opened in the editor and saved into a copy of the
// store; the quiz is taken; the windows are cascaded and closed, and the program ends. In the sanitizer
// build LeakSanitizer checks at the exit that nothing of it was left behind.
#include "app/Main.h"
#include "ciphers/Morseovka.h"
#include "descriptions/TextovySoubor.h"
#include "descriptions/Ulozistepopisu.h"
#include "support/OdpovidacOken.h"
#include "support/Soubory.h"
#include "windows/zpravy/TiskZpravy.h"
#include "windows/zpravy/Ukladani.h"
#include "windows/zpravy/Zprava.h"

#include <QAbstractButton>
#include <QAction>
#include <QDirIterator>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using Soubory = QMap<QString, QByteArray>;

namespace {
Soubory snimek(const QString &slozka)
{
    Soubory soubory;
    for (QDirIterator it(slozka, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString cesta = it.next();
        soubory.insert(QDir(slozka).relativeFilePath(cesta), obsahSouboru(cesta));
    }
    return soubory;
}

QString textPdf(const QString &pdf)
{
    QProcess proces;
    proces.start(u"pdftotext"_s, {pdf, u"-"_s});
    proces.waitForFinished(30000);
    return QString::fromUtf8(proces.readAllStandardOutput());
}

// One step of the walk: the window a menu command opens, what to type into its source first (a null
// text keeps the default), the button that runs its cipher, and what its target then starts with.
struct Krok
{
    QString akce;
    QString zdroj;
    QString tlacitko;
    QString cil;
    bool zprava;
};
} // namespace

class TestCelaCesta : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void vsechnyPrikazy();

private:
    // Runs akce and answers the modal widgets it opens with odpoved, in turn.
    void odpovez(const std::function<void()> &akce, const QList<OdpovidacOken::Odpoved> &odpovedi);
    void ulozAVytiskni(TTalvoMain &hlavni, const QString &jmeno, bool zprava);
    void projdiEditory(TTalvoMain &hlavni);
    void vyplnTest(TTalvoMain &hlavni);

    QTemporaryDir m_slozka;
    const QString m_puvodni = QDir::currentPath();
    QStringList m_zpravy;
};

void TestCelaCesta::initTestCase()
{
    QVERIFY(m_slozka.isValid() && QDir::setCurrent(m_slozka.path()));
    // The descriptions that ship with the program, assembled by the build; the editor saves into this copy.
    const QString dodane = QStringLiteral(TALVO_DODANE_POPISY);
    QVERIFY2(QFileInfo(dodane).isDir(), qPrintable(dodane));
    QVERIFY(zkopirujSlozku(dodane, SlozkaUloziste.toString()));
    QVERIFY(QDir().mkpath(u"zpravy"_s));
}

void TestCelaCesta::cleanupTestCase()
{
    QVERIFY(QDir::setCurrent(m_puvodni));
}

void TestCelaCesta::odpovez(const std::function<void()> &akce, const QList<OdpovidacOken::Odpoved> &odpovedi)
{
    std::vector<std::unique_ptr<OdpovidacOken>> odpovidace;
    // Each answerer waits for the next modal widget; one answers a dialog, the next the box it opens.
    for (const OdpovidacOken::Odpoved &odpoved : odpovedi) {
        auto *odpovidac = odpovidace.emplace_back(std::make_unique<OdpovidacOken>(odpoved)).get();
        QTimer::singleShot(0, odpovidac, [odpovidac, n = odpovidace.size()] {
            // Later answerers start later, so each takes the widget that is then on top.
            QTimer::singleShot(int(n - 1) * 50, odpovidac, [odpovidac] { odpovidac->ocekavej(10000); });
        });
    }
    akce();
    for (const auto &odpovidac : odpovidace)
        QTRY_VERIFY2(odpovidac->odpovezeno(), "a dialog the step expected did not open");
}

void TestCelaCesta::ulozAVytiskni(TTalvoMain &hlavni, const QString &jmeno, bool zprava)
{
    const QString txt = m_slozka.filePath(u"zpravy/"_s + jmeno + u".txt"_s);
    const QString pdf = m_slozka.filePath(u"zpravy/"_s + jmeno + u".pdf"_s);
    auto *okno = hlavni.aktivniOkno();
    QVERIFY(okno);
    auto *ulozit = hlavni.findChild<QAction *>(u"Ulozit"_s);
    auto *tisk = hlavni.findChild<QAction *>(u"Tisk"_s);
    if (!zprava) {
        // A window without a report: both commands do nothing, whatever their state.
        ulozit->trigger();
        tisk->trigger();
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        return;
    }
    QVERIFY(ulozit->isEnabled() && tisk->isEnabled());
    odpovez([&] { ulozit->trigger(); }, {[&](QWidget *dialog) {
                dialog->findChild<QLineEdit *>(u"fileNameEdit"_s)->setText(txt);
                OdpovidacOken::prijmi(dialog);
            }});
    IZprava *report = zpravaOkna(okno);
    QVERIFY(report);
    const QStringList radky = radkyZpravy(*report);
    QCOMPARE(obsahSouboru(txt), ZakodujText(TextRadku(radky), std::nullopt));
    m_zpravy << txt;

    odpovez([&] { tisk->trigger(); }, {[&](QWidget *dialog) {
                dialog->findChild<QLineEdit *>(u"filename"_s)->setText(pdf);
                OdpovidacOken::prijmi(dialog);
            }});
    QVERIFY2(obsahSouboru(pdf).startsWith("%PDF"), qPrintable(pdf));
    const QString vytisteno = textPdf(pdf);
    QVERIFY2(vytisteno.contains(radky.first().simplified()), qPrintable(vytisteno.left(200)));
}

void TestCelaCesta::projdiEditory(TTalvoMain &hlavni)
{
    const Soubory pred = snimek(SlozkaUloziste.toString());
    QVERIFY(!hlavni.polozkyNacti().isEmpty());
    for (QAction *nacti : hlavni.polozkyNacti()) {
        nacti->trigger();
        auto *editor = hlavni.aktivniOkno();
        QVERIFY(editor && editor->objectName() == u"TalvoVlastni");
        OdpovidacOken box;
        box.ocekavej();
        editor->findChild<QPushButton *>(u"UlozitSifru"_s)->click();
        QVERIFY(box.odpovezeno());
        QCOMPARE(box.text(), u"Šifra uložena"_s);
        // The first editor's texts go to a report file and a PDF too.
        if (nacti == hlavni.polozkyNacti().first()) {
            ulozAVytiskni(hlavni, editor->objectName(), true);
            if (QTest::currentTestFailed())
                return;
        }
        hlavni.mdiArea()->activeSubWindow()->close();
    }
    // Every shipped description saved unchanged rewrites its files byte for byte.
    QCOMPARE(snimek(SlozkaUloziste.toString()), pred);
}

void TestCelaCesta::vyplnTest(TTalvoMain &hlavni)
{
    hlavni.findChild<QAction *>(u"Test"_s)->trigger();
    QWidget *test = hlavni.aktivniOkno();
    QVERIFY(test && test->objectName() == u"TalvoCviceni");
    QCOMPARE(test->windowTitle(), u"Test Morseovka"_s);
    const auto otazky = test->findChild<QWidget *>(u"TestPanel"_s)->findChildren<QGroupBox *>();
    QCOMPARE(otazky.size(), 10);
    // Every question answered right, as the Morse table says.
    for (QGroupBox *otazka : otazky) {
        const QString pismeno = otazka->title().mid(8, 1).toLower();
        const auto zaznam = std::find_if(MorseTabulka.begin(), MorseTabulka.end(),
                                         [&](const MorseZnak &z) { return z.znak == pismeno; });
        QVERIFY2(zaznam != MorseTabulka.end(), qPrintable(otazka->title()));
        bool nalezeno = false;
        for (QRadioButton *volba : otazka->findChildren<QRadioButton *>()) {
            if (volba->text() == zaznam->kod) {
                volba->click();
                nalezeno = true;
            }
        }
        QVERIFY2(nalezeno, qPrintable(otazka->title()));
    }
    test->findChild<QPushButton *>(u"Button1"_s)->click();
    QCOMPARE(test->findChild<QLabel *>(u"SpravneLab"_s)->text(), u"10"_s);
    QCOMPARE(test->findChild<QLabel *>(u"SpatneLab"_s)->text(), u"0"_s);
    QVERIFY(hlavni.findChild<QAction *>(u"Test"_s)->isChecked());
}

void TestCelaCesta::vsechnyPrikazy()
{
    TTalvoMain hlavni;
    hlavni.show();
    QVERIFY(QTest::qWaitForWindowExposed(&hlavni));
    // Print goes to PDF files; the print dialog names each file.
    hlavni.tisk()->tiskarna()->setOutputFormat(QPrinter::PdfFormat);

    const QList<Krok> kroky{
        {u"Morseovka1SD"_s, u"Ahoj, světe!"_s, u"ZasifrujB"_s, u".-/..../---/.---//.../...-/./-/./"_s, true},
        {u"MrizkaSD"_s, QString(), u"ZasifrujB"_s, QString(), true},
        {u"SifrovaciKolecko1SD"_s, QString(), u"ZasifrujDesifrujB"_s, QString(), true},
        {u"Snek1SD"_s, QString(), u"SifrujB"_s, u"cyretk horfit cv32sx iat1ae celyzt totoje "_s, true},
        {u"Semafor1SD"_s, QString(), u"ZasifrujDesifrujB"_s, QString(), false},
    };
    for (const Krok &krok : kroky) {
        hlavni.findChild<QAction *>(krok.akce)->trigger();
        QWidget *okno = hlavni.aktivniOkno();
        QVERIFY2(okno, qPrintable(krok.akce));
        auto *zdroj = okno->findChild<QPlainTextEdit *>(u"Zdroj"_s);
        if (!krok.zdroj.isNull())
            zdroj->setPlainText(krok.zdroj);
        okno->findChild<QPushButton *>(krok.tlacitko)->click();
        if (auto *cil = okno->findChild<QPlainTextEdit *>(u"Cil"_s)) {
            QVERIFY2(!cil->toPlainText().isEmpty(), qPrintable(krok.akce));
            if (!krok.cil.isEmpty())
                QCOMPARE(cil->toPlainText(), krok.cil);
        } else {
            // The semaphore shows the default text's 34 characters as pictures.
            QCOMPARE(okno->findChildren<QLabel *>(QRegularExpression(u"^Obrazek\\d+$"_s)).size(), 34);
        }
        ulozAVytiskni(hlavni, okno->objectName(), krok.zprava);
        if (QTest::currentTestFailed())
            return;
    }

    // An overview: laid out, then printed with its pictures.
    QVERIFY(!hlavni.polozkyPrehled().isEmpty());
    hlavni.polozkyPrehled().first()->trigger();
    QVERIFY(hlavni.aktivniOkno() && hlavni.aktivniOkno()->objectName() == u"TalvoPrehled");
    const QString pdf = m_slozka.filePath(u"zpravy/prehled.pdf"_s);
    odpovez([&] { hlavni.findChild<QAction *>(u"Tisk"_s)->trigger(); }, {[&](QWidget *dialog) {
                dialog->findChild<QLineEdit *>(u"filename"_s)->setText(pdf);
                OdpovidacOken::prijmi(dialog);
            }});
    QVERIFY(obsahSouboru(pdf).startsWith("%PDF"));
    QVERIFY(textPdf(pdf).contains(u"PŘÍKLAD ŠIFROVÁNÍ"_s));

    projdiEditory(hlavni);
    if (QTest::currentTestFailed())
        return;
    vyplnTest(hlavni);
    if (QTest::currentTestFailed())
        return;

    // Every report saved is in its own file; every window goes with the cascade and the close.
    QCOMPARE(m_zpravy.size(), 5);
    const qsizetype otevreno = hlavni.mdiArea()->subWindowList().size();
    QVERIFY(otevreno >= 7);
    hlavni.findChild<QAction *>(u"Kaskada1"_s)->trigger();
    for (const QMdiSubWindow *okno : hlavni.mdiArea()->subWindowList())
        QVERIFY(!okno->isMaximized() && okno->isVisible());
    hlavni.mdiArea()->closeAllSubWindows();
    QTRY_VERIFY(hlavni.mdiArea()->subWindowList().isEmpty());
    for (const auto druh :
         {TTalvoMain::Jedinecne::Morseovka, TTalvoMain::Jedinecne::Mrizka, TTalvoMain::Jedinecne::Kolecko,
          TTalvoMain::Jedinecne::Snek, TTalvoMain::Jedinecne::Semafor, TTalvoMain::Jedinecne::Cviceni})
        QTRY_VERIFY(!hlavni.jeOtevreno(druh));
    hlavni.findChild<QAction *>(u"Konec"_s)->trigger();
    QVERIFY(!hlavni.isVisible());
}

QTEST_MAIN(TestCelaCesta)
#include "tst_ui_celacesta.moc"

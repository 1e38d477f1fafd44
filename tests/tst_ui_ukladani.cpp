#include "app/Main.h"
#include "windows/zpravy/Ukladani.h"
#include "support/Soubory.h"
#include "support/OdpovidacOken.h"
#include "windows/Morseovkaunit.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {
// A Morse window whose source shows the typed text again after encoding it.
std::unique_ptr<TMorseovkaForm> morseovka(const QString &text)
{
    auto form = std::make_unique<TMorseovkaForm>();
    form->findChild<QPlainTextEdit *>("Zdroj")->setPlainText(text);
    form->findChild<QPushButton *>("ZasifrujB")->click();
    form->findChild<QPushButton *>("Button1")->click();
    return form;
}

// Answers the next save dialog with a file name (accept) or cancels it (empty name).
struct Odpoved
{
    explicit Odpoved(const QString &jmenoSouboru) : jmeno(jmenoSouboru) { odpovidac.ocekavej(); }
    QString jmeno;
    QString slozka;
    QStringList vybrane;
    OdpovidacOken odpovidac{[this](QWidget *okno) {
        auto *dialog = qobject_cast<QFileDialog *>(okno);
        if (!dialog) {
            OdpovidacOken::zavri(okno);
            return;
        }
        slozka = dialog->directory().absolutePath();
        vybrane = dialog->selectedFiles();
        if (jmeno.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->findChild<QLineEdit *>("fileNameEdit")->setText(jmeno);
        OdpovidacOken::prijmi(dialog);
    }};
};
} // namespace

class TestUkladani : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void presneBajty_data();
    void presneBajty();
    void nemoznaCesta();
    void pocatecniSlozka_data();
    void pocatecniSlozka();
    void prikazyHlavnihoOkna_data();
    void prikazyHlavnihoOkna();

private:
    std::unique_ptr<QTemporaryDir> m_slozka;
    QWidget m_rodic;
};

void TestUkladani::init()
{
    m_slozka = std::make_unique<QTemporaryDir>();
    QVERIFY(m_slozka->isValid() && QDir::setCurrent(m_slozka->path()));
}

void TestUkladani::presneBajty_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("jmeno");
    QTest::addColumn<QString>("soubor");
    QTest::addColumn<QByteArray>("bajty");
    // Windows-1250: Ž 8E, ť 9D, č E8, ý FD, ů F9, ň F2; CR LF after every line, the last one too.
    const QByteArray zlutoucky = QByteArray("Zdrojovy text:\r\n\x8Elu\x9Do") + "u\xE8k\xFD k\xF9\xF2\r\n" +
                                 "\r\nCilovy text:\r\n--../.-../..-/-/---/..-/-.-./-.-/-.--//-.-/..-/-./\r\n";
    QTest::newRow("with suffix") << QString("Žluťoučký kůň") << "zprava.txt"
                                 << "zprava.txt" << zlutoucky;
    QTest::newRow("suffix added") << QString("Žluťoučký kůň") << "zprava"
                                  << "zprava.txt" << zlutoucky;
    QTest::newRow("word document name, same text") << QString("Žluťoučký kůň") << "zprava.doc"
                                                   << "zprava.doc" << zlutoucky;
    QTest::newRow("character outside Windows-1250, UTF-8 with a mark")
        << QString("Жук a č") << "utf.txt"
        << "utf.txt"
        << "\xEF\xBB\xBF" + QString("Zdrojovy text:\r\nЖук a č\r\n\r\nCilovy text:\r\n/.-//-.-./\r\n").toUtf8();
}

// The report's exact bytes; a second save of the same window gives the same file, and the
// dialog offers the name chosen last.
void TestUkladani::presneBajty()
{
    QFETCH(QString, text);
    QFETCH(QString, jmeno);
    QFETCH(QString, soubor);
    QFETCH(QByteArray, bajty);
    TUkladaniZprav ukladani(&m_rodic);
    auto form = morseovka(text);
    Odpoved odpoved{m_slozka->filePath(jmeno)};
    QVERIFY(ukladani.UlozitClick(form.get()));
    QVERIFY(odpoved.odpovidac.odpovezeno());
    QCOMPARE(obsahSouboru(m_slozka->filePath(soubor)), bajty);
    QCOMPARE(ukladani.posledniSoubor(), m_slozka->filePath(soubor));

    Odpoved druha{m_slozka->filePath("druhy.txt")};
    QVERIFY(ukladani.UlozitClick(form.get()));
    QCOMPARE(druha.vybrane, QStringList{m_slozka->filePath(soubor)});
    QCOMPARE(obsahSouboru(m_slozka->filePath("druhy.txt")), bajty);
}

void TestUkladani::nemoznaCesta()
{
    const QString obycejny = m_slozka->filePath("obycejny");
    {
        QFile soubor(obycejny);
        QVERIFY(soubor.open(QIODevice::WriteOnly));
        soubor.write("puvodni");
    }
    TUkladaniZprav ukladani(&m_rodic);
    auto form = morseovka("sos");
    const QString cil = obycejny + "/zprava.txt";
    Odpoved odpoved{cil};
    OdpovidacOken chyba;
    // The error box opens while the dialog's answer is still running, so it is armed now too.
    QTimer::singleShot(0, &chyba, [&chyba] { chyba.ocekavej(); });
    QVERIFY(!ukladani.UlozitClick(form.get()));
    QVERIFY(odpoved.odpovidac.odpovezeno() && chyba.odpovezeno());
    QCOMPARE(chyba.ikona(), QMessageBox::Critical);
    QVERIFY2(chyba.text().contains(cil), qPrintable(chyba.text()));
    QCOMPARE(obsahSouboru(obycejny), QByteArray("puvodni"));
    QCOMPARE(QDir(m_slozka->path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList{"obycejny"});
}

void TestUkladani::pocatecniSlozka_data()
{
    QTest::addColumn<bool>("existuje");
    QTest::newRow("folder exists") << true;
    QTest::newRow("folder missing") << false;
}

void TestUkladani::pocatecniSlozka()
{
    QFETCH(bool, existuje);
    if (existuje)
        QVERIFY(QDir(m_slozka->path()).mkdir("ulozeneTalvo"));
    TUkladaniZprav ukladani(&m_rodic);
    QFileDialog *dialog = ukladani.SaveDialog1();
    QCOMPARE(dialog->objectName(), "SaveDialog1");
    QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
    QCOMPARE(dialog->defaultSuffix(), "txt");
    QCOMPARE(dialog->nameFilters(), (QStringList{"textový soubor (*.txt)", "document word (*.doc)"}));
    QVERIFY(!dialog->testOption(QFileDialog::DontConfirmOverwrite));

    // Cancelling writes nothing; the report is filled only after a name was chosen.
    auto form = morseovka("sos");
    form->memoTisk()->setPlainText("stara zprava");
    Odpoved odpoved{QString()};
    QVERIFY(!ukladani.UlozitClick(form.get()));
    QVERIFY(odpoved.odpovidac.odpovezeno());
    const QString ocekavana = existuje ? m_slozka->filePath("ulozeneTalvo") : m_slozka->path();
    QCOMPARE(QFileInfo(odpoved.slozka).canonicalFilePath(), QFileInfo(ocekavana).canonicalFilePath());
    QCOMPARE(QDir(m_slozka->path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
             existuje ? QStringList{"ulozeneTalvo"} : QStringList{});
    QCOMPARE(form->memoTisk()->toPlainText(), "stara zprava");
    QVERIFY(ukladani.posledniSoubor().isEmpty());
}

void TestUkladani::prikazyHlavnihoOkna_data()
{
    QTest::addColumn<QString>("okno");
    QTest::addColumn<bool>("dialog");
    QTest::newRow("no child") << QString() << false;
    QTest::newRow("plain widget child") << "obycejne" << false;
    QTest::newRow("Morse window") << "morseovka" << true;
}

// Save and Print act only on a reportable active child, and stay enabled once a window enabled them.
void TestUkladani::prikazyHlavnihoOkna()
{
    QFETCH(QString, okno);
    QFETCH(bool, dialog);
    TTalvoMain hlavni;
    hlavni.show();
    QAction *morseovka = hlavni.findChild<QAction *>("Morseovka1SD");
    QAction *ulozit = hlavni.findChild<QAction *>("Ulozit");
    QAction *tisk = hlavni.findChild<QAction *>("Tisk");
    QVERIFY(morseovka && ulozit && tisk);
    morseovka->trigger();
    hlavni.mdiArea()->closeAllSubWindows();
    QTRY_VERIFY(!hlavni.jeOtevreno(TTalvoMain::Jedinecne::Morseovka));
    QVERIFY(ulozit->isEnabled() && tisk->isEnabled());

    if (okno == "obycejne") {
        auto *obycejne = new QWidget;
        hlavni.mdiArea()->addSubWindow(obycejne)->show();
        hlavni.mdiArea()->setActiveSubWindow(hlavni.mdiArea()->subWindowList().first());
        QCOMPARE(hlavni.aktivniOkno(), obycejne);
    } else if (okno == "morseovka") {
        morseovka->trigger();
        QVERIFY(qobject_cast<TMorseovkaForm *>(hlavni.aktivniOkno()));
    }

    for (QAction *akce : {ulozit, tisk}) {
        OdpovidacOken odpovidac;
        odpovidac.ocekavej(300);
        akce->trigger();
        QTest::qWait(350);
        QCOMPARE(odpovidac.odpovezeno(), dialog);
        if (dialog)
            QCOMPARE(odpovidac.trida(), akce == ulozit ? "QFileDialog" : "QPrintDialog");
    }
    QVERIFY(QDir(m_slozka->path()).entryList(QDir::Files).isEmpty());
}

QTEST_MAIN(TestUkladani)
#include "tst_ui_ukladani.moc"

#include "app/Main.h"
#include "app/Ukladani.h"
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
QByteArray obsah(const QString &cesta)
{
    QFile soubor(cesta);
    if (!soubor.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return soubor.readAll();
}

// A Morse window whose source shows the typed text again after encoding it.
std::unique_ptr<TMorseovkaForm> morseovka(const QString &text)
{
    auto form = std::make_unique<TMorseovkaForm>();
    form->findChild<QPlainTextEdit *>(QStringLiteral("Zdroj"))->setPlainText(text);
    form->findChild<QPushButton *>(QStringLiteral("ZasifrujB"))->click();
    form->findChild<QPushButton *>(QStringLiteral("Button1"))->click();
    return form;
}

// Answers the save dialog with a file name (accept) or cancels it (empty name).
struct Odpoved
{
    explicit Odpoved(const QString &jmenoSouboru) : jmeno(jmenoSouboru) {}
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
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(jmeno);
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
    void dveUlozeniDajiStejneSoubory();
    void znakMimoWindows1250();
    void nemoznaCesta();
    void zruseniNezapiseNic();
    void pocatecniSlozka_data();
    void pocatecniSlozka();
    void pamatujePosledniJmeno();
    void neulozitelneOkno_data();
    void neulozitelneOkno();
    void prikazyHlavnihoOkna_data();
    void prikazyHlavnihoOkna();

private:
    std::unique_ptr<QTemporaryDir> m_slozka;
    QWidget m_rodic;
};

void TestUkladani::init()
{
    m_slozka = std::make_unique<QTemporaryDir>();
    QVERIFY(m_slozka->isValid());
    QVERIFY(QDir::setCurrent(m_slozka->path()));
}

void TestUkladani::presneBajty_data()
{
    QTest::addColumn<QString>("jmeno");
    QTest::addColumn<QString>("soubor");
    QTest::newRow("with suffix") << QStringLiteral("zprava.txt") << QStringLiteral("zprava.txt");
    QTest::newRow("suffix added") << QStringLiteral("zprava") << QStringLiteral("zprava.txt");
    QTest::newRow("word document name, same text") << QStringLiteral("zprava.doc") << QStringLiteral("zprava.doc");
}

void TestUkladani::presneBajty()
{
    QFETCH(QString, jmeno);
    QFETCH(QString, soubor);
    TUkladaniZprav ukladani(&m_rodic);
    auto form = morseovka(QStringLiteral("Žluťoučký kůň"));
    Odpoved odpoved{m_slozka->filePath(jmeno)};
    odpoved.odpovidac.ocekavej();
    QVERIFY(ukladani.UlozitClick(form.get()));
    QVERIFY(odpoved.odpovidac.odpovezeno());

    // Windows-1250: Ž 8E, ť 9D, č E8, ý FD, ů F9, ň F2; CR LF after every line, the last one too.
    const QByteArray ocekavane = QByteArray("Zdrojovy text:\r\n") + QByteArray("\x8Elu\x9Do") +
                                 QByteArray("u\xE8k\xFD k\xF9\xF2\r\n") + QByteArray("\r\nCilovy text:\r\n") +
                                 QByteArray("--../.-../..-/-/---/..-/-.-./-.-/-.--//-.-/..-/-./\r\n");
    QCOMPARE(obsah(m_slozka->filePath(soubor)), ocekavane);
    QCOMPARE(ukladani.posledniSoubor(), m_slozka->filePath(soubor));
}

void TestUkladani::dveUlozeniDajiStejneSoubory()
{
    TUkladaniZprav ukladani(&m_rodic);
    auto form = morseovka(QStringLiteral("Ahoj, světe!"));
    for (const char *jmeno : {"prvni.txt", "druhy.txt"}) {
        Odpoved odpoved{m_slozka->filePath(QString::fromLatin1(jmeno))};
        odpoved.odpovidac.ocekavej();
        QVERIFY(ukladani.UlozitClick(form.get()));
    }
    const QByteArray prvni = obsah(m_slozka->filePath(QStringLiteral("prvni.txt")));
    QCOMPARE(prvni, obsah(m_slozka->filePath(QStringLiteral("druhy.txt"))));
    QCOMPARE(prvni.count("Zdrojovy text:"), 1);
    QVERIFY(prvni.endsWith(".-/..../---/.---//.../...-/./-/./\r\n"));
}

void TestUkladani::znakMimoWindows1250()
{
    TUkladaniZprav ukladani(&m_rodic);
    auto form = morseovka(QStringLiteral("Жук a č"));
    Odpoved odpoved{m_slozka->filePath(QStringLiteral("utf.txt"))};
    odpoved.odpovidac.ocekavej();
    QVERIFY(ukladani.UlozitClick(form.get()));
    const QByteArray bajty = obsah(m_slozka->filePath(QStringLiteral("utf.txt")));
    QVERIFY(bajty.startsWith("\xEF\xBB\xBF"));
    QCOMPARE(QString::fromUtf8(bajty.mid(3)),
             QStringLiteral("Zdrojovy text:\r\nЖук a č\r\n\r\nCilovy text:\r\n/.-//-.-./\r\n"));
}

void TestUkladani::nemoznaCesta()
{
    const QString obycejny = m_slozka->filePath(QStringLiteral("obycejny"));
    {
        QFile soubor(obycejny);
        QVERIFY(soubor.open(QIODevice::WriteOnly));
        soubor.write("puvodni");
    }
    TUkladaniZprav ukladani(&m_rodic);
    auto form = morseovka(QStringLiteral("sos"));
    const QString cil = obycejny + QStringLiteral("/zprava.txt");
    Odpoved odpoved{cil};
    OdpovidacOken chyba;
    // The error box opens while the dialog's answer is still running, so both are armed now.
    odpoved.odpovidac.ocekavej();
    QTimer::singleShot(0, &chyba, [&chyba] { chyba.ocekavej(); });
    QVERIFY(!ukladani.UlozitClick(form.get()));
    QVERIFY(odpoved.odpovidac.odpovezeno());
    QVERIFY(chyba.odpovezeno());
    QCOMPARE(chyba.ikona(), QMessageBox::Critical);
    QVERIFY2(chyba.text().contains(cil), qPrintable(chyba.text()));
    QCOMPARE(obsah(obycejny), QByteArray("puvodni"));
    QCOMPARE(QDir(m_slozka->path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("obycejny")});
}

void TestUkladani::zruseniNezapiseNic()
{
    TUkladaniZprav ukladani(&m_rodic);
    auto form = morseovka(QStringLiteral("sos"));
    form->memoTisk()->setPlainText(QStringLiteral("stara zprava"));
    Odpoved odpoved{QString()};
    odpoved.odpovidac.ocekavej();
    QVERIFY(!ukladani.UlozitClick(form.get()));
    QVERIFY(odpoved.odpovidac.odpovezeno());
    QVERIFY(QDir(m_slozka->path()).isEmpty());
    // The report is filled only after a name was chosen.
    QCOMPARE(form->memoTisk()->toPlainText(), QStringLiteral("stara zprava"));
    QVERIFY(ukladani.posledniSoubor().isEmpty());
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
        QVERIFY(QDir(m_slozka->path()).mkdir(QStringLiteral("ulozeneTalvo")));
    TUkladaniZprav ukladani(&m_rodic);
    QFileDialog *dialog = ukladani.SaveDialog1();
    QCOMPARE(dialog->objectName(), QStringLiteral("SaveDialog1"));
    QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
    QCOMPARE(dialog->defaultSuffix(), QStringLiteral("txt"));
    QCOMPARE(dialog->nameFilters(),
             (QStringList{QStringLiteral("textový soubor (*.txt)"), QStringLiteral("document word (*.doc)")}));
    QVERIFY(!dialog->testOption(QFileDialog::DontConfirmOverwrite));

    auto form = morseovka(QStringLiteral("sos"));
    Odpoved odpoved{QString()};
    odpoved.odpovidac.ocekavej();
    ukladani.UlozitClick(form.get());
    QVERIFY(odpoved.odpovidac.odpovezeno());
    const QString ocekavana = existuje ? m_slozka->filePath(QStringLiteral("ulozeneTalvo")) : m_slozka->path();
    QCOMPARE(QFileInfo(odpoved.slozka).canonicalFilePath(), QFileInfo(ocekavana).canonicalFilePath());
    // Showing the dialog creates nothing.
    QCOMPARE(QDir(m_slozka->path()).exists(QStringLiteral("ulozeneTalvo")), existuje);
}

void TestUkladani::pamatujePosledniJmeno()
{
    TUkladaniZprav ukladani(&m_rodic);
    auto form = morseovka(QStringLiteral("sos"));
    const QString prvni = m_slozka->filePath(QStringLiteral("posledni.txt"));
    Odpoved odpoved{prvni};
    odpoved.odpovidac.ocekavej();
    QVERIFY(ukladani.UlozitClick(form.get()));
    Odpoved druha{QString()};
    druha.odpovidac.ocekavej();
    ukladani.UlozitClick(form.get());
    QCOMPARE(druha.vybrane, QStringList{prvni});
}

void TestUkladani::neulozitelneOkno_data()
{
    QTest::addColumn<bool>("obycejneOkno");
    QTest::newRow("no active child") << false;
    QTest::newRow("plain widget") << true;
}

void TestUkladani::neulozitelneOkno()
{
    QFETCH(bool, obycejneOkno);
    QWidget obycejne;
    TUkladaniZprav ukladani(&m_rodic);
    OdpovidacOken odpovidac;
    odpovidac.ocekavej(200);
    QVERIFY(!ukladani.UlozitClick(obycejneOkno ? &obycejne : nullptr));
    QTest::qWait(250);
    QVERIFY(!odpovidac.odpovezeno());
    QVERIFY(QDir(m_slozka->path()).isEmpty());
}

void TestUkladani::prikazyHlavnihoOkna_data()
{
    QTest::addColumn<QString>("okno");
    QTest::addColumn<bool>("dialog");
    QTest::newRow("no child") << QString() << false;
    QTest::newRow("plain widget child") << QStringLiteral("obycejne") << false;
    QTest::newRow("Morse window") << QStringLiteral("morseovka") << true;
}

// Save and Print through the main window's actions act only on a reportable active child.
void TestUkladani::prikazyHlavnihoOkna()
{
    QFETCH(QString, okno);
    QFETCH(bool, dialog);
    TTalvoMain hlavni;
    hlavni.show();
    QAction *morseovka = hlavni.findChild<QAction *>(QStringLiteral("Morseovka1SD"));
    QAction *ulozit = hlavni.findChild<QAction *>(QStringLiteral("Ulozit"));
    QAction *tisk = hlavni.findChild<QAction *>(QStringLiteral("Tisk"));
    QVERIFY(morseovka && ulozit && tisk);
    // Once enabled by a window that has since closed, the commands stay enabled.
    morseovka->trigger();
    hlavni.mdiArea()->closeAllSubWindows();
    QTRY_VERIFY(!hlavni.jeOtevreno(TTalvoMain::Jedinecne::Morseovka));
    QVERIFY(ulozit->isEnabled() && tisk->isEnabled());

    if (okno == QStringLiteral("obycejne")) {
        auto *obycejne = new QWidget;
        hlavni.mdiArea()->addSubWindow(obycejne)->show();
        hlavni.mdiArea()->setActiveSubWindow(hlavni.mdiArea()->subWindowList().first());
        QCOMPARE(hlavni.aktivniOkno(), obycejne);
    } else if (okno == QStringLiteral("morseovka")) {
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
            QCOMPARE(odpovidac.trida(),
                     akce == ulozit ? QStringLiteral("QFileDialog") : QStringLiteral("QPrintDialog"));
    }
    QVERIFY(QDir(m_slozka->path()).entryList(QDir::Files).isEmpty());
}

QTEST_MAIN(TestUkladani)
#include "tst_ui_ukladani.moc"

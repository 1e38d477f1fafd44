#include "app/Preklad.h"
#include "support/OdpovidacOken.h"
#include "support/Soubory.h"
#include "windows/formular/DialogSouboru.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileIconProvider>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <memory>

using namespace Qt::StringLiterals;

namespace {
// What a dialog shows, read while it is open modally as the user would see it; nothing when it never opened:
// the texts of its button rows, and every other text (labels, choices, group titles, numbers).
struct Ukazane
{
    QStringList tlacitka;
    QStringList texty;
    QStringList cisla;
};
Ukazane ukazAZavri(QDialog *dialog)
{
    Ukazane ukazane;
    OdpovidacOken odpovidac([&ukazane](QWidget *okno) {
        for (auto *rada : okno->findChildren<QDialogButtonBox *>())
            for (QAbstractButton *tlacitko : rada->buttons())
                ukazane.tlacitka << tlacitko->text().remove(u'&');
        for (auto *popisek : okno->findChildren<QLabel *>())
            ukazane.texty << popisek->text().remove(u'&');
        for (auto *volba : okno->findChildren<QAbstractButton *>())
            if (volba->isCheckable())
                ukazane.texty << volba->text().remove(u'&');
        for (auto *skupina : okno->findChildren<QGroupBox *>())
            ukazane.texty << skupina->title().remove(u'&');
        for (auto *pole : okno->findChildren<QDoubleSpinBox *>())
            ukazane.cisla << pole->text();
        OdpovidacOken::zavri(okno);
    });
    odpovidac.ocekavej();
    dialog->exec();
    return ukazane;
}

int pocetPrekladu()
{
    return static_cast<int>(
        qApp->findChildren<QTranslator *>(QString::fromLatin1(JmenoCeskehoPrekladu), Qt::FindDirectChildrenOnly)
            .size());
}

} // namespace

class TestPreklad : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void chybejiciPrekladOdmitnut_data();
    void chybejiciPrekladOdmitnut();
    void prekladNactenJednou();
    void dialogCesky_data();
    void dialogCesky();
    void druhySlozkyCesky();
};

void TestPreklad::initTestCase()
{
    // A desktop in English: the dialogs must speak Czech all the same.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

// Before the real translations are loaded, so a refused folder is seen to install nothing.
void TestPreklad::chybejiciPrekladOdmitnut_data()
{
    QTest::addColumn<QByteArray>("obsah");
    QTest::newRow("zadny soubor") << QByteArray();
    QTest::newRow("poskozeny soubor") << QByteArray("toto neni katalog prekladu");
    QTest::newRow("prazdny soubor") << QByteArray("");
}

void TestPreklad::chybejiciPrekladOdmitnut()
{
    QFETCH(QByteArray, obsah);
    QTemporaryDir slozka;
    QVERIFY(slozka.isValid());
    if (!obsah.isNull())
        QVERIFY(zapisSoubor(slozka.filePath(QStringLiteral("qt_cs.qm")), obsah));
    QString chyba;
    QVERIFY(!NactiCeskyPreklad(*qApp, slozka.path(), &chyba));
    QVERIFY2(chyba.contains(slozka.path()), qPrintable(chyba));
    QCOMPARE(pocetPrekladu(), 0);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

void TestPreklad::prekladNactenJednou()
{
    QString chyba;
    QVERIFY2(NactiCeskyPreklad(*qApp, &chyba), qPrintable(chyba));
    QVERIFY(chyba.isEmpty());
    QVERIFY(NactiCeskyPreklad(*qApp, &chyba));
    QCOMPARE(pocetPrekladu(), 1);
}

void TestPreklad::dialogCesky_data()
{
    QTest::addColumn<QStringList>("tlacitka"); // as the dialog's button rows show them
    QTest::addColumn<QStringList>("texty");    // among its labels and choices
    QTest::addColumn<bool>("cisla");           // it shows numbers, all with a decimal comma
    QTest::newRow("ukladani") << QStringList{"Uložit", "Zrušit"} << QStringList{"Název souboru:"} << false;
    QTest::newRow("otevirani") << QStringList{"Otevřít", "Zrušit"} << QStringList{"Název souboru:"} << false;
    // Every standard button of a message box in one box.
    QTest::newRow("zprava") << QStringList{"Uložit", "Zavřít", "Zrušit", "Zahodit", "Ano", "Ne"} << QStringList()
                            << false;
    // Also the choices that Qt 6 worded anew and its catalogue lacks.
    QTest::newRow("tisk") << QStringList{"Tisk", "Zrušit", "Nastavení >>"}
                          << QStringList{"Počet exemplářů:", "Stránky", "Oboustranný tisk", "Vypnuto",
                                         "Vazba na dlouhé straně"}
                          << false;
    // The margins as a Czech reader writes them, though the desktop is English.
    QTest::newRow("stranka") << QStringList{"OK", "Zrušit"} << QStringList{"Velikost stran:"} << true;
}

// A dialog of Qt, named by the row, opened as the program opens it: its buttons, labels, choices and numbers
// in Czech.
void TestPreklad::dialogCesky()
{
    QFETCH(QStringList, tlacitka);
    QFETCH(QStringList, texty);
    QFETCH(bool, cisla);
    QWidget rodic;
    QPrinter tiskarna(QPrinter::HighResolution);
    const QByteArray druh = QTest::currentDataTag();
    std::unique_ptr<QDialog> okno;
    if (druh == "zprava")
        okno = std::make_unique<QMessageBox>(QMessageBox::Question, u"Talvo"_s, u"Uložit změny?"_s,
                                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Save |
                                                 QMessageBox::Discard | QMessageBox::Cancel | QMessageBox::Close);
    else if (druh == "tisk")
        okno = std::make_unique<QPrintDialog>(&tiskarna);
    else if (druh == "stranka")
        okno = std::make_unique<QPageSetupDialog>(&tiskarna);
    else
        okno.reset(dialogSouboru(&rodic, "Dialog",
                                 druh == "ukladani" ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen,
                                 {u"Zprávy (*.txt)"_s}, u"txt"_s));
    const Ukazane ukazane = ukazAZavri(okno.get());
    QCOMPARE(ukazane.tlacitka, tlacitka);
    for (const QString &text : texty)
        QVERIFY2(ukazane.texty.contains(text), qPrintable(ukazane.texty.join(u'|')));
    for (const char *anglicky : {"Look in:", "File name:", "Files of type:"})
        QVERIFY2(!ukazane.texty.contains(QString::fromLatin1(anglicky)), anglicky);
    QCOMPARE(!ukazane.cisla.isEmpty(), cisla);
    for (const QString &cislo : ukazane.cisla)
        QVERIFY2(cislo.contains(u',') && !cislo.contains(u'.'), qPrintable(cislo));
}

// The kind of a folder in the file dialog's list, which Qt's Czech catalogue lacks.
void TestPreklad::druhySlozkyCesky()
{
    QTemporaryDir slozka;
    QVERIFY(slozka.isValid());
    QCOMPARE(QFileIconProvider().type(QFileInfo(slozka.path())), QStringLiteral("Složka"));
}

QTEST_MAIN(TestPreklad)
#include "tst_ui_preklad.moc"

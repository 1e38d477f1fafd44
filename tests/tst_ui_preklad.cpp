#include "app/Preklad.h"
#include "support/OdpovidacOken.h"
#include "windows/formular/DialogSouboru.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileIconProvider>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <memory>

namespace {
// Opens dialog modally as the user would, reads what it shows and closes it.
struct Ukazane
{
    QStringList tlacitka;
    QStringList popisky;
    QStringList cisla;
    QStringList volby; // the texts of the check and radio buttons and the titles of the groups
    bool odpovezeno = false;
};
Ukazane ukazAZavri(QDialog *dialog)
{
    Ukazane ukazane;
    OdpovidacOken odpovidac([&ukazane](QWidget *okno) {
        for (auto *rada : okno->findChildren<QDialogButtonBox *>())
            for (QAbstractButton *tlacitko : rada->buttons())
                ukazane.tlacitka << tlacitko->text().remove(u'&');
        for (auto *popisek : okno->findChildren<QLabel *>())
            ukazane.popisky << popisek->text().remove(u'&');
        for (auto *pole : okno->findChildren<QDoubleSpinBox *>())
            ukazane.cisla << pole->text();
        for (auto *volba : okno->findChildren<QAbstractButton *>())
            if (volba->isCheckable())
                ukazane.volby << volba->text().remove(u'&');
        for (auto *skupina : okno->findChildren<QGroupBox *>())
            ukazane.volby << skupina->title().remove(u'&');
        OdpovidacOken::zavri(okno);
    });
    odpovidac.ocekavej();
    dialog->exec();
    ukazane.odpovezeno = odpovidac.odpovezeno();
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
    void dialogSouboruCesky_data();
    void dialogSouboruCesky();
    void tlacitkaZpravyCesky();
    void dialogyTiskuCesky();
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
    if (!obsah.isNull()) {
        QFile soubor(slozka.filePath(QStringLiteral("qt_cs.qm")));
        QVERIFY(soubor.open(QIODevice::WriteOnly));
        soubor.write(obsah);
    }
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

void TestPreklad::dialogSouboruCesky_data()
{
    QTest::addColumn<QFileDialog::AcceptMode>("rezim");
    QTest::addColumn<QStringList>("tlacitka");
    QTest::addColumn<QString>("popisek");
    QTest::newRow("ukladani") << QFileDialog::AcceptSave << QStringList{"Uložit", "Zrušit"} << "Název souboru:";
    QTest::newRow("otevirani") << QFileDialog::AcceptOpen << QStringList{"Otevřít", "Zrušit"} << "Název souboru:";
}

void TestPreklad::dialogSouboruCesky()
{
    QFETCH(QFileDialog::AcceptMode, rezim);
    QFETCH(QStringList, tlacitka);
    QFETCH(QString, popisek);
    QWidget rodic;
    std::unique_ptr<QFileDialog> dialog(
        dialogSouboru(&rodic, "Dialog", rezim, {QStringLiteral("Zprávy (*.txt)")}, QStringLiteral("txt")));
    const Ukazane ukazane = ukazAZavri(dialog.get());
    QVERIFY(ukazane.odpovezeno);
    QCOMPARE(ukazane.tlacitka, tlacitka);
    QVERIFY2(ukazane.popisky.contains(popisek), qPrintable(ukazane.popisky.join(u'|')));
    for (const char *anglicky : {"Look in:", "File name:", "Files of type:"})
        QVERIFY2(!ukazane.popisky.contains(QString::fromLatin1(anglicky)), anglicky);
}

// The standard buttons of a message box, all in one box.
void TestPreklad::tlacitkaZpravyCesky()
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Talvo"), QStringLiteral("Uložit změny?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Save | QMessageBox::Discard |
                        QMessageBox::Cancel | QMessageBox::Close);
    const Ukazane ukazane = ukazAZavri(&box);
    QVERIFY(ukazane.odpovezeno);
    QStringList serazene = ukazane.tlacitka;
    serazene.sort();
    QStringList texty{"Ano", "Ne", "Uložit", "Zahodit", "Zrušit", "Zavřít"};
    texty.sort();
    QCOMPARE(serazene, texty);
}

void TestPreklad::dialogyTiskuCesky()
{
    QPrinter tiskarna(QPrinter::HighResolution);
    QPrintDialog tisk(&tiskarna);
    const Ukazane ukazaneTisku = ukazAZavri(&tisk);
    QVERIFY(ukazaneTisku.odpovezeno);
    QVERIFY2(ukazaneTisku.tlacitka.contains(QStringLiteral("Zrušit")), qPrintable(ukazaneTisku.tlacitka.join(u'|')));
    QVERIFY2(!ukazaneTisku.tlacitka.contains(QStringLiteral("Print")), qPrintable(ukazaneTisku.tlacitka.join(u'|')));

    QPageSetupDialog stranka(&tiskarna);
    const Ukazane ukazaneStranky = ukazAZavri(&stranka);
    QVERIFY(ukazaneStranky.odpovezeno);
    QVERIFY2(ukazaneStranky.tlacitka.contains(QStringLiteral("Zrušit")),
             qPrintable(ukazaneStranky.tlacitka.join(u'|')));
    QVERIFY2(ukazaneTisku.popisky.contains(QStringLiteral("Počet exemplářů:")),
             qPrintable(ukazaneTisku.popisky.join(u'|')));
    // Also the choices that Qt 6 worded anew and its catalogue lacks.
    for (const QString &volba : {u"Stránky"_qs, u"Oboustranný tisk"_qs, u"Vypnuto"_qs, u"Vazba na dlouhé straně"_qs})
        QVERIFY2(ukazaneTisku.volby.contains(volba), qPrintable(ukazaneTisku.volby.join(u'|')));
    QVERIFY2(ukazaneStranky.popisky.contains(QStringLiteral("Velikost stran:")),
             qPrintable(ukazaneStranky.popisky.join(u'|')));
    // The margins with a decimal comma, as a Czech reader writes them, though the desktop is English.
    QVERIFY(!ukazaneStranky.cisla.isEmpty());
    for (const QString &cislo : ukazaneStranky.cisla)
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

#include "descriptions/okna/Vlastnisifra.h"
#include "windows/Koleckosifrujunit.h"
#include "windows/Morseovkaunit.h"
#include "windows/Mrizkaunit.h"
#include "windows/Semaforsifrujunit.h"
#include "windows/Snekunit.h"
#include "windows/formular/Mnemoniky.h"
#include "windows/zpravy/Ukladani.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace {
std::unique_ptr<QWidget> okno(const QString &druh)
{
    if (druh == "Morseovka")
        return std::make_unique<TMorseovkaForm>();
    if (druh == "Mrizka")
        return std::make_unique<TMrizkaForm>();
    if (druh == "Kolecko")
        return std::make_unique<TKoleckoSifrujForm>();
    if (druh == "Snek")
        return std::make_unique<TSnekForm>();
    if (druh == "Semafor")
        return std::make_unique<TSemaforSifrujForm>();
    return std::make_unique<TTalvoVlastni>();
}
} // namespace

// What every window does alike: a double click selects a memo's whole text, the file dialogs, the
// accessible names pojmenujOvladaceOkna gives the controls that have none.
class TestFormular : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void dvojklik_data();
    void dvojklik();
    void dialogy_data();
    void dialogy();
    void jmenoPodlePopisku_data();
    void jmenoPodlePopisku();
    void jmenaBezPopisku();

private:
    std::unique_ptr<QTemporaryDir> m_slozka;
};

void TestFormular::init()
{
    m_slozka = std::make_unique<QTemporaryDir>();
    QVERIFY(m_slozka->isValid() && QDir::setCurrent(m_slozka->path()) && QDir().mkdir("talvoPrehled") &&
            QDir().mkdir("ulozeneTalvo"));
}

void TestFormular::dvojklik_data()
{
    QTest::addColumn<QString>("druh");
    QTest::addColumn<QString>("memo");
    QTest::addColumn<bool>("zapnuty");
    QTest::newRow("Morse source") << "Morseovka"
                                  << "Zdroj" << true;
    QTest::newRow("Morse target, disabled") << "Morseovka"
                                            << "Cil" << false;
    QTest::newRow("grille source") << "Mrizka"
                                   << "Zdroj" << true;
    QTest::newRow("grille target") << "Mrizka"
                                   << "Cil" << true;
    QTest::newRow("wheel source") << "Kolecko"
                                  << "Zdroj" << true;
    QTest::newRow("wheel target") << "Kolecko"
                                  << "Cil" << true;
    QTest::newRow("snail source, disabled") << "Snek"
                                            << "Zdroj" << false;
    QTest::newRow("snail target") << "Snek"
                                  << "Cil" << true;
    QTest::newRow("semaphore source") << "Semafor"
                                      << "Zdroj" << true;
    QTest::newRow("semaphore source, disabled") << "Semafor"
                                                << "Zdroj" << false;
    QTest::newRow("editor title") << "Vlastni"
                                  << "NazevTalvo" << true;
    QTest::newRow("editor description") << "Vlastni"
                                        << "PopisTalvo" << true;
    QTest::newRow("editor example") << "Vlastni"
                                    << "PrikladZdroj" << true;
    QTest::newRow("editor picture title, disabled") << "Vlastni"
                                                    << "NadpisObrazku" << false;
}

void TestFormular::dvojklik()
{
    QFETCH(QString, druh);
    QFETCH(QString, memo);
    QFETCH(bool, zapnuty);
    const std::unique_ptr<QWidget> form = okno(druh);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    auto *pole = form->findChild<QPlainTextEdit *>(memo);
    QVERIFY(pole);
    pole->setPlainText("ahoj svete\nnazdar");
    pole->setEnabled(zapnuty);
    QTest::mouseDClick(pole->viewport(), Qt::LeftButton, {}, QPoint(10, 8));
    // The whole text, not the word under the pointer; nothing while the memo is disabled.
    QCOMPARE(pole->textCursor().selectedText(), zapnuty ? QStringLiteral("ahoj svete\u2029nazdar") : QString());
}

void TestFormular::dialogy_data()
{
    QTest::addColumn<QString>("jmeno");
    QTest::addColumn<QFileDialog::AcceptMode>("rezim");
    QTest::addColumn<QFileDialog::FileMode>("soubory");
    QTest::addColumn<QString>("pripona");
    QTest::addColumn<QStringList>("filtry");
    QTest::newRow("report") << "SaveDialog1" << QFileDialog::AcceptSave << QFileDialog::AnyFile << "txt"
                            << QStringList{"textový soubor (*.txt)", "document word (*.doc)"};
    QTest::newRow("picture") << "OpenPictureDialog1" << QFileDialog::AcceptOpen << QFileDialog::ExistingFile
                             << QString() << QStringList{"Bitmaps (*.bmp)"};
    QTest::newRow("sound") << "UlozitZvukDialog" << QFileDialog::AcceptSave << QFileDialog::AnyFile << "wav"
                           << QStringList{"zvuk WAV (*.wav)"};
}

void TestFormular::dialogy()
{
    QFETCH(QString, jmeno);
    QFETCH(QFileDialog::AcceptMode, rezim);
    QFETCH(QFileDialog::FileMode, soubory);
    QFETCH(QString, pripona);
    QFETCH(QStringList, filtry);
    QWidget rodic;
    TUkladaniZprav ukladani(&rodic);
    TTalvoVlastni editor;
    TMorseovkaForm morseovka;
    QFileDialog *dialog = jmeno == "SaveDialog1"          ? ukladani.SaveDialog1()
                          : jmeno == "OpenPictureDialog1" ? editor.OpenPictureDialog1()
                                                          : morseovka.dialogZvuku();
    QCOMPARE(dialog->objectName(), jmeno);
    QVERIFY(dialog->testOption(QFileDialog::DontUseNativeDialog));
    QCOMPARE(dialog->acceptMode(), rezim);
    QCOMPARE(dialog->fileMode(), soubory);
    QCOMPARE(dialog->defaultSuffix(), pripona);
    QCOMPARE(dialog->nameFilters(), filtry);
    QCOMPARE(dialog->selectedNameFilter(), filtry.first());
    if (jmeno == "UlozitZvukDialog") {
        QCOMPARE(dialog->windowTitle(), "Uložit zvuk");
        QCOMPARE(dialog->directory().absolutePath(), m_slozka->filePath("ulozeneTalvo"));
        QCOMPARE(dialog->selectedFiles().value(0), m_slozka->filePath("ulozeneTalvo/morseovka.wav"));
    }
}

void TestFormular::jmenoPodlePopisku_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("drivejsi");
    QTest::addColumn<bool>("jinyRodic");
    QTest::addColumn<QString>("jmeno");
    QTest::newRow("mnemonic dropped") << "Ši&fra:" << QString() << false << "Šifra:";
    QTest::newRow("label in another widget") << "&Počet hlídek" << QString() << true << "Počet hlídek";
    QTest::newRow("written ampersand stays one") << "Klíč && heslo" << QString() << false << "Klíč & heslo";
    QTest::newRow("padding trimmed") << "  Zdrojový text " << QString() << false << "Zdrojový text";
    QTest::newRow("name given before stays") << "&Hlídky"
                                             << "Hlídky hry" << false << "Hlídky hry";
    QTest::newRow("rich text label names nothing") << "<b>Klíč</b>" << QString() << false << QString();
}

void TestFormular::jmenoPodlePopisku()
{
    QFETCH(QString, text);
    QFETCH(QString, drivejsi);
    QFETCH(bool, jinyRodic);
    QFETCH(QString, jmeno);
    QWidget okno;
    auto *skupina = new QWidget(&okno);
    auto *popisek = new QLabel(text, jinyRodic ? &okno : skupina);
    if (text.startsWith(u'<'))
        popisek->setTextFormat(Qt::RichText);
    auto *editace = new QLineEdit(skupina);
    editace->setAccessibleName(drivejsi);
    popisek->setBuddy(editace);
    pojmenujOvladaceOkna(&okno);
    QCOMPARE(editace->accessibleName(), jmeno);
}

// A window's scroll area takes the window's title, a combo box's list the box's name; a memo without
// a label stays unnamed, for the AT-SPI walk to find.
void TestFormular::jmenaBezPopisku()
{
    QWidget okno;
    okno.setWindowTitle(QStringLiteral("Šnek"));
    auto *rozvrzeni = new QVBoxLayout(&okno);
    auto *plocha = new QScrollArea, *pojmenovana = new QScrollArea, *bezFokusu = new QScrollArea;
    pojmenovana->setAccessibleName(QStringLiteral("Cílový text"));
    bezFokusu->setFocusPolicy(Qt::NoFocus);
    auto *memo = new QPlainTextEdit;
    auto *sifra = new QComboBox;
    auto *popisek = new QLabel(QStringLiteral("Ši&fra:"));
    popisek->setBuddy(sifra);
    for (QWidget *w : std::initializer_list<QWidget *>{plocha, memo, pojmenovana, bezFokusu, popisek, sifra})
        rozvrzeni->addWidget(w);
    pojmenujOvladaceOkna(&okno);
    QCOMPARE(plocha->accessibleName(), QStringLiteral("Šnek"));
    QCOMPARE(pojmenovana->accessibleName(), QStringLiteral("Cílový text"));
    QCOMPARE(bezFokusu->accessibleName(), QString());
    QCOMPARE(memo->accessibleName(), QString());
    QCOMPARE(sifra->view()->accessibleName(), QStringLiteral("Šifra:"));
}

QTEST_MAIN(TestFormular)
#include "tst_ui_formular.moc"

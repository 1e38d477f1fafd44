#include "game/PripravaHry.h"

#include "game/TiskHry.h"
#include "game/model/SouborHry.h"
#include "windows/formular/DialogSouboru.h"
#include "windows/formular/Formular.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
constexpr QSize Navrh(800, 600);
const QString FiltrHry = QStringLiteral("hra pro hlídky (*.talvohra)");
// The colours of a key cell whose text does not give a key.
const QColor PozadiChyby(255, 205, 205);
const QColor PismoChyby(160, 0, 0);

// Caption without its mnemonic, for the accessible name.
QString bezMnemoniky(const QString &text)
{
    return QString(text).remove(u'&');
}
} // namespace

TPripravaHryForm::TPripravaHryForm(QWidget *parent) : QWidget(parent), m_nahoda(QRandomGenerator::system()->generate())
{
    pripravOkno(this, "PripravaHryForm", QStringLiteral("Příprava hry pro hlídky"), Navrh);
    m_hra = NovaHra(SifraHry::Morseovka, m_nahoda);
    vytvorOvladace();
    ukazHru();
    propojOvladace();
}

void TPripravaHryForm::vytvorOvladace()
{
    QWidget *plocha = plochaOkna(this, Navrh);
    QVBoxLayout *sloupec = sloupecFormulare(plocha);

    nadpis = popisek(plocha, "nadpis",
                     QStringLiteral("Vyberte šifru a počet hlídek, zadejte každé hlídce zprávu a klíč a stiskněte "
                                    "Tisk: každá hlídka dostane svůj list, vedoucí listy s řešením."),
                     true);

    SifraLab = popisek(plocha, "SifraLab", QStringLiteral("Ši&fra:"));
    sifraCB = new QComboBox(plocha);
    sifraCB->setObjectName(QStringLiteral("sifraCB"));
    for (SifraHry sifra : SifryHry)
        sifraCB->addItem(NazevSifry(sifra));
    sifraCB->setAccessibleName(QStringLiteral("Šifra"));
    SifraLab->setBuddy(sifraCB);

    PocetHlidekLab = popisek(plocha, "PocetHlidekLab", QStringLiteral("&Počet hlídek:"));
    pocetHlidekSB = cislo(plocha, "pocetHlidekSB", NejmeneHlidek, NejviceHlidek, VychoziPocetHlidek);
    pocetHlidekSB->setAccessibleName(QStringLiteral("Počet hlídek"));
    PocetHlidekLab->setBuddy(pocetHlidekSB);

    ruzneKliceB = tlacitko(plocha, "ruzneKliceB", QStringLiteral("Každé hlídce &jiný klíč"),
                           QStringLiteral("Dá každé hlídce náhodný klíč, každé jiný, pokud jich šifra má dost."));
    ruzneKliceB->setAccessibleName(bezMnemoniky(ruzneKliceB->text()));

    HlidkyLab = popisek(plocha, "HlidkyLab", QStringLiteral("&Hlídky (název, zpráva a klíč každé hlídky):"), true);
    hlidkyT = new QTableWidget(0, 3, plocha);
    hlidkyT->setObjectName(QStringLiteral("hlidkyT"));
    hlidkyT->setHorizontalHeaderLabels({QStringLiteral("Hlídka"), QStringLiteral("Zpráva"), QStringLiteral("Klíč")});
    hlidkyT->horizontalHeader()->setSectionResizeMode(SloupecNazev, QHeaderView::Interactive);
    hlidkyT->horizontalHeader()->setSectionResizeMode(SloupecZprava, QHeaderView::Stretch);
    hlidkyT->horizontalHeader()->setSectionResizeMode(SloupecKlic, QHeaderView::Interactive);
    hlidkyT->setColumnWidth(SloupecNazev, 140);
    hlidkyT->setColumnWidth(SloupecKlic, 200);
    hlidkyT->setAccessibleName(QStringLiteral("Hlídky"));
    hlidkyT->setMinimumHeight(160);
    HlidkyLab->setBuddy(hlidkyT);

    stejnaZpravaCB = zaskrtavatko(plocha, "stejnaZpravaCB", QStringLiteral("&Stejná zpráva pro všechny hlídky"));
    stejnaZpravaCB->setAccessibleName(bezMnemoniky(stejnaZpravaCB->text()));
    ZpravaLab = popisek(plocha, "ZpravaLab", QStringLiteral("Společná &zpráva:"));
    zpravaE = memo(plocha, "zpravaE");
    zpravaE->setAccessibleName(QStringLiteral("Společná zpráva"));
    zpravaE->setFixedHeight(70);
    ZpravaLab->setBuddy(zpravaE);

    pomuckaCB = zaskrtavatko(plocha, "pomuckaCB", QStringLiteral("Přiložit po&můcku"));
    pomuckaCB->setAccessibleName(bezMnemoniky(pomuckaCB->text()));
    pomuckaCB->setToolTip(QStringLiteral("Každý list hlídky ponese i pomůcku k rozluštění: tabulku, kartu, "
                                         "kolečko, prázdnou tabulku šneka nebo semaforovou abecedu."));

    nahledB =
        tlacitko(plocha, "nahledB", QStringLiteral("&Náhled"), QStringLiteral("Ukáže přesně to, co vytiskne Tisk."));
    otevritHruB = tlacitko(plocha, "otevritHruB", QStringLiteral("&Otevřít hru…"),
                           QStringLiteral("Načte hru ze souboru .talvohra."));
    ulozitHruB = tlacitko(plocha, "ulozitHruB", QStringLiteral("&Uložit hru…"),
                          QStringLiteral("Uloží celou hru do souboru .talvohra."));
    for (QPushButton *tlacitko : {nahledB, otevritHruB, ulozitHruB})
        tlacitko->setAccessibleName(bezMnemoniky(tlacitko->text()).remove(u'…'));

    sloupec->addWidget(nadpis);
    sloupec->addWidget(cara(plocha, "Shape1"));
    QHBoxLayout *volby = radaZleva({SifraLab, sifraCB, PocetHlidekLab, pocetHlidekSB, ruzneKliceB});
    volby->setSpacing(8);
    sloupec->addLayout(volby);
    sloupec->addWidget(HlidkyLab);
    sloupec->addWidget(hlidkyT, 1);
    sloupec->addWidget(stejnaZpravaCB);
    sloupec->addWidget(ZpravaLab);
    sloupec->addWidget(zpravaE);
    sloupec->addWidget(pomuckaCB);
    sloupec->addLayout(radaZleva({nahledB, otevritHruB, ulozitHruB}));

    poradiFokusu({sifraCB, pocetHlidekSB, ruzneKliceB, hlidkyT, stejnaZpravaCB, zpravaE, pomuckaCB, nahledB,
                  otevritHruB, ulozitHruB});
}

void TPripravaHryForm::propojOvladace()
{
    connect(sifraCB, &QComboBox::currentIndexChanged, this, &TPripravaHryForm::SifraChange);
    connect(pocetHlidekSB, &QSpinBox::valueChanged, this, &TPripravaHryForm::PocetHlidekChange);
    connect(hlidkyT, &QTableWidget::itemChanged, this, &TPripravaHryForm::HlidkaChange);
    connect(stejnaZpravaCB, &QCheckBox::toggled, this, &TPripravaHryForm::StejnaZpravaClick);
    connect(zpravaE, &QPlainTextEdit::textChanged, this, &TPripravaHryForm::ZpravaChange);
    connect(pomuckaCB, &QCheckBox::toggled, this, &TPripravaHryForm::PomuckaClick);
    connect(ruzneKliceB, &QPushButton::clicked, this, &TPripravaHryForm::RuzneKliceBClick);
    connect(nahledB, &QPushButton::clicked, this, &TPripravaHryForm::NahledBClick);
    connect(otevritHruB, &QPushButton::clicked, this, &TPripravaHryForm::OtevritHruBClick);
    connect(ulozitHruB, &QPushButton::clicked, this, &TPripravaHryForm::UlozitHruBClick);
}

void TPripravaHryForm::ukazHru()
{
    const QSignalBlocker b1(sifraCB), b2(pocetHlidekSB), b3(hlidkyT), b4(stejnaZpravaCB), b5(zpravaE), b6(pomuckaCB);
    sifraCB->setCurrentIndex(int(std::find(SifryHry.begin(), SifryHry.end(), m_hra.sifra) - SifryHry.begin()));
    pocetHlidekSB->setValue(int(m_hra.hlidky.size()));
    stejnaZpravaCB->setChecked(m_hra.stejnaZprava);
    if (zpravaE->toPlainText() != m_hra.spolecnaZprava)
        zpravaE->setPlainText(m_hra.spolecnaZprava);
    pomuckaCB->setChecked(m_hra.prilozitPomucku);
    hlidkyT->setRowCount(int(m_hra.hlidky.size()));
    for (int r = 0; r < hlidkyT->rowCount(); ++r)
        ukazRadek(r);
    ukazZpravy();
}

void TPripravaHryForm::ukazRadek(int r)
{
    const QSignalBlocker blok(hlidkyT);
    const Hlidka &hlidka = m_hra.hlidky[r];
    const QString texty[] = {hlidka.nazev, ZpravaHlidky(m_hra, r), hlidka.klic};
    for (int s = SloupecNazev; s <= SloupecKlic; ++s) {
        QTableWidgetItem *polozka = hlidkyT->item(r, s);
        if (!polozka) {
            polozka = new QTableWidgetItem;
            hlidkyT->setItem(r, s, polozka);
        }
        polozka->setText(texty[s]);
        // An empty cell still has a name for a screen reader, which reads the column's header with it.
        polozka->setData(Qt::AccessibleTextRole, texty[s].isEmpty() ? QVariant(QStringLiteral("prázdné")) : QVariant());
    }
    oznacKlic(r);
}

void TPripravaHryForm::oznacKlic(int r)
{
    const QSignalBlocker blok(hlidkyT);
    QTableWidgetItem *polozka = hlidkyT->item(r, SloupecKlic);
    if (!polozka)
        return;
    const VysledekHlidky &vysledek = m_sifrovani.hlidka(m_hra, r);
    if (vysledek.klic) {
        polozka->setData(Qt::BackgroundRole, QVariant());
        polozka->setData(Qt::ForegroundRole, QVariant());
        polozka->setToolTip(QString());
    } else {
        polozka->setBackground(PozadiChyby);
        polozka->setForeground(PismoChyby);
        polozka->setToolTip(vysledek.chybaKlice);
    }
}

void TPripravaHryForm::ukazZpravy()
{
    const QSignalBlocker blok(hlidkyT);
    for (int r = 0; r < hlidkyT->rowCount(); ++r) {
        QTableWidgetItem *polozka = hlidkyT->item(r, SloupecZprava);
        if (!polozka)
            continue;
        polozka->setText(ZpravaHlidky(m_hra, r));
        polozka->setFlags(m_hra.stejnaZprava ? polozka->flags() & ~Qt::ItemIsEditable
                                             : polozka->flags() | Qt::ItemIsEditable);
    }
    zpravaE->setEnabled(m_hra.stejnaZprava);
    ZpravaLab->setEnabled(m_hra.stejnaZprava);
}

void TPripravaHryForm::SifraChange(int index)
{
    if (index < 0 || index >= int(SifryHry.size()) || SifryHry[index] == m_hra.sifra)
        return;
    ZmenSifru(m_hra, SifryHry[index], m_nahoda);
    ukazHru();
}

void TPripravaHryForm::PocetHlidekChange(int pocet)
{
    ZmenPocetHlidek(m_hra, pocet, m_nahoda);
    ukazHru();
}

void TPripravaHryForm::HlidkaChange(QTableWidgetItem *polozka)
{
    const int r = polozka->row();
    if (r < 0 || r >= m_hra.hlidky.size())
        return;
    Hlidka &hlidka = m_hra.hlidky[r];
    switch (polozka->column()) {
    case SloupecNazev:
        hlidka.nazev = polozka->text();
        break;
    case SloupecZprava:
        if (m_hra.stejnaZprava)
            return;
        hlidka.zprava = polozka->text();
        break;
    case SloupecKlic:
        hlidka.klic = polozka->text();
        break;
    default:
        return;
    }
    // Only this patrol is read and enciphered again; the others keep what the cache holds.
    oznacKlic(r);
}

void TPripravaHryForm::StejnaZpravaClick(bool zaskrtnuto)
{
    m_hra.stejnaZprava = zaskrtnuto;
    ukazZpravy();
}

void TPripravaHryForm::ZpravaChange()
{
    m_hra.spolecnaZprava = zpravaE->toPlainText();
    if (m_hra.stejnaZprava)
        ukazZpravy();
}

void TPripravaHryForm::PomuckaClick(bool zaskrtnuto)
{
    m_hra.prilozitPomucku = zaskrtnuto;
}

void TPripravaHryForm::RuzneKliceBClick()
{
    RozdejRuzneKlice(m_hra, m_nahoda);
    ukazHru();
}

bool TPripravaHryForm::zkontrolujProTisk()
{
    QString chyba;
    if (ZkontrolujHru(m_hra, m_sifrovani, &chyba))
        return true;
    hlaseni(this, chyba, QMessageBox::Warning);
    return false;
}

bool TPripravaHryForm::tiskni(TTiskZprav &tisk)
{
    if (!zkontrolujProTisk())
        return false;
    return tisk.vyberATiskni(
        [this](QPrinter &tiskarna, QString *chyba) { return TiskniHru(tiskarna, m_hra, m_sifrovani, chyba); });
}

std::optional<QStringList> TPripravaHryForm::radkyKUlozeni()
{
    QString chyba;
    std::optional<QStringList> radky = ZpravaReseni(m_hra, m_sifrovani, &chyba);
    if (!radky)
        hlaseni(this, chyba, QMessageBox::Warning);
    return radky;
}

void TPripravaHryForm::NahledBClick()
{
    if (!zkontrolujProTisk())
        return;
    QPrintPreviewDialog nahled(TTiskZprav::proOkno(this)->tiskarna(), this);
    nahled.setObjectName(QStringLiteral("NahledDialog"));
    nahled.setWindowTitle(QStringLiteral("Náhled – příprava hry pro hlídky"));
    connect(&nahled, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *tiskarna) { TiskniHru(*tiskarna, m_hra, m_sifrovani); });
    nahled.exec();
}

QFileDialog *TPripravaHryForm::dialogHry(bool ulozit)
{
    QFileDialog *&dialog = ulozit ? m_ulozitDialog : m_otevritDialog;
    if (!dialog) {
        dialog = ulozit ? dialogSouboru(this, "UlozitHruDialog", QFileDialog::AcceptSave, {FiltrHry},
                                        QStringLiteral("talvohra"))
                        : dialogSouboru(this, "OtevritHruDialog", QFileDialog::AcceptOpen, {FiltrHry});
        dialog->setWindowTitle(ulozit ? QStringLiteral("Uložit hru") : QStringLiteral("Otevřít hru"));
        dialog->setDirectory(slozkaUkladani());
    }
    return dialog;
}

void TPripravaHryForm::OtevritHruBClick()
{
    QFileDialog *dialog = dialogHry(false);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return;
    otevriHru(dialog->selectedFiles().first());
}

void TPripravaHryForm::UlozitHruBClick()
{
    // A key that does not read is refused before a file name is asked for.
    QString chyba;
    if (!ZkontrolujKlice(m_hra, &chyba)) {
        hlaseni(this, chyba, QMessageBox::Warning);
        return;
    }
    QFileDialog *dialog = dialogHry(true);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return;
    ulozHru(dialog->selectedFiles().first());
}

bool TPripravaHryForm::ulozHru(const QString &cesta)
{
    QString chyba;
    if (!ZkontrolujKlice(m_hra, &chyba) || !UlozHru(cesta, m_hra, &chyba)) {
        hlaseni(this, chyba, QMessageBox::Warning);
        return false;
    }
    return true;
}

bool TPripravaHryForm::otevriHru(const QString &cesta)
{
    QString chyba;
    std::optional<Hra> hra = NactiHru(cesta, &chyba);
    if (!hra) {
        hlaseni(this, chyba, QMessageBox::Warning);
        return false;
    }
    m_hra = std::move(*hra);
    ukazHru();
    return true;
}

#include "descriptions/okna/Vlastnisifra.h"

#include "resources/Pisma.h"
#include "windows/formular/DialogSouboru.h"
#include "windows/formular/Formular.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

// What the path labels show while no picture is chosen.
constexpr QStringView BezObrazku = u"null";
constexpr QStringView Crlf = u"\r\n";

// The text of a box with its lines joined by konec. Unlike toPlainText() this keeps
// no-break spaces, which Czech texts put after one-letter words.
QString textBoxu(const QPlainTextEdit *box, QStringView konec = Crlf)
{
    const QString surovy = box->document()->toRawText();
    QString text;
    text.reserve(surovy.size());
    for (const QChar c : surovy) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            text += konec;
        else
            text += c;
    }
    return text;
}

QHBoxLayout *radek(std::initializer_list<QWidget *> ovladace)
{
    auto *rada = new QHBoxLayout;
    for (QWidget *ovladac : ovladace)
        rada->addWidget(ovladac);
    rada->addStretch(1);
    return rada;
}

// A path label: the user may select and copy the path.
QLabel *cesta(QWidget *rodic, QAnyStringView jmeno)
{
    QLabel *label = popisek(rodic, jmeno, BezObrazku.toString());
    // A path has no spaces to break at; it stays on one line.
    label->setWordWrap(false);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

TTalvoVlastni::TTalvoVlastni(QWidget *parent, const QString &uloziste) : QWidget(parent), m_popis(uloziste)
{
    setObjectName(QStringLiteral("TalvoVlastni"));
    setWindowTitle(QStringLiteral("f"));
    setFont(pismoTahoma(8));
    nastavBiloPozadi(this);
    resize(sizeHint());
    m_memoTisk = vytvorMemoTisk(this);
    vytvorOvladace();
    m_priklad = {SouborPopisu::Obrazek1, CestaKObrLab, NovaCestaKObrLab, {}};
    m_druhy = {SouborPopisu::Obrazek, CestaKObr1Lab, NovaCestaKObr1Lab, {}};

    m_dialog = dialogSouboru(this, "OpenPictureDialog1", QFileDialog::AcceptOpen, {QStringLiteral("Bitmaps (*.bmp)")});

    propojOvladace();
    // A full store takes nothing more from any editor, an opened description included.
    UlozitSifru->setEnabled(PocetSifer(m_popis.uloziste()) < MaxPocetSifer);
    FormCreate();
    // The headings name the boxes below them; the caption-less choices are named for a screen reader.
    Label6->setBuddy(NazevTalvo);
    Label3->setBuddy(PopisTalvo);
    Label4->setBuddy(PrikladZdroj);
    Label2->setBuddy(NadpisObrazku);
    PSTextRB->setAccessibleName(QStringLiteral("Příklad jako text"));
    PSObrazekRB->setAccessibleName(QStringLiteral("Příklad jako obrázek"));
    Obr1CB->setAccessibleName(QStringLiteral("Nadpis obrázku"));
    NazevTalvo->setFocus();
}

void TTalvoVlastni::vytvorOvladace()
{
    m_svitek = new QScrollArea(this);
    m_svitek->setObjectName(QStringLiteral("svitek"));
    m_svitek->setWidgetResizable(true);
    m_svitek->setFrameShape(QFrame::NoFrame);
    auto *plocha = new QWidget;
    plocha->setObjectName(QStringLiteral("obsah"));
    // Below the design size the controls stop shrinking and the scroll bars appear.
    plocha->setMinimumSize(sizeHint() - QSize(20, 20));
    nastavBiloPozadi(plocha);
    m_svitek->setWidget(plocha);
    nastavBiloPozadi(m_svitek->viewport());
    auto *okno = new QVBoxLayout(this);
    okno->setContentsMargins(0, 0, 0, 0);
    okno->addWidget(m_svitek);

    Label1 = popisek(plocha, "Label1", QStringLiteral("Vytvořte si databázi vlastních šifer."), true);
    Label1->setFont(pismoTahomaPx(15, true));
    Shape1 = cara(plocha, "Shape1");
    Shape1->setFixedWidth(237);
    Label5 = popisek(plocha, "Label5",
                     QStringLiteral("Zadejte text popisující jak šifra funguje a příklad šifrování a poté ho uložte "
                                    "nebo vytiskněte."));
    Label7 = popisek(plocha, "Label7",
                     QStringLiteral("Pokud šifru uložíte tlačítkem \"Uložit šifru\" budete ji moci editovat i po "
                                    "restartu aplikace."));
    Label9 = popisek(plocha, "Label9", QStringLiteral("Můžete si tak uložit až 25 šifer."));
    UlozitSifru = tlacitko(plocha, "UlozitSifru", QStringLiteral("Uložit šifru"));

    Label6 = popisek(plocha, "Label6", QStringLiteral("Název talvo"), true);
    NazevTalvo = radkovyMemo(plocha, "NazevTalvo");
    Label8 = popisek(plocha, "Label8", QStringLiteral("Název souboru:"));
    nazevSouboruLab = popisek(plocha, "nazevSouboruLab", QString());
    NazevErrLab = popisek(plocha, "NazevErrLab",
                          QStringLiteral("Pokud chcete šifru uložit zadejte jiný název. Šifra s tímto NÁZVEM již "
                                         "EXISTUJE a pokud název nezměníte PŘEPÍŠE SE."));
    QPalette cervena = NazevErrLab->palette();
    cervena.setColor(QPalette::WindowText, Qt::red);
    NazevErrLab->setPalette(cervena);
    NazevErrLab->hide();

    Label3 = popisek(plocha, "Label3", QStringLiteral("Popis talvo"), true);
    PopisTalvo = memo(plocha, "PopisTalvo");
    PopisTalvo->setMinimumHeight(110);

    Label4 = popisek(plocha, "Label4", QStringLiteral("Příklad šifrování/dešifrování"), true);
    Label13 =
        popisek(plocha, "Label13", QStringLiteral("Přepínačem vyberte zda chcete zapsat text nebo vložit obrázek."));
    PrikladSifrovaniGB = skupina(plocha, "PrikladSifrovaniGB");
    PSTextRB = prepinac(PrikladSifrovaniGB, "PSTextRB", QString(), true);
    PSObrazekRB = prepinac(PrikladSifrovaniGB, "PSObrazekRB", QString());
    PrikladZdroj = memo(plocha, "PrikladZdroj");
    PrikladZdroj->setMinimumHeight(90);
    VlozitObrazekB = tlacitko(plocha, "VlozitObrazekB", QStringLiteral("Vložit obrázek ...."));
    VlozitObrazekB->setEnabled(false);
    Label10 = popisek(plocha, "Label10", QStringLiteral("Původní umístění:"));
    CestaKObrLab = cesta(plocha, "CestaKObrLab");
    Label11 = popisek(plocha, "Label11", QStringLiteral("Nové umístění"));
    NovaCestaKObrLab = cesta(plocha, "NovaCestaKObrLab");
    Label17 = popisek(plocha, "Label17", QStringLiteral("Obrázek by měl mít rozměry maximálně: 700x700 px"));

    Label2 = popisek(plocha, "Label2", QStringLiteral("Nadpis obrázku - např. tabulka znaků"), true);
    Label14 = popisek(plocha, "Label14",
                      QStringLiteral("Zaškrtnutím/odšktrnutím políčka vyberte zda chcete vložit další obrázek."));
    Label18 = popisek(plocha, "Label18",
                      QStringLiteral("Pokud je obrázek již uložen ve složce a nechcete ho, musít ho ručne smazat, "
                                     "jinak se bude dále zobrazovat."));
    NadpisObrazkuGB = skupina(plocha, "NadpisObrazkuGB");
    Obr1CB = zaskrtavatko(NadpisObrazkuGB, "Obr1CB", QString(), true);
    NadpisObrazku = radkovyMemo(plocha, "NadpisObrazku");
    VlozitObrazek1B = tlacitko(plocha, "VlozitObrazek1B", QStringLiteral("Vložit obrázek ...."));
    Label15 = popisek(plocha, "Label15", QStringLiteral("Původní umístění:"));
    CestaKObr1Lab = cesta(plocha, "CestaKObr1Lab");
    Label16 = popisek(plocha, "Label16", QStringLiteral("Nové umístění"));
    NovaCestaKObr1Lab = cesta(plocha, "NovaCestaKObr1Lab");
    Label12 = popisek(plocha, "Label12", QStringLiteral("Obrázek by měl mít rozměry maximálně: 700x700 px"));

    // The radio buttons stand beside what they choose: the text on top, the picture button below.
    auto *volba = new QVBoxLayout(PrikladSifrovaniGB);
    volba->setContentsMargins(6, 6, 6, 6);
    volba->addWidget(PSTextRB);
    volba->addStretch(1);
    volba->addWidget(PSObrazekRB);
    auto *priklad = new QGridLayout;
    priklad->addWidget(PrikladSifrovaniGB, 0, 0, 2, 1);
    priklad->addWidget(PrikladZdroj, 0, 1);
    priklad->addLayout(radek({VlozitObrazekB}), 1, 1);
    priklad->setRowStretch(0, 1);
    priklad->setColumnStretch(1, 1);

    auto *zaskrtnuti = new QVBoxLayout(NadpisObrazkuGB);
    zaskrtnuti->setContentsMargins(6, 2, 6, 2);
    zaskrtnuti->addWidget(Obr1CB);
    auto *nadpis = new QHBoxLayout;
    nadpis->addWidget(NadpisObrazkuGB);
    nadpis->addWidget(NadpisObrazku, 1);

    auto *sloupec = new QVBoxLayout(plocha);
    sloupec->setContentsMargins(16, 12, 16, 12);
    sloupec->setSpacing(6);
    for (QWidget *w : {static_cast<QWidget *>(Label1), static_cast<QWidget *>(Shape1)})
        sloupec->addWidget(w);
    for (QLabel *l : {Label5, Label7, Label9})
        sloupec->addWidget(l);
    sloupec->addLayout(radek({UlozitSifru}));
    sloupec->addSpacing(4);
    sloupec->addWidget(Label6);
    sloupec->addWidget(NazevTalvo);
    sloupec->addLayout(radek({Label8, nazevSouboruLab}));
    sloupec->addWidget(NazevErrLab);
    sloupec->addWidget(Label3);
    sloupec->addWidget(PopisTalvo, 2);
    sloupec->addSpacing(4);
    sloupec->addWidget(Label4);
    sloupec->addWidget(Label13);
    sloupec->addLayout(priklad, 1);
    sloupec->addLayout(radek({Label10, CestaKObrLab}));
    sloupec->addLayout(radek({Label11, NovaCestaKObrLab}));
    sloupec->addWidget(Label17);
    sloupec->addSpacing(4);
    for (QLabel *l : {Label2, Label14, Label18})
        sloupec->addWidget(l);
    sloupec->addLayout(nadpis);
    sloupec->addLayout(radek({VlozitObrazek1B}));
    sloupec->addLayout(radek({Label15, CestaKObr1Lab}));
    sloupec->addLayout(radek({Label16, NovaCestaKObr1Lab}));
    sloupec->addWidget(Label12);
}

void TTalvoVlastni::propojOvladace()
{
    connect(NazevTalvo, &QPlainTextEdit::textChanged, this, &TTalvoVlastni::NazevTalvoChange);
    connect(UlozitSifru, &QPushButton::clicked, this, &TTalvoVlastni::UlozitSifruClick);
    connect(VlozitObrazekB, &QPushButton::clicked, this, &TTalvoVlastni::VlozitObrazekBClick);
    connect(VlozitObrazek1B, &QPushButton::clicked, this, &TTalvoVlastni::VlozitObrazek1BClick);
    // toggled, not clicked: loading a description sets them too.
    connect(PSTextRB, &QRadioButton::toggled, this, &TTalvoVlastni::PSTextRBClick);
    connect(PSObrazekRB, &QRadioButton::toggled, this, &TTalvoVlastni::PSObrazekRBClick);
    connect(Obr1CB, &QCheckBox::toggled, this, &TTalvoVlastni::Obr1CBClick);
    for (QPlainTextEdit *box : {NazevTalvo, PopisTalvo, PrikladZdroj, NadpisObrazku})
        vyberVseDvojklikem(box);
}

void TTalvoVlastni::FormCreate()
{
    m_slozky = SeznamSifer(m_popis.uloziste());
    NazevTalvoChange();
}

void TTalvoVlastni::NazevTalvoChange()
{
    const QString f = nazevSouboru(textBoxu(NazevTalvo));
    // No folder name is longer than a file system takes; a pasted novel shows only its beginning.
    nazevSouboruLab->setText(f.size() > MaxBajtuJmenaSouboru ? f.first(MaxBajtuJmenaSouboru) + u'…' : f);
    // Letter case counts, as it did where the store comes from.
    NazevErrLab->setVisible(m_slozky.contains(f));
    // Saving copies the pictures into the folder of the name as it is then.
    ukazObrazek(m_priklad);
    ukazObrazek(m_druhy);
}

void TTalvoVlastni::ukazObrazek(const Obrazek &obrazek)
{
    if (!obrazek.odkud)
        return;
    if (obrazek.cesta.isEmpty()) {
        obrazek.odkud->setText(BezObrazku.toString());
        obrazek.kam->setText(BezObrazku.toString());
        return;
    }
    obrazek.odkud->setText(QDir::toNativeSeparators(obrazek.cesta));
    const QString kam = souborPopisu(m_popis.uloziste(), nazevSouboru(textBoxu(NazevTalvo)), obrazek.cil);
    obrazek.kam->setText(QDir::toNativeSeparators(kam));
}

void TTalvoVlastni::vyberObrazek(Obrazek &obrazek)
{
    // Cancelling keeps the picture chosen before (the dialog serves both pictures).
    if (m_dialog->exec() != QDialog::Accepted)
        return;
    const QStringList vybrane = m_dialog->selectedFiles();
    if (vybrane.isEmpty() || vybrane.first().isEmpty())
        return;
    obrazek.cesta = vybrane.first();
    ukazObrazek(obrazek);
}

void TTalvoVlastni::VlozitObrazekBClick()
{
    vyberObrazek(m_priklad);
}

void TTalvoVlastni::VlozitObrazek1BClick()
{
    vyberObrazek(m_druhy);
}

void TTalvoVlastni::PSTextRBClick()
{
    const bool text = PSTextRB->isChecked();
    PrikladZdroj->setEnabled(text);
    VlozitObrazekB->setEnabled(!text);
}

void TTalvoVlastni::PSObrazekRBClick()
{
    PSTextRBClick();
}

void TTalvoVlastni::Obr1CBClick()
{
    NadpisObrazku->setEnabled(Obr1CB->isChecked());
    VlozitObrazek1B->setEnabled(Obr1CB->isChecked());
}

bool TTalvoVlastni::ukazText(SouborPopisu s, QPlainTextEdit *box)
{
    const auto text = m_popis.nactenyText(s);
    if (!text)
        return false;
    box->setPlainText(*text);
    // What the box shows of it: a box left like this saves the text exactly as read.
    m_popis.zobrazeno(s, textBoxu(box, m_popis.konecRadku(s)));
    return true;
}

void TTalvoVlastni::NactiPopis(const QString &f)
{
    QString chyba;
    const PopisSifry::Nacteni nacteni = m_popis.nacti(f, &chyba);
    // A text the editor could show only in part would lose the rest on the next save: nothing is shown.
    if (nacteni == PopisSifry::Nacteni::PrilisVelkySoubor) {
        hlaseni(this, chyba, QMessageBox::Critical);
        return;
    }
    // What was read before a missing file stays in its box.
    ukazText(SouborPopisu::Nadpis, NazevTalvo);
    ukazText(SouborPopisu::Popis, PopisTalvo);
    if (nacteni == PopisSifry::Nacteni::ChybiSoubory) {
        hlaseni(this, chyba);
        return;
    }
    // Without an example text the example is the picture, as the overview shows it.
    const bool textovyPriklad = ukazText(SouborPopisu::Priklad, PrikladZdroj);
    (textovyPriklad ? PSTextRB : PSObrazekRB)->setChecked(true);
    const bool nadpisObrazku = ukazText(SouborPopisu::NadpisObrazku, NadpisObrazku);
    for (Obrazek *obrazek : {&m_priklad, &m_druhy}) {
        obrazek->cesta = m_popis.ulozenyObrazek(obrazek->cil);
        ukazObrazek(*obrazek);
    }
    Obr1CB->setChecked(nadpisObrazku || !m_druhy.cesta.isEmpty());
}

QString TTalvoVlastni::textKZapisu(SouborPopisu s, const QPlainTextEdit *box) const
{
    return textBoxu(box, m_popis.konecRadku(s));
}

bool TTalvoVlastni::UlozPopis()
{
    PopisSifry::Texty texty{
        textKZapisu(SouborPopisu::Nadpis, NazevTalvo), textKZapisu(SouborPopisu::Popis, PopisTalvo), {}, {}};
    if (PSTextRB->isChecked())
        texty.priklad = textKZapisu(SouborPopisu::Priklad, PrikladZdroj);
    // An opened description without a picture title gets none while the box stays empty.
    if (Obr1CB->isChecked() && !(m_popis.bezNadpisuObrazku() && NadpisObrazku->document()->isEmpty()))
        texty.nadpisObrazku = textKZapisu(SouborPopisu::NadpisObrazku, NadpisObrazku);
    QString chyba;
    switch (m_popis.uloz(texty, &chyba)) {
    case PopisSifry::Ulozeni::Ulozeno:
        return true;
    case PopisSifry::Ulozeni::NeplatnyNazev:
    case PopisSifry::Ulozeni::UlozisteVytvoreno:
        hlaseni(this, chyba);
        return false;
    case PopisSifry::Ulozeni::Chyba:
        break;
    }
    hlaseni(this, chyba, QMessageBox::Critical);
    return false;
}

void TTalvoVlastni::UlozitSifruClick()
{
    const QString f = nazevSouboru(textBoxu(NazevTalvo));
    if (!UlozPopis())
        return;
    QStringList chyby;
    for (const Obrazek *obrazek : {&m_priklad, &m_druhy}) {
        QString chyba;
        if (!m_popis.zkopirujObrazek(f, obrazek->cil, obrazek->cesta, &chyba))
            chyby << chyba;
    }
    if (!chyby.isEmpty()) {
        chyby.prepend(QStringLiteral("Texty šifry jsou uloženy, obrázky však ne:"));
        hlaseni(this, chyby.join(u'\n'), QMessageBox::Critical);
        return;
    }
    hlaseni(this, QStringLiteral("Šifra uložena"), QMessageBox::Information, QStringLiteral("Info"));
}

void TTalvoVlastni::NaplnTisk()
{
    const QString radky[] = {textBoxu(NazevTalvo),
                             QString(),
                             QStringLiteral("Popis talvo"),
                             textBoxu(PopisTalvo),
                             QString(),
                             QString(),
                             QStringLiteral("Příklad šifrování"),
                             textBoxu(PrikladZdroj)};
    for (const QString &radek : radky)
        pridejDoZpravy(m_memoTisk, radek);
}

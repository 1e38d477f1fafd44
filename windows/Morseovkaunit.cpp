#include "windows/Morseovkaunit.h"

#include "ciphers/Morseovka.h"
#include "text/Cisteni.h"
#include "windows/PrehravacMorseovky.h"
#include "windows/Svetlo.h"
#include "windows/formular/DialogSouboru.h"
#include "windows/formular/Formular.h"
#include "windows/zpravy/TabulkaMorseovky.h"
#include "windows/zpravy/TiskZpravy.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QSpinBox>
#include <QVBoxLayout>

TMorseovkaForm::TMorseovkaForm(QWidget *parent)
    : TOknoSeZpravou(QStringLiteral("MorseovkaForm"), QStringLiteral("Morseovka"), QSize(800, 608), parent)
{
    vytvorOvladace();
    nastavTexty(Zdroj, Cil);
    Label4->setBuddy(Cil);
    connect(ZasifrujB, &QPushButton::clicked, this, &TMorseovkaForm::ZasifrujBClick);
    connect(DesifrujB, &QPushButton::clicked, this, &TMorseovkaForm::DesifrujBClick);
    connect(Button1, &QPushButton::clicked, this, &TMorseovkaForm::Button1Click);
    connect(PrehratB, &QPushButton::clicked, this, &TMorseovkaForm::PrehratBClick);
    connect(ZastavitB, &QPushButton::clicked, this, &TMorseovkaForm::ZastavitBClick);
    connect(UlozitZvukB, &QPushButton::clicked, this, &TMorseovkaForm::UlozitZvukBClick);
    connect(svetloB, &QPushButton::clicked, this, &TMorseovkaForm::svetloBClick);
    connect(tabulkaB, &QPushButton::clicked, this, &TMorseovkaForm::tabulkaBClick);
    m_prehravac = new TPrehravacMorseovky(this);
    connect(m_prehravac, &TPrehravacMorseovky::skonceno, this, [this](const QString &chyba) {
        ZastavitB->setEnabled(false);
        ukazStavZvuku(chyba);
    });
    Zdroj->setFocus();
}

void TMorseovkaForm::vytvorOvladace()
{
    QWidget *plocha = obsah();
    QVBoxLayout *sloupec = sloupecFormulare(plocha);

    Label1 =
        popisek(plocha, "Label1",
                QStringLiteral("Zadejte text který chcete zašifrovat nebo dešifrovat a stiskněte tlačítko."), true);
    Shape1 = cara(plocha, "Shape1");
    Label5 = popisek(plocha, "Label5",
                     QStringLiteral("Šifrování: Povolené znaky: a-Z, 0-9 a speciální znaky ('?', ',', '!', '.', ';', "
                                    "'/', '=', '-','(', ')', ' \" ', ':', '_')."),
                     false);
    Label2 = popisek(plocha, "Label2",
                     QStringLiteral("Dešifrování: Povolené znaky: '-', '.', '/'. Poslední znak musí končit lomítkem."),
                     false);
    Label6 = popisek(plocha, "Label6", QStringLiteral("Diakritika a ostatní znaky budou odstraněny."), false);

    TypMorseovkyGB = skupina(plocha, "TypMorseovkyGB");
    bezInterpunkceRB =
        prepinac(TypMorseovkyGB, "bezInterpunkceRB",
                 QStringLiteral("Bez interpunkčních znamének (ZNAKY ABECEDY A ČÍSLICE, CH = C H)"), true);
    sInterpunkciRB = prepinac(TypMorseovkyGB, "sInterpunkciRB",
                              QStringLiteral("S interpunkčními znaménky  (ZNAKY ABECEDY, ČÍSLICE a SPECIÁLNÍ ZNAKY, "
                                             "CH = C H; (viz. Menu -> Přehled šifer -> Morseovka ))"));
    auto *volby = new QVBoxLayout(TypMorseovkyGB);
    volby->addWidget(bezInterpunkceRB);
    volby->addWidget(sInterpunkciRB);
    chCB = zaskrtavatko(plocha, "chCB", QStringLiteral("&CH jako ---- (čtyři čárky)"));
    chCB->setAccessibleName(QStringLiteral("CH jako ---- (čtyři čárky)"));
    chCB->setToolTip(QStringLiteral("Zaškrtnuto: CH se šifruje jako jeden znak \"----\" a \"----\" se dešifruje jako "
                                    "CH."));

    Label3 = popisek(plocha, "Label3",
                     QStringLiteral("Zdrojový text (Zde zapište text který chcete šifrovat/dešifrovat)"), true);
    Zdroj = memo(plocha, "Zdroj");

    DesifrujB = tlacitko(plocha, "DesifrujB", QStringLiteral("Dešifruj"), NapovedaDesifruj.toString());
    ZasifrujB = tlacitko(plocha, "ZasifrujB", QStringLiteral("Zašifruj"), NapovedaZasifruj.toString());
    Button1 = tlacitko(plocha, "Button1", QStringLiteral("Obnovit zdrojový text"), NapovedaObnovit.toString());
    tabulkaB = tlacitko(plocha, "tabulkaB", QStringLiteral("Vytisknout &tabulku"),
                        QStringLiteral("Vytiskne na jednu stránku A4 tabulku morseovky s pomůckami (dlouhá slabika = "
                                       "čárka); s interpunkčními znaménky i jejich kódy."));
    tabulkaB->setAccessibleName(QStringLiteral("Vytisknout tabulku"));

    Label4 = popisek(plocha, "Label4", QStringLiteral("Cílový text"), true);
    Cil = memo(plocha, "Cil");
    Cil->setEnabled(false);

    sloupec->addWidget(Label1);
    sloupec->addWidget(Shape1);
    sloupec->addWidget(Label5);
    sloupec->addWidget(Label2);
    sloupec->addWidget(Label6);
    sloupec->addWidget(TypMorseovkyGB);
    sloupec->addSpacing(4);
    // The CH box and the chart share the row of the cipher buttons, so the sound row stays in view.
    pridejTexty(sloupec, Label3, Zdroj, {DesifrujB, ZasifrujB, Button1, chCB, tabulkaB}, Label4);
    // The check box was made before the buttons it stands among: Tab takes it in its place in the row.
    poradiFokusu({Button1, chCB, tabulkaB});
    sloupec->addWidget(Cil, 1);
    sloupec->addLayout(vytvorRadekZvuku(plocha));
}

QLayout *TMorseovkaForm::vytvorRadekZvuku(QWidget *plocha)
{
    PrehratB = tlacitko(plocha, "PrehratB", QStringLiteral("Přehrát"),
                        QStringLiteral("Přehraje morseovku cílového textu jako zvuk (při prázdném cílovém textu "
                                       "morseovku zdrojového textu)."));
    ZastavitB = tlacitko(plocha, "ZastavitB", QStringLiteral("Zastavit"), QStringLiteral("Zastaví přehrávání."));
    ZastavitB->setEnabled(false);
    UlozitZvukB = tlacitko(plocha, "UlozitZvukB", QStringLiteral("Uložit zvuk…"),
                           QStringLiteral("Uloží tentýž zvuk do souboru WAV."));
    svetloB = tlacitko(plocha, "svetloB", QStringLiteral("&Světlo"),
                       QStringLiteral("Otevře okno, které tutéž morseovku bliká jako světlo (F11 celá obrazovka, Esc "
                                      "zavře)."));
    svetloB->setAccessibleName(QStringLiteral("Světlo"));
    // Narrow enough that the four buttons leave the speed boxes their whole captions.
    for (QPushButton *b : {PrehratB, ZastavitB, UlozitZvukB, svetloB})
        b->setMinimumWidth(64);
    RychlostLab = popisek(plocha, "RychlostLab", QStringLiteral("Rychlost (slov/min):"));
    rychlostE = cislo(plocha, "rychlostE", NastaveniZvuku::NejmeneSlov, NastaveniZvuku::NejviceSlov,
                      NastaveniZvuku{}.slovZaMinutu);
    EfektivniRychlostLab = popisek(plocha, "EfektivniRychlostLab", QStringLiteral("&Efektivní rychlost (slov/min):"));
    // At most the speed and equal to it at start: the gaps then keep the character speed.
    efektivniRychlostSB =
        cislo(plocha, "efektivniRychlostSB", NastaveniZvuku::NejmeneSlov, rychlostE->value(), rychlostE->value());
    efektivniRychlostSB->setAccessibleName(QStringLiteral("Efektivní rychlost (slov/min)"));
    efektivniRychlostSB->setToolTip(QStringLiteral("Pod rychlostí znaků se prodlouží mezery mezi znaky a slovy."));
    rychlostE->setAccessibleName(QStringLiteral("Rychlost (slov/min)"));
    connect(rychlostE, &QSpinBox::valueChanged, this, [this](int rychlost) {
        // An effective speed equal to the old speed goes on being equal; a higher one comes down with it.
        const bool stejna = efektivniRychlostSB->value() == efektivniRychlostSB->maximum();
        efektivniRychlostSB->setMaximum(rychlost);
        if (stejna)
            efektivniRychlostSB->setValue(rychlost);
    });
    FrekvenceLab = popisek(plocha, "FrekvenceLab", QStringLiteral("Tón (Hz):"));
    frekvenceE = cislo(plocha, "frekvenceE", NastaveniZvuku::NejnizsiTon, NastaveniZvuku::NejvyssiTon,
                       NastaveniZvuku{}.frekvence);
    frekvenceE->setSingleStep(50);
    StavZvukuLab = popisek(plocha, "StavZvukuLab", QString());
    for (QLabel *l : {RychlostLab, EfektivniRychlostLab, FrekvenceLab, StavZvukuLab})
        l->setWordWrap(false);
    // A long message is cut at the window's edge instead of widening the window.
    StavZvukuLab->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    RychlostLab->setBuddy(rychlostE);
    EfektivniRychlostLab->setBuddy(efektivniRychlostSB);
    FrekvenceLab->setBuddy(frekvenceE);

    auto *radek = new QHBoxLayout;
    radek->addWidget(PrehratB);
    radek->addWidget(ZastavitB);
    radek->addWidget(UlozitZvukB);
    radek->addWidget(svetloB);
    radek->addSpacing(12);
    radek->addWidget(RychlostLab);
    radek->addWidget(rychlostE);
    radek->addSpacing(8);
    radek->addWidget(EfektivniRychlostLab);
    radek->addWidget(efektivniRychlostSB);
    radek->addSpacing(8);
    radek->addWidget(FrekvenceLab);
    radek->addWidget(frekvenceE);
    radek->addSpacing(12);
    radek->addWidget(StavZvukuLab, 1);
    return radek;
}

int TMorseovkaForm::pocetZnaku() const
{
    return sInterpunkciRB->isChecked() ? MorseSInterpunkci : MorseBezInterpunkce;
}

void TMorseovkaForm::ZasifrujBClick()
{
    const QStringView znaky = sInterpunkciRB->isChecked() ? ZnakyMorseSInterpunkci : ZnakyMorseBezInterpunkce;
    const QString zdroj = ulozAVycistiZdroj(znaky, NahradaMala);
    if (zdroj.isEmpty())
        return;
    Cil->setEnabled(true);
    Cil->setPlainText(MorseSifruj(zdroj, pocetZnaku(), zapisCh()));
    m_cilZDesifrovani = false;
    m_desifrovanyKod.clear();
}

void TMorseovkaForm::DesifrujBClick()
{
    QString zdroj = ulozAVycisti(ZnakyMorseDesifrovani, QStringView());
    // Every code must end with "/", so the last one is completed for the user.
    if (!zdroj.endsWith(QLatin1Char('/')))
        zdroj.append(QLatin1Char('/'));
    ukazZdroj(zdroj);
    Cil->setEnabled(true);
    Cil->setPlainText(MorseDesifruj(zdroj, pocetZnaku(), zapisCh()));
    m_cilZDesifrovani = true;
    m_desifrovanyKod = zdroj;
}

QString TMorseovkaForm::kodKPrehrani() const
{
    const QString cil = Cil->toPlainText();
    if (cil.isEmpty()) {
        const QStringView znaky = sInterpunkciRB->isChecked() ? ZnakyMorseSInterpunkci : ZnakyMorseBezInterpunkce;
        return MorseSifruj(VycistiMalymi(Zdroj->toPlainText(), znaky, NahradaMala), pocetZnaku(), zapisCh());
    }
    return m_cilZDesifrovani ? m_desifrovanyKod : cil;
}

NastaveniZvuku TMorseovkaForm::nastaveniZvuku() const
{
    NastaveniZvuku nastaveni;
    nastaveni.slovZaMinutu = rychlostE->value();
    nastaveni.efektivniSlovZaMinutu = efektivniRychlostSB->value();
    nastaveni.frekvence = frekvenceE->value();
    return nastaveni;
}

ZapisCh TMorseovkaForm::zapisCh() const
{
    return chCB->isChecked() ? ZapisCh::JakoZnak : ZapisCh::JakoCaH;
}

void TMorseovkaForm::ukazStavZvuku(const QString &text)
{
    // One line beside the buttons; a text too long for it can be read in full as the hint.
    StavZvukuLab->setText(text);
    StavZvukuLab->setToolTip(text);
}

void TMorseovkaForm::PrehratBClick()
{
    QString chyba;
    if (!m_prehravac->prehraj(kodKPrehrani(), nastaveniZvuku(), &chyba)) {
        ukazStavZvuku(chyba);
        return;
    }
    ZastavitB->setEnabled(true);
    ukazStavZvuku(QStringLiteral("Přehrává se…"));
}

void TMorseovkaForm::ZastavitBClick()
{
    m_prehravac->zastav();
}

void TMorseovkaForm::svetloBClick()
{
    const QString kod = kodKPrehrani();
    if (UsekyMorseovky(kod).isEmpty()) {
        ukazStavZvuku(QStringLiteral("Není co ukázat."));
        return;
    }
    if (m_svetlo)
        m_svetlo->close();
    m_svetlo = new TSvetlo(kod, nastaveniZvuku(), this);
    m_svetlo->setAttribute(Qt::WA_DeleteOnClose);
    m_svetlo->show();
    m_svetlo->activateWindow();
}

QFileDialog *TMorseovkaForm::dialogZvuku()
{
    if (m_dialogZvuku)
        return m_dialogZvuku;
    m_dialogZvuku = dialogSouboru(this, "UlozitZvukDialog", QFileDialog::AcceptSave,
                                  {QStringLiteral("zvuk WAV (*.wav)")}, QStringLiteral("wav"));
    m_dialogZvuku->setWindowTitle(QStringLiteral("Uložit zvuk"));
    m_dialogZvuku->setDirectory(slozkaUkladani());
    m_dialogZvuku->selectFile(QStringLiteral("morseovka.wav"));
    return m_dialogZvuku;
}

void TMorseovkaForm::UlozitZvukBClick()
{
    const QString kod = kodKPrehrani();
    if (UsekyMorseovky(kod).isEmpty()) {
        ukazStavZvuku(QStringLiteral("Není co uložit."));
        return;
    }
    QFileDialog *dialog = dialogZvuku();
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().value(0).isEmpty())
        return;
    ulozZvuk(dialog->selectedFiles().first(), kod);
}

void TMorseovkaForm::ulozZvuk(const QString &soubor, const QString &kod)
{
    // Written beside the old file and put in its place only when complete.
    QSaveFile wav(soubor);
    ZvukMorseovky zvuk(kod, nastaveniZvuku());
    QString chyba;
    if (!wav.open(QIODevice::WriteOnly))
        chyba = wav.errorString();
    else if (ZapisWav(wav, zvuk, &chyba) && !wav.commit())
        chyba = wav.errorString();
    if (!chyba.isEmpty()) {
        hlaseni(this,
                QStringLiteral("Zvuk nelze uložit do souboru %1: %2").arg(QDir::toNativeSeparators(soubor), chyba),
                QMessageBox::Critical);
        return;
    }
    ukazStavZvuku(QStringLiteral("Uloženo: %1").arg(QFileInfo(soubor).fileName()));
}

void TMorseovkaForm::tabulkaBClick()
{
    const bool interpunkce = sInterpunkciRB->isChecked();
    TTiskZprav::proOkno(this)->vyberATiskni([interpunkce](QPrinter &tiskarna, QString *chyba) {
        return TiskniTabulkuMorseovky(tiskarna, interpunkce, chyba);
    });
}

void TMorseovkaForm::NaplnTisk()
{
    pridejOddily({{QStringLiteral("Zdrojovy text:"), Zdroj->toPlainText()},
                  {QStringLiteral("Cilovy text:"), Cil->toPlainText()}});
    if (chCB->isChecked())
        pridejDoTisku(QStringLiteral("CH zapsáno jako ----"));
}

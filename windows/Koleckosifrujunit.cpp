#include "windows/Koleckosifrujunit.h"

#include "resources/Zdroje.h"
#include "text/Cisteni.h"
#include "windows/formular/Formular.h"
#include "windows/zpravy/TiskZpravy.h"
#include "windows/zpravy/Vystrihovanky.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int ObrazekBezCh = 71;
constexpr int ObrazekSCh = 72;
} // namespace

TKoleckoSifrujForm::TKoleckoSifrujForm(QWidget *parent)
    : TOknoSeZpravou(QStringLiteral("KoleckoSifrujForm"), QStringLiteral("Šifrovací kolečko"), QSize(800, 560), parent)
{
    vytvorOvladace();
    zmenDruh(::delkaKruhu(DruhKolecka::sCh));
    nastavTexty(Zdroj, Cil);
    Label4->setBuddy(Cil);
    connect(klicE, &QLineEdit::textChanged, this, &TKoleckoSifrujForm::klicEChange);
    // Reacting to the selection rather than to clicks keeps L and the picture in step with the
    // buttons however the selection changes (mouse, arrow keys).
    connect(sCh, &QRadioButton::toggled, this, [this](bool vybrany) {
        if (vybrany)
            sChClick();
    });
    connect(bezCh, &QRadioButton::toggled, this, [this](bool vybrany) {
        if (vybrany)
            bezChClick();
    });
    connect(ZasifrujDesifrujB, &QPushButton::clicked, this, &TKoleckoSifrujForm::ZasifrujDesifrujBClick);
    connect(Button1, &QPushButton::clicked, this, &TKoleckoSifrujForm::Button1Click);
    connect(VytiskniKoleckoB, &QPushButton::clicked, this, &TKoleckoSifrujForm::VytiskniKoleckoBClick);
    // Tab reads the window as it is laid out: the kind and the key, the texts, then the wheel's button.
    poradiFokusu({bezCh, sCh, klicE, Zdroj, ZasifrujDesifrujB, Button1, Cil, VytiskniKoleckoB});
    Zdroj->setFocus();
}

void TKoleckoSifrujForm::vytvorOvladace()
{
    QWidget *plocha = obsah();
    QVBoxLayout *sloupec = sloupecFormulare(plocha);

    Label1 = popisek(plocha, "Label1",
                     QStringLiteral("Zadejte text který chcete zašifrovat nebo dešifrovat a stiskněte tlačítko "
                                    "zašifruj/dešifruj. "),
                     true);
    Label5 = popisek(plocha, "Label5", QStringLiteral("Povolené znaky: a-Ž, 0-9. Ostatní znaky budou vymazány."));

    GroupBox1 = skupina(plocha, "GroupBox1", QStringLiteral("Druh Kolečka"), true);
    bezCh = prepinac(GroupBox1, "bezCh", QStringLiteral("Bez znaku CH - 36 znaku, ch je v abecedě vynecháno"));
    sCh = prepinac(GroupBox1, "sCh",
                   QStringLiteral("Se znakem CH - 37 znaku, ch je v cilovem textu uvedeno jako - (pomlčka)"), true);
    auto *druhy = new QVBoxLayout(GroupBox1);
    druhy->addWidget(bezCh);
    druhy->addWidget(sCh);

    Label2 = popisek(plocha, "Label2", QStringLiteral("ZADEJTE KLÍČ:"), true);
    Label6 = popisek(plocha, "Label6", QStringLiteral("znak a-z; číslici 0-9. Např.: b"));
    Label6->setWordWrap(false);
    klicE = editace(plocha, "klicE", QStringLiteral("B"));
    klicE->setFixedWidth(120);
    klicE->setAccessibleName(Label2->text());
    auto *klic = new QVBoxLayout;
    klic->addWidget(Label2);
    klic->addWidget(Label6);
    klic->addWidget(klicE);
    klic->addStretch();
    auto *volby = new QHBoxLayout;
    volby->addWidget(GroupBox1);
    volby->addSpacing(16);
    volby->addLayout(klic);
    volby->addStretch();

    Label3 = popisek(plocha, "Label3", QStringLiteral("Zdrojový text (ch = c h)"), true);
    Zdroj = memo(plocha, "Zdroj", QStringLiteral("Toto je text který chci zašifrovat"));
    ZasifrujDesifrujB = tlacitko(plocha, "ZasifrujDesifrujB", QStringLiteral("Zašifruj/Dešifruj"),
                                 QStringLiteral("Stisknutím zašifrujete/dešifrujete text uvedený v poli \"Zdrojový "
                                                "text\"."));
    Button1 = tlacitko(plocha, "Button1", QStringLiteral("Obnovit zdrojový text"),
                       QStringLiteral("V poli \"Zdrojový text\" se obnový diakritika a další znaky, které jsou "
                                      "odstraněny po stisku tlačítka \"Zašifruj/Dešifruj\""));
    Label4 = popisek(plocha, "Label4", QStringLiteral("Cílový text"), true);
    Cil = memo(plocha, "Cil");

    auto *texty = new QVBoxLayout;
    pridejTexty(texty, Label3, Zdroj, {ZasifrujDesifrujB, Button1}, Label4);
    texty->addWidget(Cil, 1);

    KoleckoImage = obrazek(plocha, "KoleckoImage", QPixmap());
    KoleckoImage->setFixedSize(260, 260);
    KoleckoImage->setAccessibleName(QStringLiteral("Obrázek kolečka"));
    VytiskniKoleckoB = tlacitko(plocha, "VytiskniKoleckoB", QStringLiteral("Vytisknout kolečko k vystřižení"),
                                QStringLiteral("Vytiskne oba kotouče vybraného kolečka ve skutečné velikosti "
                                               "(14 a 10 cm) k vystřižení a spojení připínáčkem."));
    auto *kolecko = new QVBoxLayout;
    kolecko->addWidget(KoleckoImage);
    kolecko->addWidget(VytiskniKoleckoB, 0, Qt::AlignHCenter);
    kolecko->addStretch();
    auto *spodek = new QHBoxLayout;
    spodek->addLayout(texty, 1);
    spodek->addSpacing(12);
    spodek->addLayout(kolecko);

    sloupec->addWidget(Label1);
    sloupec->addWidget(Label5);
    sloupec->addLayout(volby);
    sloupec->addSpacing(4);
    sloupec->addLayout(spodek, 1);
}

DruhKolecka TKoleckoSifrujForm::druhKolecka() const
{
    return sCh->isChecked() ? DruhKolecka::sCh : DruhKolecka::bezCh;
}

void TKoleckoSifrujForm::klicEChange()
{
    const PoziceKliceVysledek klic = PoziceKlice(klicE->text(), druhKolecka());
    otoceniKolecka = klic.otoceniKolecka;
    if (!klic.chyba.isEmpty())
        hlaseni(this, klic.chyba);
}

void TKoleckoSifrujForm::sChClick()
{
    zmenDruh(::delkaKruhu(DruhKolecka::sCh));
}

void TKoleckoSifrujForm::bezChClick()
{
    zmenDruh(::delkaKruhu(DruhKolecka::bezCh));
}

void TKoleckoSifrujForm::zmenDruh(int delka)
{
    delkaKruhu = delka;
    m_cisloObrazku = sCh->isChecked() ? ObrazekSCh : ObrazekBezCh;
    KoleckoImage->setPixmap(bitmapaZdroje(m_cisloObrazku));
    KoleckoImage->setAccessibleDescription(sCh->isChecked() ? QStringLiteral("Kolečko s CH, 37 znaků")
                                                            : QStringLiteral("Kolečko bez CH, 36 znaků"));
    // From "i" on, a character stands one place further round the wheel with CH than without, so
    // the key is looked up again on the new wheel. The user was told about a refused key when
    // typing it; the fallback position is the same on both wheels.
    otoceniKolecka = PoziceKlice(klicE->text(), druhKolecka()).otoceniKolecka;
}

void TKoleckoSifrujForm::ZasifrujDesifrujBClick()
{
    const QString zdroj = ulozAVycistiZdroj(ZnakyKolecko, NahradaMala);
    if (zdroj.isEmpty())
        return;
    Cil->setPlainText(PrevedKoleckem(zdroj, druhKolecka(), otoceniKolecka));
}

void TKoleckoSifrujForm::VytiskniKoleckoBClick()
{
    const Vystrihovanka kolecko = Vystrihovanka::zKolecka(druhKolecka());
    TTiskZprav::proOkno(this)->vyberATiskni(
        [&kolecko](QPrinter &tiskarna, QString *chyba) { return TiskniVystrihovanku(tiskarna, kolecko, chyba); });
}

void TKoleckoSifrujForm::NaplnTisk()
{
    pridejOddily({{QStringLiteral("Zdrojový text:"), Zdroj->toPlainText()},
                  {QStringLiteral("Klíč:"), klicE->text()},
                  {QStringLiteral("Cilový text:"), Cil->toPlainText()}});
}

#include "windows/Snekunit.h"

#include "ciphers/Snek.h"
#include "resources/Zdroje.h"
#include "text/Cisteni.h"
#include "windows/formular/Formular.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>

namespace {
// What a refused size text falls back to.
constexpr int NahradniVelikost = 5;
constexpr int StranaObrazku = 100;
} // namespace

TSnekForm::TSnekForm(QWidget *parent)
    : TOknoSeZpravou(QStringLiteral("SnekForm"), QStringLiteral("Šnek"), QSize(800, 600), parent)
{
    vytvorOvladace();
    nastavTexty(Zdroj, Cil);
    CilovyTextLab->setBuddy(Cil);
    velikostSneka = ZkontrolujVelikostSneka(VelikostSnek->text());
    propojOvladace();
    ZdrojChange();
    Zdroj->setFocus();
}

void TSnekForm::vytvorOvladace()
{
    QWidget *plocha = obsah();
    QVBoxLayout *sloupec = sloupecFormulare(plocha);

    nadpis = popisek(plocha, "nadpis",
                     QStringLiteral("Zadejte zdrojový text, vyberte druh šnek a velikost (rozměr tabulky) a stiskněte "
                                    "tlačítko šifrovat. "),
                     true);
    Shape1 = cara(plocha, "Shape1");
    Label1 = popisek(plocha, "Label1",
                     QStringLiteral("Zadetejte text délky maximálně velikost * velikost (např. 25 pro velikost 5), "
                                    "pokud je text moc krátký bude doplněn znakem \"x\" do požadované délky."));
    znakyLab = popisek(plocha, "znakyLab", QStringLiteral("Povolené znaky: a-Ž, 0-9, ostatní znaky budou vymazány"));
    DruhSnekLab = popisek(plocha, "DruhSnekLab", QStringLiteral("Druh šnek"), true);

    SmerGB = skupina(plocha, "SmerGB", QStringLiteral("Směr (směr zatočení)"));
    VenRB = prepinac(SmerGB, "VenRB", QStringLiteral("Ven"));
    DovnitrRB = prepinac(SmerGB, "DovnitrRB", QStringLiteral("Dovnitř"), true);
    auto *smery = new QVBoxLayout(SmerGB);
    smery->addWidget(VenRB);
    smery->addWidget(DovnitrRB);
    smery->addStretch();

    SnekImage = obrazek(plocha, "SnekImage", QPixmap());
    SnekImage->setFixedSize(StranaObrazku, StranaObrazku);
    SnekImage->setAccessibleName(QStringLiteral("Obrázek šneka"));
    ukazObrazek(LevyDolni, Dovnitr);

    zacatekKonecGB = skupina(plocha, "zacatekKonecGB", QStringLiteral("Začátek/konec"));
    PravyDolniRB = prepinac(zacatekKonecGB, "PravyDolniRB", QStringLiteral("Pravý dolní roh"));
    PravyHorniRB = prepinac(zacatekKonecGB, "PravyHorniRB", QStringLiteral("Pravý horní roh"));
    LevyDolniRB = prepinac(zacatekKonecGB, "LevyDolniRB", QStringLiteral("Levý dolní roh"), true);
    LevyHorniRB = prepinac(zacatekKonecGB, "LevyHorniRB", QStringLiteral("Levý horní roh"));
    auto *rohy = new QVBoxLayout(zacatekKonecGB);
    for (QRadioButton *roh : {PravyDolniRB, PravyHorniRB, LevyDolniRB, LevyHorniRB})
        rohy->addWidget(roh);

    VelikostSnekLab = popisek(plocha, "VelikostSnekLab", QStringLiteral("Velikost šneka (1-10)"), true);
    VelikostSnekLab->setAlignment(Qt::AlignCenter);
    VelikostSnek = editace(plocha, "VelikostSnek", QStringLiteral("6"));
    VelikostSnek->setAccessibleName(VelikostSnekLab->text());
    auto *velikost = new QVBoxLayout;
    velikost->addWidget(VelikostSnekLab);
    velikost->addWidget(VelikostSnek);
    velikost->addStretch();
    const int sirkaVelikosti = 90;
    VelikostSnekLab->setFixedWidth(sirkaVelikosti);
    VelikostSnek->setFixedWidth(sirkaVelikosti);

    auto *druh = new QHBoxLayout;
    druh->setSpacing(12);
    druh->addWidget(SmerGB);
    druh->addWidget(SnekImage, 0, Qt::AlignTop);
    druh->addWidget(zacatekKonecGB);
    druh->addLayout(velikost);
    druh->addStretch();

    ZdrojovyTextLab = popisek(plocha, "ZdrojovyTextLab", QStringLiteral("Zdrojový text (zde zadejte text)"), true);
    Zdroj = memo(plocha, "Zdroj", QStringLiteral("Toto je text který chci celý zašifrovat 123"));

    DesifrujB = tlacitko(plocha, "DesifrujB", QStringLiteral("Dešifruj"), NapovedaDesifruj.toString());
    SifrujB = tlacitko(plocha, "SifrujB", QStringLiteral("Šifruj"),
                       QStringLiteral("Stisknutím  zašifrujete text uvedený v poli \"Zdrojový text\"."));
    Button1 = tlacitko(plocha, "Button1", QStringLiteral("Obnovit zdrojový text"), NapovedaObnovit.toString());

    CilovyTextLab = popisek(plocha, "CilovyTextLab", QStringLiteral("Cílový text"), true);
    Cil = memo(plocha, "Cil");
    // The two memos take whatever height is left; their preferred height would push the options
    // and memos past a maximised window and scroll it.
    for (QPlainTextEdit *pole : {Zdroj, Cil}) {
        pole->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
        pole->setMinimumHeight(60);
    }

    sloupec->addWidget(nadpis);
    sloupec->addWidget(Shape1);
    sloupec->addWidget(Label1);
    sloupec->addWidget(znakyLab);
    sloupec->addSpacing(4);
    sloupec->addWidget(DruhSnekLab);
    sloupec->addLayout(druh);
    sloupec->addSpacing(4);
    pridejTexty(sloupec, ZdrojovyTextLab, Zdroj, {DesifrujB, SifrujB, Button1}, CilovyTextLab);
    sloupec->addWidget(Cil, 1);

    // Tab reads the window as it is laid out: the options from left to right, then the texts.
    poradiFokusu({VenRB, DovnitrRB, PravyDolniRB, PravyHorniRB, LevyDolniRB, LevyHorniRB, VelikostSnek, Zdroj,
                  DesifrujB, SifrujB, Button1, Cil});
}

void TSnekForm::propojOvladace()
{
    connect(Zdroj, &QPlainTextEdit::textChanged, this, &TSnekForm::ZdrojChange);
    connect(VelikostSnek, &QLineEdit::textChanged, this, &TSnekForm::VelikostSnekChange);
    connect(SifrujB, &QPushButton::clicked, this, &TSnekForm::SifrujBClick);
    connect(DesifrujB, &QPushButton::clicked, this, &TSnekForm::DesifrujBClick);
    connect(Button1, &QPushButton::clicked, this, &TSnekForm::Button1Click);

    // The picture follows the selection however it changes (mouse, arrow keys or Space), so each
    // handler runs when its button becomes the selected one.
    const auto priVyberu = [this](QRadioButton *tlacitko, void (TSnekForm::*obsluha)()) {
        connect(tlacitko, &QRadioButton::toggled, this, [this, obsluha](bool vybrano) {
            if (vybrano)
                (this->*obsluha)();
        });
    };
    priVyberu(VenRB, &TSnekForm::VenRBClick);
    priVyberu(DovnitrRB, &TSnekForm::DovnitrRBClick);
    priVyberu(PravyDolniRB, &TSnekForm::PravyDolniRBClick);
    priVyberu(PravyHorniRB, &TSnekForm::PravyHorniRBClick);
    priVyberu(LevyDolniRB, &TSnekForm::LevyDolniRBClick);
    priVyberu(LevyHorniRB, &TSnekForm::LevyHorniRBClick);
}

int TSnekForm::kodRohu() const
{
    if (PravyDolniRB->isChecked())
        return PravyDolni;
    if (PravyHorniRB->isChecked())
        return PravyHorni;
    if (LevyDolniRB->isChecked())
        return LevyDolni;
    if (LevyHorniRB->isChecked())
        return LevyHorni;
    return PravyDolni;
}

int TSnekForm::kodSmeru() const
{
    return DovnitrRB->isChecked() ? Dovnitr : Ven;
}

int TSnekForm::ZkontrolujVelikostSneka(const QString &text)
{
    return velikostZTextu(text, NejvetsiSnek, NahradniVelikost);
}

void TSnekForm::VelikostSnekChange()
{
    velikostSneka = ZkontrolujVelikostSneka(VelikostSnek->text());
}

void TSnekForm::ZdrojChange()
{
    const bool neprazdny = !Zdroj->document()->isEmpty();
    SifrujB->setEnabled(neprazdny);
    DesifrujB->setEnabled(neprazdny);
}

void TSnekForm::provedSneka(bool sifrovat)
{
    const QString zdroj = ulozAVycistiZdroj(ZnakySnek, NahradaMala);
    if (zdroj.isEmpty())
        return;
    const int roh = kodRohu();
    const int smer = kodSmeru();
    Cil->setPlainText(sifrovat ? SnekSifruj(zdroj, velikostSneka, smer, roh)
                               : SnekDesifruj(zdroj, velikostSneka, smer, roh));
}

void TSnekForm::SifrujBClick()
{
    provedSneka(true);
}

void TSnekForm::DesifrujBClick()
{
    provedSneka(false);
}

void TSnekForm::ukazObrazek(int roh, int smer)
{
    SnekImage->setPixmap(bitmapaZdroje(cisloObrazkuSneka(roh, smer)));
    static constexpr std::array<QStringView, 4> Rohu{u"pravého dolního", u"pravého horního", u"levého dolního",
                                                     u"levého horního"};
    const QStringView rohu = roh >= 0 && roh < int(Rohu.size()) ? Rohu[std::size_t(roh)] : QStringView();
    SnekImage->setAccessibleDescription(smer == Dovnitr ? QStringLiteral("Šnek od %1 rohu dovnitř").arg(rohu)
                                                        : QStringLiteral("Šnek ze středu ven do %1 rohu").arg(rohu));
}

void TSnekForm::VenRBClick()
{
    ukazObrazek(kodRohu(), Ven);
}

void TSnekForm::DovnitrRBClick()
{
    ukazObrazek(kodRohu(), Dovnitr);
}

void TSnekForm::PravyDolniRBClick()
{
    ukazObrazek(PravyDolni, kodSmeru());
}

void TSnekForm::PravyHorniRBClick()
{
    ukazObrazek(PravyHorni, kodSmeru());
}

void TSnekForm::LevyDolniRBClick()
{
    ukazObrazek(LevyDolni, kodSmeru());
}

void TSnekForm::LevyHorniRBClick()
{
    ukazObrazek(LevyHorni, kodSmeru());
}

void TSnekForm::NaplnTisk()
{
    pridejOddily({{QStringLiteral("Zdrojovy text:"), Zdroj->toPlainText()},
                  {QStringLiteral("Cilovy text:"), Cil->toPlainText()}});
}

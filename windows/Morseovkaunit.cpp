#include "windows/Morseovkaunit.h"

#include "ciphers/Morseovka.h"
#include "text/Cisteni.h"
#include "windows/Formular.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TMorseovkaForm::TMorseovkaForm(QWidget *parent)
    : TOknoSeZpravou(QStringLiteral("MorseovkaForm"), QStringLiteral("Morseovka"), QSize(800, 608), parent)
{
    vytvorOvladace();
    nastavZdroj(Zdroj);
    sledujDvojklik(Zdroj, [this] { ZdrojDblClick(); });
    sledujDvojklik(Cil, [this] { CilDblClick(); });
    connect(ZasifrujB, &QPushButton::clicked, this, &TMorseovkaForm::ZasifrujBClick);
    connect(DesifrujB, &QPushButton::clicked, this, &TMorseovkaForm::DesifrujBClick);
    connect(Button1, &QPushButton::clicked, this, &TMorseovkaForm::Button1Click);
    Zdroj->setFocus();
}

void TMorseovkaForm::vytvorOvladace()
{
    QWidget *plocha = obsah();
    auto *sloupec = new QVBoxLayout(plocha);
    sloupec->setContentsMargins(16, 12, 16, 12);
    sloupec->setSpacing(6);

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

    Label3 = popisek(plocha, "Label3",
                     QStringLiteral("Zdrojový text (Zde zapište text který chcete šifrovat/dešifrovat)"), true);
    Zdroj = memo(plocha, "Zdroj");

    DesifrujB = tlacitko(plocha, "DesifrujB", QStringLiteral("Dešifruj"),
                         QStringLiteral("Stisknutím dešifrujete text uvedený v poli \"Zdrojový text\"."));
    ZasifrujB = tlacitko(plocha, "ZasifrujB", QStringLiteral("Zašifruj"),
                         QStringLiteral("Stisknutím zašifrujete text uvedený v poli \"Zdrojový text\"."));
    Button1 = tlacitko(plocha, "Button1", QStringLiteral("Obnovit zdrojový text"),
                       QStringLiteral("V poli \"Zdrojový text\" se obnový diakritika a další znaky, které jsou "
                                      "odstraněny po stisku tlačítek \"Zašifruj\" nebo \"Dešifruj\""));
    auto *tlacitka = new QHBoxLayout;
    tlacitka->addWidget(DesifrujB);
    tlacitka->addWidget(ZasifrujB);
    tlacitka->addWidget(Button1);
    tlacitka->addStretch();

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
    sloupec->addWidget(Label3);
    sloupec->addWidget(Zdroj, 1);
    sloupec->addLayout(tlacitka);
    sloupec->addSpacing(4);
    sloupec->addWidget(Label4);
    sloupec->addWidget(Cil, 1);
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
    Cil->setPlainText(MorseSifruj(zdroj, pocetZnaku()));
}

void TMorseovkaForm::DesifrujBClick()
{
    QString zdroj = ulozAVycisti(ZnakyMorseDesifrovani, QStringView());
    // Every code must end with "/", so the last one is completed for the user.
    if (!zdroj.endsWith(QLatin1Char('/')))
        zdroj.append(QLatin1Char('/'));
    ukazZdroj(zdroj);
    Cil->setEnabled(true);
    Cil->setPlainText(MorseDesifruj(zdroj, pocetZnaku()));
}

void TMorseovkaForm::ZdrojDblClick()
{
    Zdroj->selectAll();
}

void TMorseovkaForm::CilDblClick()
{
    Cil->selectAll();
}

void TMorseovkaForm::NaplnTisk()
{
    pridejDoTisku(QStringLiteral("Zdrojovy text:"));
    pridejDoTisku(Zdroj->toPlainText());
    pridejDoTisku(QString());
    pridejDoTisku(QStringLiteral("Cilovy text:"));
    pridejDoTisku(Cil->toPlainText());
}

#include "windows/Semaforsifrujunit.h"

#include "resources/Zdroje.h"
#include "text/Cisteni.h"
#include "windows/formular/Formular.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {
// The picture area of the design: twelve pictures and a vertical scroll bar fit across.
constexpr QSize VelikostCile(697, 212);
} // namespace

TSemaforSifrujForm::TSemaforSifrujForm(QWidget *parent)
    : TNastrojoveOkno(QStringLiteral("SemaforSifrujForm"), QStringLiteral("Semafor"), QSize(800, 608), parent)
{
    vytvorOvladace();
    nastavTexty(Zdroj);
    connect(ZasifrujDesifrujB, &QPushButton::clicked, this, &TSemaforSifrujForm::ZasifrujDesifrujBClick);
    connect(SmazatB, &QPushButton::clicked, this, &TSemaforSifrujForm::SmazatBClick);
    connect(Button1, &QPushButton::clicked, this, &TSemaforSifrujForm::Button1Click);
    poradiFokusu({Zdroj, SmazatB, ZasifrujDesifrujB, Button1});
    nastavZobrazeni(false);
}

void TSemaforSifrujForm::vytvorOvladace()
{
    QWidget *plocha = obsah();
    QVBoxLayout *sloupec = sloupecFormulare(plocha);

    Label1 = popisek(plocha, "Label1", QStringLiteral("Zadejte text a stiskněte tlačítko."), true);
    Label1->setWordWrap(false);
    Label5 =
        popisek(plocha, "Label5", QStringLiteral("Povolené znaky: a-Ž, 0-9. Ostatní znaky budou vymazány."), false);
    auto *zahlavi = new QHBoxLayout;
    zahlavi->setSpacing(24);
    zahlavi->addWidget(Label1);
    zahlavi->addWidget(Label5, 1);

    Shape1 = cara(plocha, "Shape1");
    Label2 =
        popisek(plocha, "Label2",
                QStringLiteral("Při každé změně textu je nejprve třeba smazat výsledný obrázek tlačítkem \"smazat "
                               "cílový text\" a potom znova zobrazit stiskem tlačítka \"zašifruj\" znova zobrazit."));
    Shape2 = cara(plocha, "Shape2");
    Label6 = popisek(plocha, "Label6",
                     QStringLiteral("Před začátkem vkládní číslic vložte * (hvězdička) pro vložení symbolu začátek "
                                    "čislic, po ukončení vložte J pro vložení znaku začátek písmen. Oba symboly můžete "
                                    "pro zpřehlednění ohraničit mezerami."));
    Shape3 = cara(plocha, "Shape3");
    // As wide as the picture area, so the two notes wrap the way the design shows them.
    Label2->setMaximumWidth(VelikostCile.width());
    Label6->setMaximumWidth(VelikostCile.width());

    Label3 = popisek(plocha, "Label3", QStringLiteral("Zdrojový text"), true);
    Zdroj = memo(plocha, "Zdroj", QStringLiteral("Toto je text který chci zašifrovat"));
    omezDelku(Zdroj, NejvyseZnaku);

    SmazatB = tlacitko(plocha, "SmazatB", QStringLiteral("Smazat cilový text"),
                       QStringLiteral("Stisknutím odstraníte obrázky z pole \"Cílový text\""));
    ZasifrujDesifrujB = tlacitko(plocha, "ZasifrujDesifrujB", QStringLiteral("Zašifruj"), NapovedaZasifruj.toString());
    Button1 = tlacitko(plocha, "Button1", QStringLiteral("Obnovit zdrojový text"),
                       QStringLiteral("V poli \"Zdrojový text\" se obnový diakritika a další znaky, které jsou "
                                      "odstraněny po stisku tlačítka \"Zašifruj\" "));

    Label4 = popisek(plocha, "Label4", QStringLiteral("Cílový text"), true);
    cil = svitek(plocha, "cil");
    cil->setFixedSize(VelikostCile);
    cil->setAccessibleName(Label4->text());
    cil->widget()->resize(ObrazkuVRadku * StranaObrazku, 0);

    sloupec->addLayout(zahlavi);
    sloupec->addWidget(Shape1);
    sloupec->addWidget(Label2);
    sloupec->addWidget(Shape2);
    sloupec->addWidget(Label6);
    sloupec->addWidget(Shape3);
    sloupec->addSpacing(4);
    pridejTexty(sloupec, Label3, Zdroj, {SmazatB, ZasifrujDesifrujB, Button1}, Label4);
    sloupec->addWidget(cil, 0, Qt::AlignLeft);
}

QString TSemaforSifrujForm::textOdmitnuti(qsizetype delka)
{
    return QStringLiteral("Text je příliš dlouhý nebo krátký. Zadali jste %1 z %2 znaků").arg(delka).arg(NejvyseZnaku);
}

void TSemaforSifrujForm::nastavZobrazeni(bool zobrazeno)
{
    Zdroj->setEnabled(!zobrazeno);
    ZasifrujDesifrujB->setEnabled(!zobrazeno);
    SmazatB->setEnabled(zobrazeno);
    // The control the user needs next: the button that clears, or the source to edit.
    if (zobrazeno)
        SmazatB->setFocus();
    else
        Zdroj->setFocus();
}

// Every character of the cleaned text counts toward the limit, also ":", ";" and other leftovers
// that have no picture; the grid shows only the pictures, so those leave no gap.
void TSemaforSifrujForm::ZasifrujDesifrujBClick()
{
    const QString zdroj = ulozAVycistiZdroj(ZnakySemafor, NahradaMala);
    if (zdroj.isEmpty() || zdroj.size() > NejvyseZnaku) {
        hlaseni(this, textOdmitnuti(zdroj.size()));
        return;
    }
    nastavZobrazeni(true);
    umistiObrazky(SemaforSifruj(zdroj), SemaforPopisy(zdroj));
    update();
}

void TSemaforSifrujForm::umistiObrazky(const QList<int> &cisla, const QStringList &popisy)
{
    odstranObrazky();
    QWidget *plocha = cil->widget();
    const qsizetype radku = (cisla.size() + ObrazkuVRadku - 1) / ObrazkuVRadku;
    plocha->resize(ObrazkuVRadku * StranaObrazku, int(radku) * StranaObrazku);
    m_obrazky.reserve(cisla.size());
    for (qsizetype k = 0; k < cisla.size(); ++k) {
        QLabel *obraz = obrazek(plocha, QStringLiteral("Obrazek%1").arg(k + 1), bitmapa(cisla[k]));
        obraz->setGeometry(int(k % ObrazkuVRadku) * StranaObrazku, int(k / ObrazkuVRadku) * StranaObrazku,
                           StranaObrazku, StranaObrazku);
        obraz->setAccessibleName(QStringLiteral("Obrázek %1").arg(k + 1));
        obraz->setAccessibleDescription(popisy.value(k));
        obraz->show();
        m_obrazky.append(obraz);
    }
}

const QPixmap &TSemaforSifrujForm::bitmapa(int cislo)
{
    QPixmap &bitmapa = m_bitmapy.at(std::size_t(cislo - 1));
    if (bitmapa.isNull())
        bitmapa = bitmapaZdroje(cislo);
    return bitmapa;
}

void TSemaforSifrujForm::odstranObrazky()
{
    qDeleteAll(m_obrazky);
    m_obrazky.clear();
    cil->widget()->resize(ObrazkuVRadku * StranaObrazku, 0);
}

void TSemaforSifrujForm::SmazatBClick()
{
    odstranObrazky();
    nastavZobrazeni(false);
    update();
}

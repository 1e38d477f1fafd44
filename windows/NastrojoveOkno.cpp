#include "windows/NastrojoveOkno.h"

#include "text/Cisteni.h"
#include "text/Velikost.h"
#include "windows/formular/Formular.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>

#include <optional>
#include <utility>

TNastrojoveOkno::TNastrojoveOkno(const QString &jmeno, const QString &titulek, QSize navrh, QWidget *parent)
    : QWidget(parent), m_navrh(navrh)
{
    pripravOkno(this, jmeno, titulek, navrh);
    m_obsah = plochaOkna(this, navrh);
}

TNastrojoveOkno::~TNastrojoveOkno() = default;

void TNastrojoveOkno::nastavTexty(QPlainTextEdit *zdroj, QPlainTextEdit *cil)
{
    m_zdroj = zdroj;
    ulozenyZdroj = zdroj->toPlainText();
    vyberVseDvojklikem(zdroj);
    if (cil)
        vyberVseDvojklikem(cil);
}

void TNastrojoveOkno::pridejTexty(QBoxLayout *sloupec, QLabel *nadpisZdroje, QPlainTextEdit *zdroj,
                                  std::initializer_list<QWidget *> tlacitka, QLabel *nadpisCile)
{
    nadpisZdroje->setBuddy(zdroj);
    sloupec->addWidget(nadpisZdroje);
    sloupec->addWidget(zdroj, 1);
    sloupec->addLayout(radaZleva(tlacitka));
    sloupec->addSpacing(4);
    sloupec->addWidget(nadpisCile);
}

QString TNastrojoveOkno::ulozAVycistiZdroj(QStringView znaky, QStringView nahrada)
{
    const QString vycisteny = ulozAVycisti(znaky, nahrada);
    ukazZdroj(vycisteny);
    return vycisteny;
}

QString TNastrojoveOkno::ulozAVycisti(QStringView znaky, QStringView nahrada)
{
    ulozenyZdroj = m_zdroj->toPlainText();
    return VycistiMalymi(ulozenyZdroj, znaky, nahrada);
}

void TNastrojoveOkno::ukazZdroj(const QString &text)
{
    // ulozenyZdroj is mostly what the memo holds, so a changed text is told without reading the memo.
    if (text == ulozenyZdroj && text == m_zdroj->toPlainText())
        return;
    m_zdroj->setPlainText(text);
}

void TNastrojoveOkno::Button1Click()
{
    if (m_zdroj)
        ukazZdroj(ulozenyZdroj);
}

int TNastrojoveOkno::velikostZTextu(const QString &text, int nejvice, int nahradni)
{
    QString chyba;
    if (const std::optional<int> velikost = PrectiVelikost(text, nejvice, &chyba))
        return *velikost;
    hlaseni(this, chyba);
    return nahradni;
}

TOknoSeZpravou::TOknoSeZpravou(const QString &jmeno, const QString &titulek, QSize navrh, QWidget *parent)
    : TNastrojoveOkno(jmeno, titulek, navrh, parent), m_memoTisk(vytvorMemoTisk(this))
{
}

void TOknoSeZpravou::pridejDoTisku(const QString &text)
{
    pridejDoZpravy(m_memoTisk, text);
}

void TOknoSeZpravou::pridejOddily(std::initializer_list<OddilZpravy> oddily)
{
    bool prvni = true;
    for (const OddilZpravy &oddil : oddily) {
        if (!std::exchange(prvni, false))
            pridejDoTisku(QString());
        pridejDoTisku(oddil.nadpis);
        pridejDoTisku(oddil.text);
    }
}

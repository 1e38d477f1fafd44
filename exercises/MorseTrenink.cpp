#include "exercises/MorseTrenink.h"

#include "ciphers/MorseovkaSlova.h"
#include "resources/Pisma.h"
#include "windows/PrehravacMorseovky.h"
#include "windows/formular/Formular.h"

#include <QDateTime>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
constexpr QSize Navrh(640, 560);
constexpr int VychoziRychlostZnaku = 18;
constexpr int VychoziEfektivniRychlost = 8;
} // namespace

TMorseTrenink::TMorseTrenink(QWidget *parent) : TMorseTrenink(quint32(QDateTime::currentMSecsSinceEpoch()), parent) {}

TMorseTrenink::TMorseTrenink(quint32 pocatek, QWidget *parent) : QWidget(parent), m_model(pocatek)
{
    pripravOkno(this, "MorseTreninkForm", QStringLiteral("Morseovka – trénink"), Navrh);
    vytvorOvladace();
    m_prehravac = new TPrehravacMorseovky(this);
    connect(m_prehravac, &TPrehravacMorseovky::skonceno, this,
            [this](const QString &chyba) { StavZvukuLab->setText(chyba); });
    connect(odpovedE, &QLineEdit::returnPressed, this, &TMorseTrenink::odpovedPotvrzena);
    connect(overitB, &QPushButton::clicked, this, &TMorseTrenink::overitBClick);
    connect(dalsiB, &QPushButton::clicked, this, &TMorseTrenink::dalsiBClick);
    connect(prehratB, &QPushButton::clicked, this, &TMorseTrenink::prehratBClick);
    for (QRadioButton *rb : {kodNaPismenoRB, pismenoNaKodRB, poslechRB})
        connect(rb, &QRadioButton::toggled, this, [this](bool zapnuto) {
            if (zapnuto)
                zmenRezim();
        });
    connect(urovenSB, &QSpinBox::valueChanged, this, [this](int uroven) {
        m_model.nastavUroven(uroven);
        ukazStatistiku();
    });
    connect(rychlostZnakuSB, &QSpinBox::valueChanged, this,
            [this](int rychlost) { efektivniRychlostSB->setMaximum(rychlost); });
    m_model.dalsiOtazka();
    ukazOtazku();
    ukazStatistiku();
    odpovedE->setFocus();
}

void TMorseTrenink::vytvorOvladace()
{
    QWidget *plocha = plochaOkna(this, Navrh);
    QVBoxLayout *sloupec = sloupecFormulare(plocha);

    RezimGB = skupina(plocha, "RezimGB", QStringLiteral("Režim"));
    kodNaPismenoRB = prepinac(RezimGB, "kodNaPismenoRB", QStringLiteral("&Kód → písmeno"), true);
    pismenoNaKodRB = prepinac(RezimGB, "pismenoNaKodRB", QStringLiteral("&Písmeno → kód"));
    poslechRB = prepinac(RezimGB, "poslechRB", QStringLiteral("P&oslech"));
    auto *volby = new QHBoxLayout(RezimGB);
    for (QRadioButton *rb : {kodNaPismenoRB, pismenoNaKodRB, poslechRB}) {
        rb->setAccessibleName(rb->text().remove(u'&'));
        volby->addWidget(rb);
    }
    volby->addStretch(1);

    UrovenLab = popisek(plocha, "UrovenLab", QStringLiteral("Ú&roveň:"));
    urovenSB = cislo(plocha, "urovenSB", TMorseTreninkModel::NejnizsiUroven, TMorseTreninkModel::NejvyssiUroven,
                     TMorseTreninkModel::NejnizsiUroven);
    urovenSB->setToolTip(QStringLiteral("Úroveň k trénuje prvních k + 1 znaků pořadí e t i a n m s u r w d k g o h ch "
                                        "v f l p j b x c y z q 1 2 3 4 5 6 7 8 9 0."));
    RychlostZnakuLab = popisek(plocha, "RychlostZnakuLab", QStringLiteral("Rychlost &znaků (slov/min):"));
    rychlostZnakuSB = cislo(plocha, "rychlostZnakuSB", NastaveniZvuku::NejmeneSlov, NastaveniZvuku::NejviceSlov,
                            VychoziRychlostZnaku);
    EfektivniRychlostLab = popisek(plocha, "EfektivniRychlostLab", QStringLiteral("&Efektivní rychlost (slov/min):"));
    efektivniRychlostSB = cislo(plocha, "efektivniRychlostSB", NastaveniZvuku::NejmeneSlov, VychoziRychlostZnaku,
                                VychoziEfektivniRychlost);
    UrovenLab->setBuddy(urovenSB);
    RychlostZnakuLab->setBuddy(rychlostZnakuSB);
    EfektivniRychlostLab->setBuddy(efektivniRychlostSB);
    urovenSB->setAccessibleName(QStringLiteral("Úroveň"));
    rychlostZnakuSB->setAccessibleName(QStringLiteral("Rychlost znaků (slov/min)"));
    efektivniRychlostSB->setAccessibleName(QStringLiteral("Efektivní rychlost (slov/min)"));
    for (QLabel *l : {UrovenLab, RychlostZnakuLab, EfektivniRychlostLab})
        l->setWordWrap(false);

    otazkaLab = popisek(plocha, "otazkaLab", QString(), true);
    otazkaLab->setFont(pismoTahoma(24));
    otazkaLab->setMinimumHeight(48);
    otazkaLab->setAccessibleName(QStringLiteral("Otázka"));
    prehratB = tlacitko(plocha, "prehratB", QStringLiteral("Přehr&át"), QStringLiteral("Přehraje kód otázky."));
    prehratB->setAccessibleName(QStringLiteral("Přehrát"));

    OdpovedLab = popisek(plocha, "OdpovedLab", QStringLiteral("Odpo&věď:"));
    OdpovedLab->setWordWrap(false);
    odpovedE = editace(plocha, "odpovedE");
    odpovedE->setAccessibleName(QStringLiteral("Odpověď"));
    OdpovedLab->setBuddy(odpovedE);
    overitB = tlacitko(plocha, "overitB", QStringLiteral("Ověři&t"), QStringLiteral("Zkontroluje odpověď (Enter)."));
    overitB->setAccessibleName(QStringLiteral("Ověřit"));
    dalsiB = tlacitko(plocha, "dalsiB", QStringLiteral("&Další"), QStringLiteral("Další otázka (Enter po ověření)."));
    dalsiB->setAccessibleName(QStringLiteral("Další"));

    vysledekLab = popisek(plocha, "vysledekLab", QString(), true);
    vysledekLab->setAccessibleName(QStringLiteral("Výsledek"));
    skoreLab = popisek(plocha, "skoreLab", m_model.textSkore());
    skoreLab->setAccessibleName(QStringLiteral("Skóre"));
    StavZvukuLab = popisek(plocha, "StavZvukuLab", QString());

    statistikaT = new QTableWidget(0, 4, plocha);
    statistikaT->setObjectName("statistikaT");
    statistikaT->setAccessibleName(QStringLiteral("Statistika"));
    statistikaT->setHorizontalHeaderLabels(
        {QStringLiteral("Znak"), QStringLiteral("Kód"), QStringLiteral("Odpovědí"), QStringLiteral("Správně %")});
    statistikaT->setEditTriggers(QAbstractItemView::NoEditTriggers);
    statistikaT->verticalHeader()->hide();
    statistikaT->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    sloupec->addWidget(RezimGB);
    auto *nastaveni = new QHBoxLayout;
    nastaveni->addWidget(UrovenLab);
    nastaveni->addWidget(urovenSB);
    nastaveni->addSpacing(12);
    nastaveni->addWidget(RychlostZnakuLab);
    nastaveni->addWidget(rychlostZnakuSB);
    nastaveni->addSpacing(8);
    nastaveni->addWidget(EfektivniRychlostLab);
    nastaveni->addWidget(efektivniRychlostSB);
    nastaveni->addStretch(1);
    sloupec->addLayout(nastaveni);
    auto *otazka = new QHBoxLayout;
    otazka->addWidget(otazkaLab, 1);
    otazka->addWidget(prehratB);
    sloupec->addLayout(otazka);
    auto *odpoved = new QHBoxLayout;
    odpoved->addWidget(OdpovedLab);
    odpoved->addWidget(odpovedE, 1);
    odpoved->addWidget(overitB);
    odpoved->addWidget(dalsiB);
    sloupec->addLayout(odpoved);
    sloupec->addWidget(vysledekLab);
    sloupec->addWidget(skoreLab);
    sloupec->addWidget(StavZvukuLab);
    sloupec->addWidget(statistikaT, 1);
    poradiFokusu({kodNaPismenoRB, pismenoNaKodRB, poslechRB, urovenSB, rychlostZnakuSB, efektivniRychlostSB, prehratB,
                  odpovedE, overitB, dalsiB, statistikaT});
}

NastaveniZvuku TMorseTrenink::nastaveniZvuku() const
{
    NastaveniZvuku nastaveni;
    nastaveni.slovZaMinutu = rychlostZnakuSB->value();
    nastaveni.efektivniSlovZaMinutu = efektivniRychlostSB->value();
    return nastaveni;
}

void TMorseTrenink::zmenRezim()
{
    m_model.nastavRezim(poslechRB->isChecked()        ? RezimTreninku::Poslech
                        : pismenoNaKodRB->isChecked() ? RezimTreninku::PismenoNaKod
                                                      : RezimTreninku::KodNaPismeno);
    ukazTextOtazky();
    if (m_model.rezim() == RezimTreninku::Poslech && m_model.cekaNaOdpoved())
        prehratBClick();
    odpovedE->setFocus();
}

void TMorseTrenink::ukazTextOtazky()
{
    // A code shown is read as "tečka čárka", not as punctuation.
    otazkaLab->setText(m_model.textOtazky());
    otazkaLab->setAccessibleDescription(MorseKeCteni(m_model.textOtazky()));
}

void TMorseTrenink::ukazOtazku()
{
    ukazTextOtazky();
    odpovedE->clear();
    vysledekLab->clear();
    overitB->setEnabled(true);
    dalsiB->setEnabled(false);
    if (m_model.rezim() == RezimTreninku::Poslech)
        prehratBClick();
}

void TMorseTrenink::ukazStatistiku()
{
    const QList<StatistikaZnaku> radky = m_model.statistika();
    statistikaT->setRowCount(int(radky.size()));
    for (int r = 0; r < radky.size(); ++r) {
        const StatistikaZnaku &z = radky[r];
        const int procent = z.procentSpravne();
        const QStringList bunky{z.znak, z.kod, QString::number(z.odpovedi),
                                procent < 0 ? QStringLiteral("–") : QString::number(procent)};
        for (int s = 0; s < bunky.size(); ++s) {
            QTableWidgetItem *polozka = statistikaT->item(r, s);
            if (!polozka) {
                polozka = new QTableWidgetItem;
                statistikaT->setItem(r, s, polozka);
            }
            polozka->setText(bunky[s]);
        }
        // A screen reader would read the code as punctuation and the dash as a dash.
        statistikaT->item(r, 1)->setData(Qt::AccessibleTextRole, MorseKeCteni(z.kod));
        statistikaT->item(r, 3)->setData(Qt::AccessibleTextRole, procent < 0 ? QStringLiteral("bez odpovědí")
                                                                             : bunky[3] + QStringLiteral(" %"));
    }
}

void TMorseTrenink::odpovedPotvrzena()
{
    if (m_model.cekaNaOdpoved())
        overitBClick();
    else
        dalsiBClick();
}

void TMorseTrenink::overitBClick()
{
    const std::optional<VysledekOdpovedi> vysledek = m_model.over(odpovedE->text());
    if (!vysledek)
        return;
    vysledekLab->setText(vysledek->text);
    vysledekLab->setAccessibleDescription(MorseKeCteni(vysledek->text));
    skoreLab->setText(m_model.textSkore());
    if (vysledek->postup) {
        // The model has moved up already; the box only shows it.
        const QSignalBlocker blok(urovenSB);
        urovenSB->setValue(m_model.uroven());
    }
    ukazStatistiku();
    overitB->setEnabled(false);
    dalsiB->setEnabled(true);
    odpovedE->setFocus();
}

void TMorseTrenink::dalsiBClick()
{
    m_model.dalsiOtazka();
    ukazOtazku();
    odpovedE->setFocus();
}

void TMorseTrenink::prehratBClick()
{
    QString chyba;
    // Without a sound device the trainer stays silent and says why.
    StavZvukuLab->setText(m_prehravac->prehraj(m_model.kodOtazky(), nastaveniZvuku(), &chyba) ? QString() : chyba);
}

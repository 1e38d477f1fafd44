#include "exercises/SemaforTest.h"

#include "resources/Pisma.h"
#include "resources/kresby/KresbaSemafor.h"
#include "windows/formular/Formular.h"

#include <QDateTime>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {
constexpr QSize Navrh(560, 420);
constexpr int StranaObrazku = 64;
constexpr QSize VelikostVolby(96, 80);
} // namespace

TSemaforTest::TSemaforTest(QWidget *parent) : TSemaforTest(quint32(QDateTime::currentMSecsSinceEpoch()), parent) {}

TSemaforTest::TSemaforTest(quint32 pocatek, QWidget *parent) : QWidget(parent), m_model(pocatek)
{
    pripravOkno(this, "SemaforTestForm", QStringLiteral("Semafor – test"), Navrh);
    vytvorOvladace();
    for (int i = 0; i < TSemaforTestModel::PocetVoleb; ++i)
        connect(m_volby[std::size_t(i)], &QPushButton::clicked, this, [this, i] { volbaClick(i); });
    for (QRadioButton *rb : {obrazekNaPismenoRB, pismenoNaObrazekRB})
        connect(rb, &QRadioButton::toggled, this, [this](bool zapnuto) {
            if (zapnuto)
                zmenRezim();
        });
    m_model.dalsiOtazka();
    ukazOtazku();
    m_volby[0]->setFocus();
}

void TSemaforTest::vytvorOvladace()
{
    QWidget *plocha = plochaOkna(this, Navrh);
    QVBoxLayout *sloupec = sloupecFormulare(plocha);

    RezimGB = skupina(plocha, "RezimGB", QStringLiteral("Režim"));
    obrazekNaPismenoRB = prepinac(RezimGB, "obrazekNaPismenoRB", QStringLiteral("&Obrázek → písmeno"), true);
    pismenoNaObrazekRB = prepinac(RezimGB, "pismenoNaObrazekRB", QStringLiteral("&Písmeno → obrázek"));
    auto *volby = new QHBoxLayout(RezimGB);
    for (QRadioButton *rb : {obrazekNaPismenoRB, pismenoNaObrazekRB}) {
        rb->setAccessibleName(rb->text().remove(u'&'));
        volby->addWidget(rb);
    }
    volby->addStretch(1);

    OtazkaNadpisLab = popisek(plocha, "OtazkaNadpisLab", QStringLiteral("Co znamená tento obrázek?"), true);
    otazkaObrazekLab = obrazek(plocha, "otazkaObrazekLab", QPixmap());
    otazkaObrazekLab->setFixedSize(StranaObrazku, StranaObrazku);
    otazkaObrazekLab->setAccessibleName(QStringLiteral("Obrázek otázky"));
    otazkaLab = popisek(plocha, "otazkaLab", QString(), true);
    otazkaLab->setFont(pismoTahoma(24));
    otazkaLab->setMinimumHeight(StranaObrazku);
    otazkaLab->setAccessibleName(QStringLiteral("Otázka"));

    auto *rada = new QHBoxLayout;
    for (int i = 0; i < TSemaforTestModel::PocetVoleb; ++i) {
        // Keys 1-4, with Alt or without, reach a choice from the keyboard in either mode.
        QPushButton *b = tlacitko(plocha, QStringLiteral("volba%1B").arg(i + 1), QString());
        b->setFixedSize(VelikostVolby);
        b->setIconSize(QSize(StranaObrazku, StranaObrazku));
        b->setFont(pismoTahoma(14));
        auto *cislice = new QShortcut(QKeySequence(Qt::Key(Qt::Key_1 + i)), this);
        cislice->setContext(Qt::WidgetWithChildrenShortcut);
        connect(cislice, &QShortcut::activated, b, &QPushButton::click);
        m_volby[std::size_t(i)] = b;
        rada->addWidget(b);
    }
    rada->addStretch(1);

    vysledekLab = popisek(plocha, "vysledekLab", QString(), true);
    vysledekLab->setAccessibleName(QStringLiteral("Výsledek"));
    skoreLab = popisek(plocha, "skoreLab", m_model.textSkore());
    skoreLab->setAccessibleName(QStringLiteral("Skóre"));

    sloupec->addWidget(RezimGB);
    sloupec->addSpacing(8);
    sloupec->addWidget(OtazkaNadpisLab);
    auto *otazka = new QHBoxLayout;
    otazka->addWidget(otazkaObrazekLab);
    otazka->addWidget(otazkaLab, 1);
    sloupec->addLayout(otazka);
    sloupec->addSpacing(8);
    sloupec->addLayout(rada);
    sloupec->addSpacing(8);
    sloupec->addWidget(vysledekLab);
    sloupec->addWidget(skoreLab);
    sloupec->addStretch(1);
    poradiFokusu({obrazekNaPismenoRB, pismenoNaObrazekRB, m_volby[0], m_volby[1], m_volby[2], m_volby[3]});
}

const QPixmap &TSemaforTest::bitmapa(int obrazek)
{
    // Drawn without the letter and digit that the program's bitmaps carry beside the figure.
    QPixmap &bitmapa = m_bitmapy.at(std::size_t(obrazek - 1));
    if (bitmapa.isNull()) {
        const qreal meritko = devicePixelRatioF();
        bitmapa = QPixmap(QSize(StranaObrazku, StranaObrazku) * meritko);
        bitmapa.setDevicePixelRatio(meritko);
        bitmapa.fill(Qt::white);
        QPainter malir(&bitmapa);
        kresliSemafor(malir, QRectF(0, 0, StranaObrazku, StranaObrazku), obrazek, false);
    }
    return bitmapa;
}

void TSemaforTest::zmenRezim()
{
    m_model.nastavRezim(pismenoNaObrazekRB->isChecked() ? RezimSemaforTestu::PismenoNaObrazek
                                                        : RezimSemaforTestu::ObrazekNaPismeno);
    ukazOtazku();
}

void TSemaforTest::ukazOtazku()
{
    const bool obrazekNaPismeno = m_model.rezim() == RezimSemaforTestu::ObrazekNaPismeno;
    const int otazka = m_model.obrazekOtazky();
    OtazkaNadpisLab->setText(obrazekNaPismeno ? QStringLiteral("Co znamená tento obrázek?")
                                              : QStringLiteral("Který obrázek to je?"));
    otazkaObrazekLab->setVisible(obrazekNaPismeno);
    otazkaObrazekLab->setPixmap(obrazekNaPismeno ? bitmapa(otazka) : QPixmap());
    // The flags' positions, not the letter: a screen reader would otherwise say the answer.
    otazkaObrazekLab->setAccessibleDescription(obrazekNaPismeno ? popisVlajek(otazka) : QString());
    otazkaLab->setText(obrazekNaPismeno ? QString() : TSemaforTestModel::nazev(otazka));
    for (int i = 0; i < TSemaforTestModel::PocetVoleb; ++i) {
        QPushButton *b = m_volby[std::size_t(i)];
        const int volba = m_model.volby()[std::size_t(i)];
        if (obrazekNaPismeno) {
            b->setIcon(QIcon());
            b->setText(TSemaforTestModel::nazev(volba));
            b->setAccessibleName(QStringLiteral("Volba %1: %2").arg(i + 1).arg(TSemaforTestModel::nazev(volba)));
            b->setAccessibleDescription(QString());
        } else {
            // The picture alone: its name would give the answer away.
            b->setText(QString());
            b->setIcon(QIcon(bitmapa(volba)));
            b->setAccessibleName(QStringLiteral("Volba %1").arg(i + 1));
            b->setAccessibleDescription(popisVlajek(volba));
        }
        // Alt and the number; set after the caption, which takes a button's shortcut with it.
        b->setShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_1 + i)));
        b->setToolTip(QStringLiteral("%1 nebo Alt+%1").arg(i + 1));
    }
}

void TSemaforTest::volbaClick(int volba)
{
    const std::optional<VysledekSemaforu> vysledek = m_model.over(volba);
    if (!vysledek)
        return;
    vysledekLab->setText(vysledek->text);
    skoreLab->setText(m_model.textSkore());
    m_model.dalsiOtazka();
    ukazOtazku();
}

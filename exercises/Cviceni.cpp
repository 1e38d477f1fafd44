#include "exercises/Cviceni.h"

#include "ciphers/Morseovka.h"
#include "ciphers/MorseovkaSlova.h"
#include "resources/Pisma.h"
#include "windows/PrehravacMorseovky.h"
#include "windows/formular/Formular.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// The client area every control fits in without scrolling.
constexpr QSize Navrh(784, 582);
// A question box: four to a row, each 187 pixels right of the one before, rows 90 pixels apart.
constexpr int KrokX = 187;
constexpr int VyskaOtazky = 90;
constexpr int SirkaOtazky = 185;
constexpr int VolbaX = 10;
constexpr int KrokVolby = 20;
// The play button at the right edge of a question box.
constexpr QRect MistoPrehrat(152, 18, 26, 22);
// The size a right choice gets at evaluation.
constexpr qreal BodySpravne = 14;
// A play triangle in the button text's colour: the style's own icon is black whatever the palette,
// unreadable on a dark button. Drawn at the screen's density, so it stays sharp at any ratio.
QIcon ikonaPrehrat(const QWidget *tlacitko)
{
    const qreal pomer = tlacitko->devicePixelRatioF();
    QPixmap obraz(QSize(16, 16) * pomer);
    obraz.setDevicePixelRatio(pomer);
    obraz.fill(Qt::transparent);
    QPainter malir(&obraz);
    malir.setRenderHint(QPainter::Antialiasing);
    malir.setPen(Qt::NoPen);
    malir.setBrush(tlacitko->palette().color(QPalette::ButtonText));
    malir.drawPolygon(QPolygonF{QPointF(4, 2.5), QPointF(13.5, 8), QPointF(4, 13.5)});
    return QIcon(obraz);
}
} // namespace

TTalvoCviceni::TTalvoCviceni(QWidget *parent) : TTalvoCviceni(quint32(QDateTime::currentSecsSinceEpoch()), parent) {}

TTalvoCviceni::TTalvoCviceni(quint32 pocatek, QWidget *parent) : QWidget(parent)
{
    FormCreate(pocatek);
}

QString TTalvoCviceni::kodPismene(int pismeno)
{
    const QChar znak(u'a' + pismeno);
    const auto zaznam = std::find_if(MorseTabulka.begin(), MorseTabulka.end(), [znak](const MorseZnak &z) {
        return z.znak.size() == 1 && z.znak.front() == znak;
    });
    return zaznam == MorseTabulka.end() ? QString() : zaznam->kod.toString();
}

std::array<int, TTalvoCviceni::PocetVoleb> TTalvoCviceni::losujPoradi(int q, QRandomGenerator &nahoda)
{
    // Each letter is drawn again until it differs from the ones before it.
    std::array<int, PocetVoleb> poradi{};
    for (int r = 0; r < PocetVoleb; ++r) {
        int pismeno = 0;
        do
            pismeno = q + int(nahoda.generate() % PocetVoleb);
        while (std::find(poradi.begin(), poradi.begin() + r, pismeno) != poradi.begin() + r);
        poradi[r] = pismeno;
    }
    return poradi;
}

void TTalvoCviceni::FormCreate(quint32 pocatek)
{
    pripravOkno(this, "TalvoCviceni", QStringLiteral("Test z morseovky 1"), Navrh);

    QScrollArea *svitekOkna = svitek(this, "svitek");
    svitekOkna->setFrameShape(QFrame::NoFrame);
    svitekOkna->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto *rozvrzeni = new QVBoxLayout(this);
    rozvrzeni->setContentsMargins(0, 0, 0, 0);
    rozvrzeni->addWidget(svitekOkna);
    QWidget *plocha = svitekOkna->widget();
    plocha->resize(Navrh);

    Label1 = popisek(plocha, "Label1", QStringLiteral("Test z morseovky"));
    Label1->setFont(pismoTahoma(16));
    Label1->setGeometry(16, 8, 752, 34);
    Label2 =
        popisek(plocha, "Label2", QStringLiteral("Zaškrtni správnou odpoveď. Po vyplnění testu stiskni vyhodnotit."));
    Label2->setGeometry(16, 46, 752, 20);

    TestPanel = new QFrame(plocha);
    TestPanel->setObjectName(QStringLiteral("TestPanel"));
    TestPanel->setFrameShape(QFrame::NoFrame);
    TestPanel->setGeometry(16, 72, 752, 281);

    Button1 = tlacitko(plocha, "Button1", QStringLiteral("Vyhodnotit"));
    Button1->setMinimumWidth(0);
    Button1->setGeometry(16, 372, 97, 42);
    connect(Button1, &QPushButton::clicked, this, &TTalvoCviceni::Button1Click);

    Panel1 = new QFrame(plocha);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    Panel1->setGeometry(129, 366, 150, 54);
    Label3 = popisek(Panel1, "Label3", QStringLiteral("Správně:"));
    Label3->setGeometry(10, 8, 60, 18);
    SpravneLab = popisek(Panel1, "SpravneLab", QStringLiteral("0"));
    SpravneLab->setGeometry(72, 8, 60, 18);
    Label4 = popisek(Panel1, "Label4", QStringLiteral("Špatně:"));
    Label4->setGeometry(10, 28, 60, 18);
    SpatneLab = popisek(Panel1, "SpatneLab", QStringLiteral("0"));
    SpatneLab->setGeometry(72, 28, 60, 18);

    StavZvukuLab = popisek(plocha, "StavZvukuLab", QString());
    StavZvukuLab->setGeometry(16, 430, 752, 20);
    m_prehravac = new TPrehravacMorseovky(this);
    connect(m_prehravac, &TPrehravacMorseovky::skonceno, StavZvukuLab, &QLabel::setText);

    QRandomGenerator nahoda(pocatek);
    for (int q = 0; q < PocetOtazek; ++q)
        vytvorOtazku(q, nahoda);
}

void TTalvoCviceni::vytvorOtazku(int q, QRandomGenerator &nahoda)
{
    Otazka &otazka = m_otazky[q];
    const QChar pismeno(u'A' + q);
    otazka.box = skupina(TestPanel, QStringLiteral("Pismeno%1GB").arg(pismeno),
                         QStringLiteral("Písmeno ") + pismeno + QStringLiteral(" je: "));
    otazka.box->setGeometry(KrokX * (q % 4), VyskaOtazky * (q / 4), SirkaOtazky, VyskaOtazky);
    otazka.prehrat = tlacitko(otazka.box, QStringLiteral("Pismeno%1PrehratB").arg(pismeno), QString(),
                              QStringLiteral("Přehraje morseovku písmene %1.").arg(pismeno));
    otazka.prehrat->setMinimumWidth(0);
    otazka.prehrat->setIcon(ikonaPrehrat(otazka.prehrat));
    otazka.prehrat->setGeometry(MistoPrehrat);
    connect(otazka.prehrat, &QPushButton::clicked, this, [this, q] { PrehratClick(q); });
    const std::array<int, PocetVoleb> poradi = losujPoradi(q, nahoda);
    for (int r = 0; r < PocetVoleb; ++r) {
        QRadioButton *volba =
            prepinac(otazka.box, QStringLiteral("Pismeno%1%2RB").arg(pismeno).arg(r + 1), kodPismene(poradi[r]));
        volba->move(VolbaX, KrokVolby * (r + 1));
        volba->setAccessibleName(MorseKeCteni(volba->text()));
        volba->adjustSize();
        otazka.volby[r] = volba;
        if (poradi[r] == q)
            otazka.spravna = r;
    }
    // The play button stands at the end of the first choice's line: Tab takes it there.
    poradiFokusu({otazka.volby[0], otazka.prehrat, otazka.volby[1], otazka.volby[2]});
}

QRadioButton *TTalvoCviceni::spravnaVolba(int q) const
{
    const Otazka &otazka = m_otazky.at(q);
    return otazka.volby[otazka.spravna];
}

const std::array<QRadioButton *, TTalvoCviceni::PocetVoleb> &TTalvoCviceni::volby(int q) const
{
    return m_otazky.at(q).volby;
}

void TTalvoCviceni::Button1Click()
{
    int spravne = 0;
    int spatne = 0;
    for (int q = 0; q < PocetOtazek; ++q) {
        QRadioButton *volba = spravnaVolba(q);
        QFont vetsi = volba->font();
        vetsi.setPointSizeF(BodySpravne);
        // The larger choice stays centred on its row, so it does not run into the one below.
        const int stred = volba->geometry().center().y();
        volba->setFont(vetsi);
        volba->adjustSize();
        volba->move(volba->x(), stred - volba->height() / 2);
        // An unanswered question counts as wrong.
        if (volba->isChecked())
            ++spravne;
        else
            ++spatne;
    }
    SpravneLab->setText(QString::number(spravne));
    SpatneLab->setText(QString::number(spatne));
}

void TTalvoCviceni::PrehratClick(int q)
{
    QString chyba;
    const bool hraje = m_prehravac->prehraj(kodPismene(q), NastaveniZvuku{}, &chyba);
    StavZvukuLab->setText(hraje ? QStringLiteral("Přehrává se písmeno %1…").arg(QChar(u'A' + q)) : chyba);
}

void TTalvoCviceni::closeEvent(QCloseEvent *udalost)
{
    FormClose();
    QWidget::closeEvent(udalost);
}

void TTalvoCviceni::FormClose()
{
    // A closed quiz is gone for good; the next command makes a new one with new orders.
    setAttribute(Qt::WA_DeleteOnClose);
}

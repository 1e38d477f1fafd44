#include "windows/Svetlo.h"

#include "windows/formular/Formular.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

PlanSvetla::PlanSvetla(const QString &kod, const NastaveniZvuku &nastaveni)
    : m_kod(kod), m_nastaveni(nastaveni), m_casovac(m_kod, m_nastaveni)
{
    UsekCasovani usek;
    m_maTon = m_casovac.dalsi(&usek);
    m_casovac.naZacatek();
}

bool PlanSvetla::dalsi(bool *zapnuto, qint64 *konecMs)
{
    UsekCasovani usek;
    if (!m_casovac.dalsi(&usek))
        return false;
    m_vzorku += usek.vzorku;
    *zapnuto = usek.ton;
    // Rounded from the running sum of samples, so the ends never drift from the sound's.
    *konecMs = (m_vzorku * 1000 + m_nastaveni.vzorkovani / 2) / m_nastaveni.vzorkovani;
    return true;
}

void PlanSvetla::naZacatek()
{
    m_casovac.naZacatek();
    m_vzorku = 0;
}

TSvetlo::TSvetlo(const QString &kod, const NastaveniZvuku &nastaveni, QWidget *parent)
    : QWidget(parent, Qt::Window), m_plan(kod, nastaveni)
{
    setObjectName("SvetloForm");
    setWindowTitle(QStringLiteral("Světlo"));
    resize(480, 360);

    plochaSvetla = new QWidget(this);
    plochaSvetla->setObjectName("plochaSvetla");
    plochaSvetla->setAccessibleName(QStringLiteral("Světlo"));
    plochaSvetla->setAutoFillBackground(true);
    plochaSvetla->setMinimumSize(160, 120);

    ovladaniW = new QWidget(this);
    ovladaniW->setObjectName("ovladaniW");
    opakovatCB = zaskrtavatko(ovladaniW, "opakovatCB", QStringLiteral("&Opakovat"));
    opakovatCB->setAccessibleName(QStringLiteral("Opakovat"));
    opakovatCB->setToolTip(QStringLiteral("Na konci začne kód znovu."));
    znovuB = tlacitko(ovladaniW, "znovuB", QStringLiteral("&Znovu"), QStringLiteral("Začne kód od začátku."));
    znovuB->setAccessibleName(QStringLiteral("Znovu"));
    znovuB->setMinimumWidth(80);
    napovedaLab = popisek(ovladaniW, "napovedaLab", QStringLiteral("F11 celá obrazovka, Esc zavře."));
    napovedaLab->setWordWrap(false);
    stavLab = popisek(ovladaniW, "stavLab", QString());
    stavLab->setWordWrap(false);
    auto *radek = new QHBoxLayout(ovladaniW);
    radek->setContentsMargins(8, 4, 8, 4);
    radek->addWidget(opakovatCB);
    radek->addWidget(znovuB);
    radek->addSpacing(12);
    radek->addWidget(napovedaLab);
    radek->addStretch(1);
    radek->addWidget(stavLab);

    auto *sloupec = new QVBoxLayout(this);
    sloupec->setContentsMargins(0, 0, 0, 0);
    sloupec->setSpacing(0);
    sloupec->addWidget(plochaSvetla, 1);
    sloupec->addWidget(ovladaniW);

    m_casovac = new QTimer(this);
    m_casovac->setSingleShot(true);
    m_casovac->setTimerType(Qt::PreciseTimer);
    connect(m_casovac, &QTimer::timeout, this, &TSvetlo::krok);
    connect(znovuB, &QPushButton::clicked, this, &TSvetlo::spust);
    nastavSvetlo(false);
    spust();
}

bool TSvetlo::bezi() const
{
    return m_casovac->isActive();
}

void TSvetlo::spust()
{
    m_plan.naZacatek();
    m_zakladMs = 0;
    m_konecUseku = 0;
    m_maUsek = false;
    m_usekZapnuto = false;
    nastavSvetlo(false);
    if (!m_plan.maTon()) {
        stavLab->setText(QStringLiteral("Není co ukázat."));
        m_casovac->stop();
        return;
    }
    stavLab->setText(QStringLiteral("Vysílá se…"));
    m_hodiny.start();
    krok();
}

void TSvetlo::krok()
{
    const qint64 ted = m_hodiny.nsecsElapsed() / 1000;
    // Every switch that is due is made, each reported against its own time; one that came too
    // late to be seen still moves the schedule on, so the lamp catches up instead of drifting.
    while (!m_maUsek || m_konecUseku * 1000 <= ted) {
        const qint64 zacatek = m_konecUseku;
        qint64 konec = 0;
        bool zapnuto = false;
        if (!m_plan.dalsi(&zapnuto, &konec)) {
            if (!opakovatCB->isChecked()) {
                nastavSvetlo(false);
                m_maUsek = false;
                stavLab->setText(QStringLiteral("Konec."));
                emit skonceno();
                return;
            }
            m_plan.naZacatek();
            m_zakladMs = m_konecUseku;
            continue;
        }
        m_maUsek = true;
        m_konecUseku = m_zakladMs + konec;
        if (zapnuto != m_usekZapnuto || zacatek == 0) {
            m_usekZapnuto = zapnuto;
            emit prepnuto(zapnuto, zacatek * 1000, ted);
        }
    }
    nastavSvetlo(m_usekZapnuto);
    const qint64 zbyvaUs = m_konecUseku * 1000 - ted;
    m_casovac->start(int((zbyvaUs + 999) / 1000));
}

void TSvetlo::nastavSvetlo(bool zapnuto)
{
    m_sviti = zapnuto;
    QPalette paleta = plochaSvetla->palette();
    paleta.setColor(QPalette::Window, zapnuto ? Qt::white : Qt::black);
    plochaSvetla->setPalette(paleta);
}

void TSvetlo::prepniCelouObrazovku()
{
    const bool cela = !isFullScreen();
    // Full screen is the lamp alone; the controls come back with the window.
    ovladaniW->setVisible(!cela);
    if (cela)
        showFullScreen();
    else
        showNormal();
}

void TSvetlo::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F11) {
        prepniCelouObrazovku();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

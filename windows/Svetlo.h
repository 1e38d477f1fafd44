#pragma once
// Morse code as a lamp for night drills: a large area that is white while the signal is on and black
// while it is off, keyed by the same timing as the sound (CasovacMorseovky, so the lamp and the sound
// of one code and speed agree stretch for stretch). F11 toggles full screen, Esc closes, "Opakovat"
// starts the code again at its end.
//
// The lamp is scheduled against one clock from its start: every switch is due at the sum of the
// stretches before it (counted in samples of the sound, so no rounding adds up) and the timer is set
// for the time left to it, so a late timer never makes the following switches late.

#include "ciphers/MorseovkaZvuk.h"

#include <QElapsedTimer>
#include <QString>
#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;
class QTimer;

// The lamp's timeline: the stretches of CasovacMorseovky, each with the time it ends at, in
// milliseconds from the start (rounded from its end in samples). Each step costs what the walker's
// step costs, so a lamp of any length starts at once.
class PlanSvetla
{
public:
    PlanSvetla(const QString &kod, const NastaveniZvuku &nastaveni);
    PlanSvetla(const PlanSvetla &) = delete;
    PlanSvetla &operator=(const PlanSvetla &) = delete;

    // The next stretch: whether the lamp is on and when the stretch ends; false once the code is over.
    bool dalsi(bool *zapnuto, qint64 *konecMs);
    void naZacatek();
    // Whether the code has a tone at all (else the plan has no stretches).
    bool maTon() const { return m_maTon; }
    const QString &kod() const { return m_kod; }
    const NastaveniZvuku &nastaveni() const { return m_nastaveni; }

private:
    QString m_kod;
    NastaveniZvuku m_nastaveni;
    CasovacMorseovky m_casovac;
    qint64 m_vzorku = 0;
    bool m_maTon = false;
};

class TSvetlo : public QWidget
{
    Q_OBJECT
public:
    // A top-level window flashing kod at the speeds of nastaveni (the tone is not used); it starts at once.
    TSvetlo(const QString &kod, const NastaveniZvuku &nastaveni, QWidget *parent = nullptr);

    bool sviti() const { return m_sviti; }
    const PlanSvetla &plan() const { return m_plan; }
    bool bezi() const;

public slots:
    // Starts the code from its beginning.
    void spust();

signals:
    // A switch of the lamp: its new state, when the schedule wanted it and when it happened, in
    // microseconds from the start of the code (a pass of a loop counts on from the pass before).
    void prepnuto(bool zapnuto, qint64 planUs, qint64 skutecneUs);
    // The code has ended and the lamp is dark (not while looping).
    void skonceno();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void krok();
    void nastavSvetlo(bool zapnuto);
    void prepniCelouObrazovku();

    PlanSvetla m_plan;
    QWidget *plochaSvetla = nullptr;
    QWidget *ovladaniW = nullptr;
    QCheckBox *opakovatCB = nullptr;
    QPushButton *znovuB = nullptr;
    QLabel *napovedaLab = nullptr;
    QLabel *stavLab = nullptr;
    QTimer *m_casovac = nullptr;
    QElapsedTimer m_hodiny;
    qint64 m_zakladMs = 0;   // where the current pass of the code began
    qint64 m_konecUseku = 0; // when the stretch shown ends, from the start
    bool m_usekZapnuto = false;
    bool m_maUsek = false;
    bool m_sviti = false;
};

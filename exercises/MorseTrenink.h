#pragma once
// The Morse trainer: asks one character at a time in one of three modes (code to letter, letter to
// code, listening), checks the typed answer, moves up a level by the Koch gate and shows the score
// and a table of every character answered. The questions and the gate are TMorseTreninkModel's; the
// window shows them and plays the code at the chosen character and effective speeds. The trainer
// has no report for Save and Print.

#include "ciphers/MorseovkaZvuk.h"
#include "exercises/model/MorseTrenink.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;
class TPrehravacMorseovky;

class TMorseTrenink : public QWidget
{
    Q_OBJECT
public:
    // The questions are drawn from a generator started from the current time.
    explicit TMorseTrenink(QWidget *parent = nullptr);
    // The questions are drawn from a generator started from pocatek, so the same questions can be asked again.
    explicit TMorseTrenink(quint32 pocatek, QWidget *parent = nullptr);

    const TMorseTreninkModel &model() const { return m_model; }
    NastaveniZvuku nastaveniZvuku() const;

public slots:
    // Enter in the answer box: checks a waiting answer, otherwise moves to the next question.
    void odpovedPotvrzena();
    void overitBClick();
    void dalsiBClick();
    void prehratBClick();

private:
    void vytvorOvladace();
    void zmenRezim();
    void ukazOtazku();
    void ukazTextOtazky();
    void ukazStatistiku();

    TMorseTreninkModel m_model;
    QGroupBox *RezimGB = nullptr;
    QRadioButton *kodNaPismenoRB = nullptr;
    QRadioButton *pismenoNaKodRB = nullptr;
    QRadioButton *poslechRB = nullptr;
    QLabel *UrovenLab = nullptr;
    QSpinBox *urovenSB = nullptr;
    QLabel *RychlostZnakuLab = nullptr;
    QSpinBox *rychlostZnakuSB = nullptr;
    QLabel *EfektivniRychlostLab = nullptr;
    QSpinBox *efektivniRychlostSB = nullptr;
    QLabel *otazkaLab = nullptr;
    QPushButton *prehratB = nullptr;
    QLabel *OdpovedLab = nullptr;
    QLineEdit *odpovedE = nullptr;
    QPushButton *overitB = nullptr;
    QPushButton *dalsiB = nullptr;
    QLabel *vysledekLab = nullptr;
    QLabel *skoreLab = nullptr;
    QLabel *StavZvukuLab = nullptr;
    QTableWidget *statistikaT = nullptr;
    TPrehravacMorseovky *m_prehravac = nullptr;
};

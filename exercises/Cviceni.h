#pragma once
// The Morse quiz: ten questions on the codes of the letters A to J. Question q shows the codes
// of the letters q, q + 1 and q + 2 in a random order; "Vyhodnotit" counts the right and wrong
// answers and marks every right choice by enlarging it. The codes come from the Morse engine's
// table. A small button beside each question plays its letter's code. The quiz has no report for
// Save and Print.

#include <QRandomGenerator>
#include <QWidget>

#include <array>

class QCloseEvent;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class TPrehravacMorseovky;

class TTalvoCviceni : public QWidget
{
    Q_OBJECT
public:
    static constexpr int PocetOtazek = 10;
    static constexpr int PocetVoleb = 3;

    // The generator starts from the current time in seconds.
    explicit TTalvoCviceni(QWidget *parent = nullptr);
    // The generator starts from the given value, so the order of the choices is known in advance.
    explicit TTalvoCviceni(quint32 pocatek, QWidget *parent = nullptr);

    // The choice of question q that holds the letter's own code.
    QRadioButton *spravnaVolba(int q) const;
    // The three choices of question q, top to bottom.
    const std::array<QRadioButton *, PocetVoleb> &volby(int q) const;

    // The Morse code of the letter with alphabet index pismeno (0 for A), read from the engine's table.
    static QString kodPismene(int pismeno);
    // Draws the letters of question q in the order they are shown: q, q + 1 and q + 2, each once.
    static std::array<int, PocetVoleb> losujPoradi(int q, QRandomGenerator &nahoda);

public slots:
    void Button1Click();
    // Plays the code of the letter that question q asks for.
    void PrehratClick(int q);

protected:
    void closeEvent(QCloseEvent *udalost) override;

private:
    void FormCreate(quint32 pocatek);
    void vytvorOtazku(int q, QRandomGenerator &nahoda);
    void FormClose();

    struct Otazka
    {
        QGroupBox *box = nullptr;
        QPushButton *prehrat = nullptr;
        std::array<QRadioButton *, PocetVoleb> volby{};
        int spravna = 0;
    };

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QFrame *TestPanel = nullptr;
    QPushButton *Button1 = nullptr;
    QFrame *Panel1 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *SpravneLab = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *SpatneLab = nullptr;
    QLabel *StavZvukuLab = nullptr;
    TPrehravacMorseovky *m_prehravac = nullptr;
    std::array<Otazka, PocetOtazek> m_otazky{};
};

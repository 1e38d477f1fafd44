#pragma once
// The snail window: enciphers and deciphers a text with the snail transposition over a table of
// 1 to 10 cells a side, starting in the corner and walking in the direction that the radio
// buttons choose; a small picture shows the spiral those two give. It reports its source and
// target for Save and Print.

#include "windows/NastrojoveOkno.h"

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

class TSnekForm : public TOknoSeZpravou
{
    Q_OBJECT
public:
    explicit TSnekForm(QWidget *parent = nullptr);

    void NaplnTisk() override;
    DruhZpravy druhZpravy() const override { return DruhZpravy::Snek; }

    // The table size as last accepted from the size edit.
    int velikost() const { return velikostSneka; }
    // The engine's corner and direction codes, read from the radio buttons at the moment of use.
    int kodRohu() const;
    int kodSmeru() const;

    // The size that a text of the size edit gives: 1 to 10 as typed; anything else tells the
    // user and gives 5.
    int ZkontrolujVelikostSneka(const QString &text);

public slots:
    void SifrujBClick();
    void DesifrujBClick();
    void ZdrojChange();
    void VelikostSnekChange();
    void VenRBClick();
    void DovnitrRBClick();
    void PravyDolniRBClick();
    void PravyHorniRBClick();
    void LevyDolniRBClick();
    void LevyHorniRBClick();

private:
    void vytvorOvladace();
    void propojOvladace();
    // Cleans the source and, when something is left, writes the engine's result into the target.
    void provedSneka(bool sifrovat);
    void ukazObrazek(int roh, int smer);

    int velikostSneka = 6;

    QLabel *nadpis = nullptr;
    QFrame *Shape1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *znakyLab = nullptr;
    QLabel *DruhSnekLab = nullptr;
    QGroupBox *SmerGB = nullptr;
    QRadioButton *VenRB = nullptr;
    QRadioButton *DovnitrRB = nullptr;
    QLabel *SnekImage = nullptr;
    QGroupBox *zacatekKonecGB = nullptr;
    QRadioButton *PravyDolniRB = nullptr;
    QRadioButton *PravyHorniRB = nullptr;
    QRadioButton *LevyDolniRB = nullptr;
    QRadioButton *LevyHorniRB = nullptr;
    QLabel *VelikostSnekLab = nullptr;
    QLineEdit *VelikostSnek = nullptr;
    QLabel *ZdrojovyTextLab = nullptr;
    QPlainTextEdit *Zdroj = nullptr;
    QPushButton *DesifrujB = nullptr;
    QPushButton *SifrujB = nullptr;
    QPushButton *Button1 = nullptr;
    QLabel *CilovyTextLab = nullptr;
    QPlainTextEdit *Cil = nullptr;
};

#pragma once
// The Morse window: encodes a text to Morse code or decodes Morse code, with or without the
// thirteen punctuation marks, and reports its source and target for Save and Print.

#include "windows/NastrojoveOkno.h"

class QFrame;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

class TMorseovkaForm : public TOknoSeZpravou
{
    Q_OBJECT
public:
    explicit TMorseovkaForm(QWidget *parent = nullptr);

    void NaplnTisk() override;
    DruhZpravy druhZpravy() const override { return DruhZpravy::Morseovka; }

    // How many entries of the Morse table the selected mode uses.
    int pocetZnaku() const;

public slots:
    void ZasifrujBClick();
    void DesifrujBClick();
    void ZdrojDblClick();
    void CilDblClick();

private:
    void vytvorOvladace();

    QLabel *Label1 = nullptr;
    QFrame *Shape1 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label6 = nullptr;
    QGroupBox *TypMorseovkyGB = nullptr;
    QRadioButton *bezInterpunkceRB = nullptr;
    QRadioButton *sInterpunkciRB = nullptr;
    QLabel *Label3 = nullptr;
    QPlainTextEdit *Zdroj = nullptr;
    QPushButton *DesifrujB = nullptr;
    QPushButton *ZasifrujB = nullptr;
    QPushButton *Button1 = nullptr;
    QLabel *Label4 = nullptr;
    QPlainTextEdit *Cil = nullptr;
};

#pragma once
// The cipher wheel window: one button both enciphers and deciphers the source with the wheel
// turned to a one-character key, on the wheel with or without the CH sector; the picture shows
// the selected wheel. Reports source, key and target for Save and Print. A button under the
// picture prints the selected wheel's two discs at real size, to cut out and pin together.

#include "ciphers/Kolecko.h"
#include "windows/NastrojoveOkno.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

class TKoleckoSifrujForm : public TOknoSeZpravou
{
    Q_OBJECT
public:
    explicit TKoleckoSifrujForm(QWidget *parent = nullptr);

    void NaplnTisk() override;
    DruhZpravy druhZpravy() const override { return DruhZpravy::Kolecko; }

    // The key position in force and the ring length of the selected wheel.
    int otoceni() const { return otoceniKolecka; }
    int delka() const { return delkaKruhu; }
    // The number of the bitmap the picture shows.
    int cisloObrazku() const { return m_cisloObrazku; }

public slots:
    void klicEChange();
    void sChClick();
    void bezChClick();
    void ZasifrujDesifrujBClick();
    void VytiskniKoleckoBClick();

private:
    void vytvorOvladace();
    DruhKolecka druhKolecka() const;
    // Shows the picture of the selected wheel and sets the key position for it, without a message.
    void zmenDruh(int delka);

    int otoceniKolecka = 1;
    int delkaKruhu = 37;
    int m_cisloObrazku = 0;

    QLabel *Label1 = nullptr;
    QLabel *Label5 = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QRadioButton *bezCh = nullptr;
    QRadioButton *sCh = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label6 = nullptr;
    QLineEdit *klicE = nullptr;
    QLabel *Label3 = nullptr;
    QPlainTextEdit *Zdroj = nullptr;
    QLabel *KoleckoImage = nullptr;
    QPushButton *VytiskniKoleckoB = nullptr;
    QPushButton *ZasifrujDesifrujB = nullptr;
    QPushButton *Button1 = nullptr;
    QLabel *Label4 = nullptr;
    QPlainTextEdit *Cil = nullptr;
};

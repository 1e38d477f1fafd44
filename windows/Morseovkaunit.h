#pragma once
// The Morse window: encodes a text to Morse code or decodes Morse code, with or without the
// thirteen punctuation marks, and reports its source and target for Save and Print. Its Morse code
// can be heard ("Přehrát") and saved as a WAV file ("Uložit zvuk…") at a chosen speed, effective
// speed (stretched gaps) and tone. CH can be written as a letter of its own, "----".

#include "ciphers/Morseovka.h"
#include "ciphers/MorseovkaZvuk.h"
#include "windows/NastrojoveOkno.h"

#include <QPointer>

class QCheckBox;
class QFileDialog;
class QFrame;
class QGroupBox;
class QLabel;
class QLayout;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class TPrehravacMorseovky;
class TSvetlo;

class TMorseovkaForm : public TOknoSeZpravou
{
    Q_OBJECT
public:
    explicit TMorseovkaForm(QWidget *parent = nullptr);

    void NaplnTisk() override;
    DruhZpravy druhZpravy() const override { return DruhZpravy::Morseovka; }

    // How many entries of the Morse table the selected mode uses.
    int pocetZnaku() const;

    // The Morse code the sound buttons play and save: the target after "Zašifruj", the code the
    // target was decoded from after "Dešifruj", the encoding of the cleaned source while the
    // target is empty.
    QString kodKPrehrani() const;
    // The sound of the speed boxes: characters at the speed, gaps stretched to the effective speed.
    NastaveniZvuku nastaveniZvuku() const;
    // How the engine treats "ch": as one letter "----" while the box chCB is checked.
    ZapisCh zapisCh() const;
    // The dialog of "Uložit zvuk…", made on first use.
    QFileDialog *dialogZvuku();

public slots:
    void ZasifrujBClick();
    void DesifrujBClick();
    void PrehratBClick();
    void ZastavitBClick();
    void UlozitZvukBClick();
    // "Světlo": the lamp window flashing the same code at the same speeds (one lamp at a time).
    void svetloBClick();
    // "Vytisknout tabulku": the chart of the codes and mnemonic words, through the print dialog.
    void tabulkaBClick();

private:
    void vytvorOvladace();
    QLayout *vytvorRadekZvuku(QWidget *plocha);
    void ukazStavZvuku(const QString &text);
    void ulozZvuk(const QString &soubor, const QString &kod);

    QLabel *Label1 = nullptr;
    QFrame *Shape1 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label6 = nullptr;
    QGroupBox *TypMorseovkyGB = nullptr;
    QRadioButton *bezInterpunkceRB = nullptr;
    QRadioButton *sInterpunkciRB = nullptr;
    QCheckBox *chCB = nullptr;
    QPushButton *tabulkaB = nullptr;
    QLabel *Label3 = nullptr;
    QPlainTextEdit *Zdroj = nullptr;
    QPushButton *DesifrujB = nullptr;
    QPushButton *ZasifrujB = nullptr;
    QPushButton *Button1 = nullptr;
    QLabel *Label4 = nullptr;
    QPlainTextEdit *Cil = nullptr;
    QPushButton *PrehratB = nullptr;
    QPushButton *ZastavitB = nullptr;
    QPushButton *UlozitZvukB = nullptr;
    QPushButton *svetloB = nullptr;
    QLabel *RychlostLab = nullptr;
    QSpinBox *rychlostE = nullptr;
    QLabel *EfektivniRychlostLab = nullptr;
    QSpinBox *efektivniRychlostSB = nullptr;
    QLabel *FrekvenceLab = nullptr;
    QSpinBox *frekvenceE = nullptr;
    QLabel *StavZvukuLab = nullptr;

    TPrehravacMorseovky *m_prehravac = nullptr;
    QFileDialog *m_dialogZvuku = nullptr;
    QPointer<TSvetlo> m_svetlo;
    // The cleaned source of the last "Dešifruj", while the target shows what it decoded to.
    QString m_desifrovanyKod;
    bool m_cilZDesifrovani = false;
};

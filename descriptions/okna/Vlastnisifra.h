#pragma once
// The description editor: the user writes or edits the description of an own cipher (title,
// description, worked example as text or as a picture, a second picture with its title) and
// saves it into the description store.
//
// The title names the description's folder (nazevSouboru). Saving writes the texts through the
// store's text writer and copies the chosen bitmaps into the folder, never over a file already
// there: the example picture becomes "-obr1.bmp", the second picture "-obr.bmp", the roles the
// overview shows them in. A text that was read from the store is written back in the encoding
// and with the line ends it came in, so saving an opened description unchanged rewrites every
// file byte for byte. Save and Print report the title, description and example text.

#include "descriptions/PopisSifry.h"
#include "descriptions/Ulozistepopisu.h"
#include "windows/zpravy/Zprava.h"

#include <QString>
#include <QStringList>
#include <QWidget>

class QCheckBox;
class QFileDialog;
class QFrame;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;

class TTalvoVlastni : public QWidget, public IZprava
{
    Q_OBJECT
public:
    // uloziste is the store folder, relative to the working folder unless absolute.
    explicit TTalvoVlastni(QWidget *parent = nullptr, const QString &uloziste = SlozkaUloziste.toString());

    // The design size, so a restored (not maximised) window opens showing every control.
    QSize sizeHint() const override { return {800, 788}; }

    // Fills the editor from the description in folder f of the store; a missing title or
    // description file is reported and ends the load.
    void NactiPopis(const QString &f);

    QPlainTextEdit *memoTisk() const override { return m_memoTisk; }
    void NaplnTisk() override;
    DruhZpravy druhZpravy() const override { return DruhZpravy::Editor; }

    QFileDialog *OpenPictureDialog1() const { return m_dialog; }

    // Writes the texts of the description; false (after telling the user why) when nothing or
    // not everything was written.
    bool UlozPopis();

public slots:
    void NazevTalvoChange();
    void UlozitSifruClick();
    void VlozitObrazekBClick();
    void VlozitObrazek1BClick();
    void PSTextRBClick();
    void PSObrazekRBClick();
    void Obr1CBClick();

private:
    // A bitmap the user chose (or that the opened description already holds) and the
    // labels that show where it comes from and where saving puts it.
    struct Obrazek
    {
        SouborPopisu cil;
        QLabel *odkud;
        QLabel *kam;
        QString cesta;
    };

    void FormCreate();
    void vytvorOvladace();
    void propojOvladace();
    void vyberObrazek(Obrazek &obrazek);
    void ukazObrazek(const Obrazek &obrazek);
    // Fills box with text s of the loaded description; false when it was not loaded.
    bool ukazText(SouborPopisu s, QPlainTextEdit *box);
    // The text of box with its lines joined by the line end of text s.
    QString textKZapisu(SouborPopisu s, const QPlainTextEdit *box) const;

    // The folder names of the store as they were when the window opened.
    QStringList m_slozky;
    // The opened description: its texts as read, for the byte-identical save.
    PopisSifry m_popis;
    Obrazek m_priklad{};
    Obrazek m_druhy{};

    QScrollArea *m_svitek = nullptr;
    QFileDialog *m_dialog = nullptr;
    QPlainTextEdit *m_memoTisk = nullptr;

    QLabel *Label1 = nullptr;
    QFrame *Shape1 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label9 = nullptr;
    QPushButton *UlozitSifru = nullptr;
    QLabel *Label6 = nullptr;
    QPlainTextEdit *NazevTalvo = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *nazevSouboruLab = nullptr;
    QLabel *NazevErrLab = nullptr;
    QLabel *Label3 = nullptr;
    QPlainTextEdit *PopisTalvo = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label13 = nullptr;
    QGroupBox *PrikladSifrovaniGB = nullptr;
    QRadioButton *PSTextRB = nullptr;
    QRadioButton *PSObrazekRB = nullptr;
    QPlainTextEdit *PrikladZdroj = nullptr;
    QPushButton *VlozitObrazekB = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *CestaKObrLab = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *NovaCestaKObrLab = nullptr;
    QLabel *Label17 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label14 = nullptr;
    QLabel *Label18 = nullptr;
    QGroupBox *NadpisObrazkuGB = nullptr;
    QCheckBox *Obr1CB = nullptr;
    QPlainTextEdit *NadpisObrazku = nullptr;
    QPushButton *VlozitObrazek1B = nullptr;
    QLabel *Label15 = nullptr;
    QLabel *CestaKObr1Lab = nullptr;
    QLabel *Label16 = nullptr;
    QLabel *NovaCestaKObr1Lab = nullptr;
    QLabel *Label12 = nullptr;
};

#pragma once
// The game window "Příprava hry pro hlídky": the leader chooses a cipher and the patrols, types a
// message and a key for each patrol (or one message for all), and prints one sheet per patrol with
// the answer pages for the leader (game/TiskHry.h). Save writes the answer report; the game itself
// is saved and opened as a ".talvohra" file.
//
// The window keeps the game (Hra) and the enciphering cache (SifrovaniHry): editing a cell changes
// that patrol only, and only that patrol is enciphered again. A key that does not read is marked
// in its cell (red, with the reason as its tool tip); Print, the preview, Save and saving the game
// then refuse with a message box naming the patrol and the reason.

#include "game/model/Hra.h"
#include "windows/zpravy/TiskZpravy.h"
#include "windows/zpravy/Ukladani.h"

#include <QRandomGenerator>
#include <QString>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QFileDialog;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTableWidgetItem;

class TPripravaHryForm : public QWidget, public IVlastniTisk, public IVlastniUlozeni
{
    Q_OBJECT
public:
    explicit TPripravaHryForm(QWidget *parent = nullptr);

    // The table's columns.
    enum Sloupec
    {
        SloupecNazev,
        SloupecZprava,
        SloupecKlic
    };

    const Hra &hra() const { return m_hra; }
    SifrovaniHry &sifrovani() { return m_sifrovani; }
    // Fixes where the random keys start, so the same keys come every time (repeatable checks and benchmarks).
    void nastavPocatek(quint32 pocatek) { m_nahoda = QRandomGenerator(pocatek); }

    // Checks the game for printing; on a fault shows a message box naming the patrol and the
    // reason, and returns false.
    bool zkontrolujProTisk();
    // Print: the print dialog, then the sheets (IVlastniTisk).
    bool tiskni(TTiskZprav &tisk) override;
    // Save: the answer report, "Řešení pro vedoucího" first (IVlastniUlozeni).
    std::optional<QStringList> radkyKUlozeni() override;

    // What "Uložit hru…" and "Otevřít hru…" do once the file is chosen. A failure is shown in a
    // message box naming the file and the reason; opening then keeps the game the window had.
    bool ulozHru(const QString &cesta);
    bool otevriHru(const QString &cesta);

public slots:
    void SifraChange(int index);
    void PocetHlidekChange(int pocet);
    void HlidkaChange(QTableWidgetItem *polozka);
    void StejnaZpravaClick(bool zaskrtnuto);
    void ZpravaChange();
    void PomuckaClick(bool zaskrtnuto);
    void RuzneKliceBClick();
    void NahledBClick();
    void OtevritHruBClick();
    void UlozitHruBClick();

private:
    void vytvorOvladace();
    void propojOvladace();
    // Shows the game in the controls; the controls' signals are blocked meanwhile.
    void ukazHru();
    // Fills row r of the table from the game and marks its key.
    void ukazRadek(int r);
    // Marks the key cell of row r as the cache reads it: red with the reason, or plain.
    void oznacKlic(int r);
    // The message column follows stejnaZprava: the common message, read-only, or each patrol's own.
    void ukazZpravy();
    QFileDialog *dialogHry(bool ulozit);

    Hra m_hra;
    SifrovaniHry m_sifrovani;
    QRandomGenerator m_nahoda;

    QLabel *nadpis = nullptr;
    QLabel *SifraLab = nullptr;
    QComboBox *sifraCB = nullptr;
    QLabel *PocetHlidekLab = nullptr;
    QSpinBox *pocetHlidekSB = nullptr;
    QPushButton *ruzneKliceB = nullptr;
    QLabel *HlidkyLab = nullptr;
    QTableWidget *hlidkyT = nullptr;
    QCheckBox *stejnaZpravaCB = nullptr;
    QLabel *ZpravaLab = nullptr;
    QPlainTextEdit *zpravaE = nullptr;
    QCheckBox *pomuckaCB = nullptr;
    QPushButton *nahledB = nullptr;
    QPushButton *otevritHruB = nullptr;
    QPushButton *ulozitHruB = nullptr;
    QFileDialog *m_otevritDialog = nullptr;
    QFileDialog *m_ulozitDialog = nullptr;
};

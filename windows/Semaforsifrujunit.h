#pragma once
// The semaphore window: shows a text of at most 300 characters as a grid of flag-semaphore
// pictures, twelve to a row. It only encodes and has no report for Save and Print.
//
// Two states: Editing (the source can be changed and enciphered) and Showing (the pictures of
// the last "Zašifruj" stand in the picture area until "Smazat cilový text" removes them).

#include "ciphers/Semafor.h"
#include "windows/NastrojoveOkno.h"

#include <QList>
#include <QPixmap>

#include <array>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;

class TSemaforSifrujForm : public TNastrojoveOkno
{
    Q_OBJECT
public:
    explicit TSemaforSifrujForm(QWidget *parent = nullptr);

    // The most characters the source may hold, typed, pasted or cleaned.
    static constexpr int NejvyseZnaku = 300;
    // Pictures per row of the picture area and the side of one picture.
    static constexpr int ObrazkuVRadku = 12;
    static constexpr int StranaObrazku = 48;

    // The message refusing a cleaned text of delka characters.
    static QString textOdmitnuti(qsizetype delka);

    // The pictures the last "Zašifruj" placed, in text order.
    const QList<QLabel *> &obrazky() const { return m_obrazky; }

public slots:
    void ZasifrujDesifrujBClick();
    void SmazatBClick();

private:
    void vytvorOvladace();
    // Editing when false, Showing when true.
    void nastavZobrazeni(bool zobrazeno);
    // The pictures in text order, each described for a screen reader by popisy (SemaforPopisy).
    void umistiObrazky(const QList<int> &cisla, const QStringList &popisy);
    void odstranObrazky();
    const QPixmap &bitmapa(int cislo);

    QLabel *Label1 = nullptr;
    QLabel *Label5 = nullptr;
    QFrame *Shape1 = nullptr;
    QLabel *Label2 = nullptr;
    QFrame *Shape2 = nullptr;
    QLabel *Label6 = nullptr;
    QFrame *Shape3 = nullptr;
    QLabel *Label3 = nullptr;
    QPlainTextEdit *Zdroj = nullptr;
    QPushButton *SmazatB = nullptr;
    QPushButton *ZasifrujDesifrujB = nullptr;
    QPushButton *Button1 = nullptr;
    QLabel *Label4 = nullptr;
    QScrollArea *cil = nullptr;

    QList<QLabel *> m_obrazky;
    // The 28 bitmaps, each loaded on its first use.
    std::array<QPixmap, SemaforPocetObrazku> m_bitmapy;
};

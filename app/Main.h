#pragma once
// The main window: a multiple-document frame whose menus open every other window.
//
// It owns the menu tree, the enabled state of Save and Print, and the two menus that list the
// descriptions of the store (built once, at construction, from the store in the working folder).
// The windows that exist at most once (the tool windows and the exercises) are rows of one table,
// DruhyOken in Main.cpp: each row names its menu item, makes its window and says whether the window
// enables Save and Print; opening, showing the open one and forgetting it on close are written once,
// in otevriJedinecne. Adding such a window is one enum value, one row and its class.

#include "descriptions/PopisSifry.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QString>

#include <functional>
#include <optional>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPlainTextEdit;
class TTiskZprav;
class TUkladaniZprav;

class TTalvoMain : public QMainWindow
{
    Q_OBJECT
public:
    // The kinds of child window that exist at most once, one per row of DruhyOken.
    enum class Jedinecne
    {
        Morseovka,
        Mrizka,
        Kolecko,
        Snek,
        Semafor,
        Cviceni,
        MorseTrenink,
        PripravaHry,
        SemaforCteni,
        MorseKlic,
        SemaforTest
    };

    explicit TTalvoMain(QWidget *parent = nullptr);
    ~TTalvoMain() override;

    bool jeOtevreno(Jedinecne druh) const;
    QMdiArea *mdiArea() const;
    // Shows and raises the existing window of that kind, or creates one with `tvurce`, adds it to the area as a
    // maximised sub-window (WA_DeleteOnClose), sets the flag, clears it when that window is destroyed, and
    // enables Ulozit/Tisk as asked (never disables). Returns the sub-window.
    QMdiSubWindow *otevriJedinecne(Jedinecne druh, const std::function<QWidget *()> &tvurce, bool povolitUlozit,
                                   bool povolitTisk);
    // Adds obsah as a new maximised sub-window (WA_DeleteOnClose; a window that deletes itself takes its frame
    // along) and enables Ulozit/Tisk as asked (never disables). Any number of such windows may be open.
    QMdiSubWindow *otevriOkno(QWidget *obsah, bool povolitUlozit, bool povolitTisk);
    QWidget *aktivniOkno() const; // the widget of the active sub-window, or nullptr

    // The cleaning pair that turns a description title into its folder name.
    QStringView znakyVlastni() const { return m_znakyVlastni; }
    QStringView nahradaVelka() const { return m_nahradaVelka; }

    // The dynamic menu items, in listing order.
    const QList<QAction *> &polozkyNacti() const { return m_polozkyNacti; }
    const QList<QAction *> &polozkyPrehled() const { return m_polozkyPrehled; }

    // The text shown by the information box.
    static QString textInfo();

    // Why the description store is missing and could not be made at start; empty when it is there.
    const QString &chybaUloziste() const { return m_chybaUloziste; }
    // After the window shows: one warning box with chybaSlozky (what preparing the working folder
    // reported) and chybaUloziste, when either says something.
    void ohlasChybyStartu(const QString &chybaSlozky);

    // The save dialog and the printer with its dialogs, made on first use and kept until the end,
    // so they remember the last file name, printer, copies and collation.
    TUkladaniZprav *ukladani();
    TTiskZprav *tisk();

private slots:
    void UlozitClick();
    void TiskClick();
    void NastaveniTiskuClick();
    void KonecClick();
    void NovaClick();
    void NactiSifruClick();
    void PrehledClick();
    void Info1Click();
    void Dokumentace1Click();
    // "Nápověda" and F1: the description of the active tool window's cipher, or the guide.
    void Napoveda2Click();
    void Kaskada1Click();

private:
    struct DruhOkna;
    static const QList<DruhOkna> &druhyOken();
    // The menu command of a single-instance window: opens it or shows the open one.
    void otevriDruh(const DruhOkna &druh);
    void vytvorPlochu();
    void vytvorMenu();
    void VytvorMenuNacti();
    void VytvorMenuPrehled();
    // The descriptions of the store with their menu captions, read on first use; a store that is missing
    // is made, and one that cannot be made leaves its message in m_chybaUloziste.
    const QList<PolozkaPopisu> &popisyUloziste();
    // One menu entry per description folder of the store, inserted after the menu's two fixed entries.
    QList<QAction *> pridejPolozkyPopisu(QMenu *menu, const QString &predpona, void (TTalvoMain::*obsluha)());
    QMenu *pridejMenu(QMenu *rodic, const QString &jmeno, const QString &titulek);
    QAction *pridejPolozku(QMenu *menu, const QString &jmeno, const QString &titulek);
    QAction *oddelovac(const QString &jmeno);
    // Shows the sub-window maximised, makes it the active one and raises it.
    void ukazOkno(QMdiSubWindow *okno);
    QString slozkaOdesilatele() const;
    // A new overview window showing the store's description in folder slozka.
    void otevriPrehled(const QString &slozka);
    // The description folder of the active sub-window's kind; empty when it is no tool window.
    QString popisAktivnihoOkna() const;

    QMdiArea *m_plocha = nullptr;
    TUkladaniZprav *m_ukladani = nullptr;
    QLabel *matrix = nullptr;
    QLabel *Nadpis = nullptr;
    QPlainTextEdit *NazevTalvo = nullptr;

    QAction *Ulozit = nullptr;
    QAction *Tisk = nullptr;
    QMenu *VlastniSifra = nullptr;
    QMenu *PrehledSifer = nullptr;

    QStringView m_znakyVlastni;
    QStringView m_nahradaVelka;
    QHash<Jedinecne, QMdiSubWindow *> m_otevrene;
    QList<QAction *> m_polozkyNacti;
    QList<QAction *> m_polozkyPrehled;
    std::optional<QList<PolozkaPopisu>> m_popisy;
    QString m_chybaUloziste;
};

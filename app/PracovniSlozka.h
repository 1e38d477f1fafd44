#pragma once
// The folder Talvo works in: the one whose talvoPrehled it reads and writes, where the user guide
// lies and where the save dialog starts.
//
// Started in a folder that already holds a store, Talvo works there, as it always has (the source
// tree's `make run`, a copy on a USB stick, a terminal). An installed Talvo started anywhere else
// (from the desktop menu, in the home folder) works in the per-user data folder instead: the first
// start creates it and copies the shipped descriptions and guide into it. A Talvo that is not installed
// (run from its build folder) keeps working in the folder it was started in.

#include <QString>

struct MistaSpusteni
{
    QString aktualni;    // the folder it was started in
    QString dodavana;    // the installed data folder with the shipped store and guide; empty when not installed
    QString uzivatelska; // the per-user data folder (QStandardPaths::AppDataLocation)
    QString dokumenty;   // the user's documents folder, where saved reports should land
};

// The file the menu "Nápověda" -> "Dokumentace" opens, in the working folder.
inline constexpr char SouborPrirucky[] = "talvo_uzivatelska_dokumentace.pdf";

// The installed data folder of a program whose executable lies in slozkaProgramu: relativni (such as
// "../share/talvo") taken from there, when it holds a store; empty otherwise.
QString dodavanaSlozka(const QString &slozkaProgramu, const QString &relativni);

// Chooses the working folder and prepares it. In the per-user folder every shipped description whose
// folder the store lacks is copied in, up to the store's 25 (a folder already there, the user's own or
// edited description, is never touched; a newer Talvo brings its new descriptions), the guide is
// copied when missing or different from the shipped one, and a missing "ulozeneTalvo" becomes
// a link to the documents folder, so the save dialog does not start in a hidden folder. What could
// not be prepared is described in chyba (Czech, for the user); the folder is returned all the same,
// or the starting folder when the per-user one cannot be made.
QString pripravPracovniSlozku(const MistaSpusteni &mista, QString *chyba = nullptr);

// The places of this run: the current folder, the data folder relativniData away from the
// executable, the per-user data folder and the documents folder (the home folder when there is none).
MistaSpusteni mistaSpusteni(const QString &relativniData);

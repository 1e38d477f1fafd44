#pragma once
// The description store: a folder of sub-folders, one per cipher description.
//
// A description's title becomes its folder name (nazevSouboru); inside folder F the
// files are F + a fixed suffix (souborPopisu). The set of descriptions is the set of
// sub-folders; there is no index file. Text files go through TextovySoubor.h.

#include <QString>
#include <QStringList>
#include <QStringView>

// The store folder, relative to the working folder.
inline constexpr QStringView SlozkaUloziste = u"talvoPrehled";

// The store holds at most this many descriptions (editor and menus stop there).
inline constexpr int MaxPocetSifer = 25;

// How much of a description's text file is read: a title never needs more than MaxBajtuNadpisu,
// a page of the overview or a box of the editor no more than MaxBajtuTextu. A larger file (a damaged
// store, a file copied in by mistake) is read only that far and said to be cut.
inline constexpr qint64 MaxBajtuNadpisu = 16 * 1024;
inline constexpr qint64 MaxBajtuTextu = 256 * 1024;
// A menu entry shows at most this many characters of a title, then "…".
inline constexpr int MaxZnakuTitulku = 80;
// The longest file name the file systems we run on take (bytes of UTF-8), and with it the longest
// folder name: the longest file of a description is the folder name + "-nadpisObrazku.txt".
inline constexpr int MaxBajtuJmenaSouboru = 255;

// The six files a description may have.
enum class SouborPopisu
{
    Nadpis,
    Popis,
    Priklad,
    NadpisObrazku,
    Obrazek,
    Obrazek1
};

// The file-name suffix of one kind: "-nadpis.txt", "-popis.txt", "-priklad.txt",
// "-nadpisObrazku.txt", "-obr.bmp", "-obr1.bmp".
QString priponaSouboru(SouborPopisu s);

// Folder name and file stem of a title: accents folded, characters unfit for a file name
// (punctuation, spaces, line breaks) deleted.
QString nazevSouboru(QStringView nadpis);

// The cap on reading a file of kind s: MaxBajtuNadpisu for the title, MaxBajtuTextu for the others.
qint64 limitCteni(SouborPopisu s);

// Whether f names a folder inside the store: exactly one path component, so not empty, not "." or
// "..", without a separator or NUL. Only such names are read or removed.
bool JeSlozkaUloziste(QStringView f);

// Whether a description can be saved under folder name f: JeSlozkaUloziste, and short enough that
// every file of the description fits the file system. Otherwise false and, in chyba, why not.
bool JeNazevSlozky(QStringView f, QString *chyba = nullptr);

// A menu caption from a title file's text: spaces and line breaks removed (ZnakyNadpis), other control
// characters too, at most MaxZnakuTitulku characters, and "…" where the title (or the file) was cut.
// Empty when nothing is left.
QString TitulekMenu(QStringView nadpis, bool zkraceno = false);

// The sub-folders of the store (never files, "." or ".."), sorted case-insensitively;
// a missing store gives an empty list.
QStringList SeznamSifer(const QString &uloziste = SlozkaUloziste.toString());

// The number of names SeznamSifer returns.
int PocetSifer(const QString &uloziste = SlozkaUloziste.toString());

// uloziste + "/" + f
QString slozkaPopisu(const QString &uloziste, const QString &f);

// uloziste/f/f + suffix, e.g. talvoPrehled/Morseovka/Morseovka-nadpis.txt
QString souborPopisu(const QString &uloziste, const QString &f, SouborPopisu s);

// Creates the store folder (and its parents) when missing; true if it exists afterwards.
// On failure chyba receives a Czech message naming the folder.
bool vytvorUloziste(const QString &uloziste = SlozkaUloziste.toString(), QString *chyba = nullptr);

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

#pragma once
// One description of the store as the editor works with it, and the store's menu listing.
//
// nacti reads the texts of folder f (within the read limits; a file over its limit refuses the whole
// load, since saving would throw away what was not read) and keeps each text as read, with its encoding
// and its first line end. The editor shows the texts, says through zobrazeno how a box shows one, and
// hands the box texts to uloz: a text the user left as it was shown is written back exactly as it was
// read, an edited one in the encoding and with the line ends it came in. uloz checks the folder name,
// makes the folder inside an existing store and writes every text through ZapisText (QSaveFile);
// zkopirujObrazek copies a chosen bitmap, never over a file already there. Errors come back as values
// with the Czech text the editor shows.

#include "descriptions/TextovySoubor.h"
#include "descriptions/Ulozistepopisu.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// The first line end of a text (CR LF, LF or CR); CR LF when it has none.
QString KonecRadku(QStringView text);

class PopisSifry
{
public:
    enum class Nacteni
    {
        Nacteno,
        // A text file is larger than it is read: nothing was loaded.
        PrilisVelkySoubor,
        // The title or the description cannot be read; what was read before stays loaded.
        ChybiSoubory
    };

    enum class Ulozeni
    {
        Ulozeno,
        // The title gives no usable folder name: nothing was written.
        NeplatnyNazev,
        // The store was missing and has just been made: the user saves again.
        UlozisteVytvoreno,
        // A text could not be written (the texts before it are).
        Chyba
    };

    // What saving writes: the texts of the boxes, their lines joined by konecRadku of their kind.
    // A text left out is not written.
    struct Texty
    {
        QString nadpis;
        QString popis;
        std::optional<QString> priklad;
        std::optional<QString> nadpisObrazku;
    };

    // uloziste is the store folder, relative to the working folder unless absolute.
    explicit PopisSifry(QString uloziste = SlozkaUloziste.toString());

    const QString &uloziste() const { return m_uloziste; }

    // Reads description f. On PrilisVelkySoubor and ChybiSoubory chyba receives the editor's message;
    // a missing description also takes its folder along when the folder is empty.
    Nacteni nacti(const QString &f, QString *chyba = nullptr);

    // The text of file s as read by the last nacti; nullopt when it was not read.
    std::optional<QString> nactenyText(SouborPopisu s) const;
    // The line end text s is written with: its own first one, CR LF for a text not read.
    QString konecRadku(SouborPopisu s) const;
    // How the editor shows loaded text s, lines joined by konecRadku(s); without it the text as read counts.
    void zobrazeno(SouborPopisu s, const QString &text);
    // The stored bitmap of kind s (Obrazek or Obrazek1) found by the last nacti; empty when there is none.
    QString ulozenyObrazek(SouborPopisu s) const;
    // The loaded description had no picture title file and saving has written none since.
    bool bezNadpisuObrazku() const { return m_bezNadpisuObrazku; }

    // The folder a title saves into.
    static QString slozka(const Texty &texty) { return nazevSouboru(texty.nadpis); }
    // Writes texty into the folder of their title, in order: title, description, example, picture title.
    // chyba receives the message for every result but Ulozeno.
    Ulozeni uloz(const Texty &texty, QString *chyba = nullptr);
    // Copies the bitmap zdroj to file s of description f unless zdroj is empty or that file exists;
    // false with a message naming both files when the copy fails.
    bool zkopirujObrazek(const QString &f, SouborPopisu s, const QString &zdroj, QString *chyba = nullptr) const;

private:
    struct NactenyText
    {
        PrectenyText soubor;
        QString konecRadku;
        QString zobrazeny;
    };

    // A message when a text file of description f is larger than it is read; empty otherwise.
    QString prilisVelkySoubor(const QString &f) const;
    bool nactiText(const QString &f, SouborPopisu s);
    QString textKZapisu(SouborPopisu s, const QString &text, std::optional<Kodovani> *kodovani) const;
    bool zapisText(const QString &f, SouborPopisu s, const QString &text, QString *chyba) const;

    QString m_uloziste;
    std::array<std::optional<NactenyText>, 4> m_nactene;
    std::array<QString, 2> m_obrazky;
    bool m_bezNadpisuObrazku = false;
};

// A description as its menu entries show it.
struct PolozkaPopisu
{
    QString slozka;
    // The title without spaces and line breaks (TitulekMenu), or the folder name.
    QString titulek;
};

// The menu caption of description f: TitulekMenu of the beginning of its title file, or f when the file
// cannot be read or holds nothing to show.
QString TitulekPopisu(const QString &uloziste, const QString &f);

// The descriptions of the store in listing order with their captions. A missing store is made (and
// lists nothing); nullopt, with a message naming the folder in full, when it cannot be made.
std::optional<QList<PolozkaPopisu>> PolozkyPopisu(const QString &uloziste = SlozkaUloziste.toString(),
                                                  QString *chyba = nullptr);

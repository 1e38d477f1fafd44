#pragma once
// A game for patrols: one cipher for the whole game, one message and one key per patrol.
//
// Data flow: the game window keeps a Hra (the cipher, the patrols with their names, messages
// and key texts as typed, the common message and the two check boxes). PrectiKlic turns a key
// text into the cipher's options (KlicHry) or a Czech reason; ZasifrujZpravu cleans a message
// with the cipher window's table pair and runs the same engine, a grille or snail message
// longer than one table block after block. SifrovaniHry remembers each patrol's result and
// enciphers a patrol again only when its key text or message changed, so editing one cell
// costs one patrol. The sheets are drawn from SifraHlidky; the leader's answer sheet comes
// from RadkyReseni. SouborHry.h reads and writes the game as a file.

#include "ciphers/Kolecko.h"
#include "ciphers/Morseovka.h"
#include "ciphers/Mrizka.h"
#include "ciphers/Snek.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>

class QRandomGenerator;

enum class SifraHry
{
    Morseovka,
    Mrizka,
    Kolecko,
    Snek,
    Semafor
};

// The ciphers in the order of the game window's list.
inline constexpr std::array<SifraHry, 5> SifryHry{SifraHry::Morseovka, SifraHry::Mrizka, SifraHry::Kolecko,
                                                  SifraHry::Snek, SifraHry::Semafor};

// "Morseovka", "Mřížka", "Šifrovací kolečko", "Šnek", "Semafor".
QString NazevSifry(SifraHry sifra);
// The cipher of one of those names (exactly as written), or nullopt.
std::optional<SifraHry> SifraPodleNazvu(QStringView nazev);

inline constexpr int NejmeneHlidek = 1;
inline constexpr int NejviceHlidek = 12;
inline constexpr int VychoziPocetHlidek = 4;

// One patrol's key as the cipher's options. Only the fields of the key's cipher mean anything.
struct KlicHry
{
    SifraHry sifra = SifraHry::Morseovka;
    int pocetZnaku = 37;                 // Morseovka: MorseBezInterpunkce or MorseSInterpunkci
    int velikost = 6;                    // Mřížka and Šnek: N, 1-10
    Okenka okenka{};                     // Mřížka: the holes, indexed [column][row]
    DruhKolecka druh = DruhKolecka::sCh; // Šifrovací kolečko: with or without the CH sector
    int otoceni = 1;                     // Šifrovací kolečko: the key position on the outer ring
    int roh = LevyDolni;                 // Šnek: RohSneka
    int smer = Dovnitr;                  // Šnek: SmerSneka
};

// Reads a key text (surrounding blanks and the case of words do not matter):
//   Morseovka           "bez interpunkce" or "s interpunkcí";
//   Mřížka              N rows of N characters, "X" a hole and "." closed, joined by "/" ("X./..");
//                       the card must uncover every cell exactly once;
//   Šifrovací kolečko   "36 k" or "37 k": the wheel without or with CH, then the key character,
//                       accepted as the wheel window accepts it ("37 B" is "37 b");
//   Šnek                "6 LD dovnitř": size 1-10, corner LD, LH, PD or PH, "dovnitř" or "ven";
//   Semafor             empty.
// nullopt with the reason in chyba when the text does not give a key.
std::optional<KlicHry> PrectiKlic(SifraHry sifra, QStringView text, QString *chyba = nullptr);

// The key written as PrectiKlic reads it, in its one canonical form.
QString TextKlice(const KlicHry &klic);

// A valid key for a new patrol: "bez interpunkce", a random card of 6 x 6, "37 b", "6 LD dovnitř", "".
KlicHry VychoziKlic(SifraHry sifra, QRandomGenerator &nahoda);

// pocet random keys of vzor's cipher, all different while the cipher has enough of them. Cards
// and snail tables keep vzor's size as long as it offers enough different keys, then take the
// sizes nearest to it; the wheel keeps vzor's wheel. Morseovka has two keys and Semafor one, so
// there keys repeat, each as evenly as possible.
QList<KlicHry> NahodneKlice(const KlicHry &vzor, int pocet, QRandomGenerator &nahoda);

struct Hra;

// What "Každé hlídce jiný klíč" does: every patrol gets a random key, all different where the
// cipher has enough of them, following the first patrol whose key reads (its card or table size,
// its wheel), or the cipher's default when none does.
void RozdejRuzneKlice(Hra &hra, QRandomGenerator &nahoda);

struct Hlidka
{
    QString nazev;
    QString zprava; // as typed; unused while the game gives every patrol the common message
    QString klic;   // the key text as typed
};

struct Hra
{
    SifraHry sifra = SifraHry::Morseovka;
    QList<Hlidka> hlidky;
    QString spolecnaZprava;
    bool stejnaZprava = false;    // every patrol gets spolecnaZprava
    bool prilozitPomucku = false; // each sheet carries the tool to decipher it
};

// "Hlídka 1", "Hlídka 2", …: the default name of the patrol at 0-based poradi.
QString VychoziNazevHlidky(qsizetype poradi);

// A game of VychoziPocetHlidek patrols with default names, empty messages and default keys.
Hra NovaHra(SifraHry sifra, QRandomGenerator &nahoda);

// Adds patrols with default names and keys at the end, or removes the last ones, to get pocet
// (limited to 1-12).
void ZmenPocetHlidek(Hra &hra, int pocet, QRandomGenerator &nahoda);

// Switches the game to another cipher: every patrol gets that cipher's default key.
void ZmenSifru(Hra &hra, SifraHry sifra, QRandomGenerator &nahoda);

// The message of the patrol at i as typed: the common one when the game says so.
QString ZpravaHlidky(const Hra &hra, qsizetype i);

// Cuts a text into blocks of delkaBloku characters, the last one shorter when the text does not
// fill it; an empty text gives no block. Linear in the text.
QStringList RozdelNaBloky(QStringView text, int delkaBloku);

// What one patrol's sheet and the answer sheet need.
struct SifraHlidky
{
    // The message cleaned as the cipher's window cleans its source; empty when nothing is left.
    QString zprava;
    // The enciphered text of the answer sheet: the Morse code, the wheel's text, the grille's and
    // the snail's blocks joined by one space, the text the semaphore pictures show.
    QString zasifrovano;
    // Mřížka and Šnek: each block as N rows of N characters, the top row first.
    QList<QStringList> ctverce;
    // Semafor: one picture number (1-28) per shown character, in text order.
    QList<int> obrazky;
};

// Cleans zprava with the table pair of the key's cipher window and enciphers it with that window's
// engine. A grille block is the card's N x N characters column by column, as the grille window
// gives them; a snail block is its table's rows without the spaces the snail window puts between
// them. The last block of either is filled as the engine fills a short text. A key that PrectiKlic
// could not have given (a size outside 1-10, an unknown snail corner) gives no blocks.
SifraHlidky ZasifrujZpravu(const KlicHry &klic, QStringView zprava);

// A patrol's key read and its message enciphered.
struct VysledekHlidky
{
    std::optional<KlicHry> klic; // nullopt: the key text was refused
    QString chybaKlice;          // why it was refused
    SifraHlidky sifra;           // empty while the key is refused
};

// Remembers the last result of every patrol, so asking for one patrol, or for all of them after
// one cell changed, enciphers only the patrols whose cipher, key text or message changed.
class SifrovaniHry
{
public:
    // The result for the patrol at i (0 <= i < hra.hlidky.size()).
    const VysledekHlidky &hlidka(const Hra &hra, qsizetype i);
    // How many messages were enciphered so far: what a changed cell cost.
    qsizetype pocetSifrovani() const { return m_pocetSifrovani; }
    void zapomen();

private:
    struct Zaznam
    {
        SifraHry sifra;
        QString klic;
        QString zprava;
        VysledekHlidky vysledek;
    };
    QList<std::optional<Zaznam>> m_zaznamy;
    qsizetype m_pocetSifrovani = 0;
};

// Checks that the game has 1-12 patrols and that every key reads. On the first fault: false,
// "Hlídka „<name>“: <reason>" in chyba and the patrol's index in hlidka (-1 for the count).
// Enough for saving the game file.
bool ZkontrolujKlice(const Hra &hra, QString *chyba = nullptr, qsizetype *hlidka = nullptr);

// As ZkontrolujKlice, and every patrol's message must leave something to encipher once cleaned.
// What printing, the preview and the answer report need.
bool ZkontrolujHru(const Hra &hra, SifrovaniHry &sifrovani, QString *chyba = nullptr, qsizetype *hlidka = nullptr);

// The leader's block for one patrol, exactly five lines: "Hlídka: <name>", "Šifra: <cipher>",
// "Klíč: <key>", "Zpráva: <cleaned message>", "Zašifrováno: <enciphered text>". Line breaks in the
// name become spaces, so each item stays one line.
QStringList BlokReseni(const Hra &hra, qsizetype i, SifrovaniHry &sifrovani);

inline constexpr QStringView NadpisReseni = u"Řešení pro vedoucího";

// Every patrol's block, one empty line between blocks; nullopt with ZkontrolujHru's message when
// the game does not check.
std::optional<QStringList> RadkyReseni(const Hra &hra, SifrovaniHry &sifrovani, QString *chyba = nullptr);

// The answer report saved as text: "Řešení pro vedoucího", an empty line, then RadkyReseni.
std::optional<QStringList> ZpravaReseni(const Hra &hra, SifrovaniHry &sifrovani, QString *chyba = nullptr);

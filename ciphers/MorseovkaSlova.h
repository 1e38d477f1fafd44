#pragma once
// The mnemonic words Czech scouts learn Morse code by: each letter has a word whose syllables read as
// its code, a short syllable a dot and a long one (with á, é, í, ó, ú, ů or ý) a dash, so "akát" is
// ".-". CH has its own word, after H, for the code MorseCh. The chart prints every word with its long
// syllables in bold; the trainer names the word when an answer is wrong.

#include "ciphers/Morseovka.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <array>

struct MorseSlovo
{
    QStringView znak;      // lower-case, as in MorseTabulka, or "ch"
    QStringView slovo;     // the word as it is printed
    QStringView rozdeleni; // its syllables split by "-" where the split is not obvious, else empty
};

// A to H, CH, I to Z.
inline constexpr std::array<MorseSlovo, 27> MorseSlova{{
    {u"a", u"akát", {}},
    {u"b", u"blýskavice", {}},
    {u"c", u"cílovníci", {}},
    {u"d", u"dálava", {}},
    {u"e", u"erb", {}},
    {u"f", u"Filipíny", {}},
    {u"g", u"Grónská zem", {}},
    {u"h", u"hrachovina", {}},
    {u"ch", u"chvátám k vám sám", u"chvá-tám-k vám-sám"},
    {u"i", u"ibis", {}},
    {u"j", u"jasmín bílý", {}},
    {u"k", u"krákorá", {}},
    {u"l", u"lupíneček", {}},
    {u"m", u"mává", {}},
    {u"n", u"nástup", {}},
    {u"o", u"ó náš pán", {}},
    {u"p", u"papírníci", {}},
    {u"q", u"kvílí orkán", {}},
    {u"r", u"rarášek", {}},
    {u"s", u"sobota", {}},
    {u"t", u"tón", {}},
    {u"u", u"uličník", {}},
    {u"v", u"vyučený", u"vy-u-če-ný"},
    {u"w", u"wagón klád", {}},
    {u"x", u"xénokratés", u"xé-no-kra-tés"},
    {u"y", u"ýgar mává", {}},
    {u"z", u"známá žena", {}},
}};

struct SlabikaSlova
{
    QString text;
    bool dlouha = false; // holds a long vowel: a dash of the code
    friend bool operator==(const SlabikaSlova &, const SlabikaSlova &) = default;
};

// The syllables of a word, in order; their texts put together give the word again, a space ending
// the syllable before it. With rozdeleni (the word with "-" between its syllables, where "-" may
// also stand for a space of the word, as in "tám-k vám") that split is used, and a split that does
// not spell the word gives an empty list. Without it every vowel is a syllable's core ("ou" one
// core), a part without a vowel ("k") joins the syllable after it, one consonant between two vowels
// starts the later syllable, and of more the first ends the earlier one ("ch" is one consonant).
// A word without any vowel is one short syllable. Linear in the word.
QList<SlabikaSlova> SlabikySlova(QStringView slovo, QStringView rozdeleni = {});
QList<SlabikaSlova> SlabikySlova(const MorseSlovo &slovo);

// The code the syllables read as: "-" for a long one, "." for a short one.
QString KodSlabik(const QList<SlabikaSlova> &slabiky);

// The word of a lower-case letter or of "ch"; nullptr for digits, marks and anything else.
const MorseSlovo *MorseSlovoZnaku(QStringView znak);

// The text as a screen reader should say it: each Morse code in it (a run of ".", "-" and "/", not
// inside a word, that holds a "-", is two or more characters long or is the whole text) spoken as "tečka", "čárka" and
// "lomítko" between spaces, the rest as it stands, so "a = .-" reads "a = tečka čárka" while the
// full stop of "Správně." stays one. Linear in the text.
QString MorseKeCteni(QStringView text);

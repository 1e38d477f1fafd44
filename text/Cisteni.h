#pragma once
// Text cleaning, the first step of every cipher.
//
// Data flow of the core library: a window takes the text as the user typed it,
// lower-cases it (MalymiPismeny), cleans it with its table pair (VycistiText:
// folds Czech diacritics, deletes what its cipher cannot use), hands the cleaned
// text to an engine in ciphers/ and shows the engine's result. The description
// store (descriptions/) uses the same routine to turn titles into folder names
// and menu captions.
//
// A table pair is a source set and a replacement string: the character at
// position p of the source set becomes the character at position p of the
// replacement, or is deleted when the replacement is shorter. The first
// occurrence in the source set wins; characters that are in no set pass through.

#include <QString>
#include <QStringView>

// The 24 accented lower-case letters every tool table folds, and what they fold to.
inline constexpr QStringView NahradaMala = u"aacdeeillnoooorstuuuuyrz";
// The same followed by the plain capitals: the file-name table folds both cases.
inline constexpr QStringView NahradaVelka = u"aacdeeillnoooorstuuuuyrzAACDEEILLNOOOORSTUUUUYRZ";

// Morse encoding without punctuation: folds, deletes line breaks and every punctuation mark (65).
inline constexpr QStringView ZnakyMorseBezInterpunkce =
    u"\u00E1\u00E4\u010D\u010F\u00E9\u011B\u00ED\u013A\u013E\u0148\u00F3\u00F4\u0151\u00F6\u0155\u0161\u0165\u00FA"
    u"\u016F\u0171\u00FC\u00FD\u0159\u017E\n\r!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~\u00A7\u00A8\u00B0\u00B4\u02C7()";
// Morse encoding with punctuation: keeps the thirteen marks that have a Morse code (50).
inline constexpr QStringView ZnakyMorseSInterpunkci =
    u"\u00E1\u00E4\u010D\u010F\u00E9\u011B\u00ED\u013A\u013E\u0148\u00F3\u00F4\u0151\u00F6\u0155\u0161\u0165\u00FA"
    u"\u016F\u0171\u00FC\u00FD\u0159\u017E\n\r#$%&'*+<>@[\\]^`{|}~\u00A7\u00A8\u00B0\u00B4\u02C7";
// Morse decoding: replacement is empty, so everything listed (letters and digits too) is deleted (97).
inline constexpr QStringView ZnakyMorseDesifrovani =
    u"\u00E1\u00E4\u010D\u010F\u00E9\u011B\u00ED\u013A\u013E\u0148\u00F3\u00F4\u0151\u00F6\u0155\u0161\u0165\u00FA"
    u"\u016F\u0171\u00FC\u00FD\u0159\u017E0123456789abcdefghijklmnopqrstuvwxyz\n\r !\"#$%&'()*+,;<=>@[\\]^_`{|}~"
    u"\u00A7\u00A8\u00B0\u00B4\u02C7()";
// Turning grille (62).
inline constexpr QStringView ZnakyMrizka =
    u"\u00E1\u00E4\u010D\u010F\u00E9\u011B\u00ED\u013A\u013E\u0148\u00F3\u00F4\u0151\u00F6\u0155\u0161\u0165\u00FA"
    u"\u016F\u0171\u00FC\u00FD\u0159\u017E\n\r !\"#$%&'()*,./:;<>?@[\\]^`{|}~\u00A7\u00A8\u00B0\u00B4\u02C7()";
// Cipher wheel, for the text and for the key (62).
inline constexpr QStringView ZnakyKolecko =
    u"\u00E1\u00E4\u010D\u010F\u00E9\u011B\u00ED\u013A\u013E\u0148\u00F3\u00F4\u0151\u00F6\u0155\u0161\u0165\u00FA"
    u"\u016F\u0171\u00FC\u00FD\u0159\u017E\n\r!\"#$%&'()*+,./<=>?@[\\]^_`{|}~\u00A7\u00A8\u00B0\u00B4\u02C7()";
// Snail (63).
inline constexpr QStringView ZnakySnek =
    u"\u00E1\u00E4\u010D\u010F\u00E9\u011B\u00ED\u013A\u013E\u0148\u00F3\u00F4\u0151\u00F6\u0155\u0161\u0165\u00FA"
    u"\u016F\u0171\u00FC\u00FD\u0159\u017E\n\r !\"#$%&'()*,./:;<>?@[\\]^_`{|}~\u00A7\u00A8\u00B0\u00B4\u02C7()";
// Semaphore: keeps "*", the numerals sign (62).
inline constexpr QStringView ZnakySemafor =
    u"\u00E1\u00E4\u010D\u010F\u00E9\u011B\u00ED\u013A\u013E\u0148\u00F3\u00F4\u0151\u00F6\u0155\u0161\u0165\u00FA"
    u"\u016F\u0171\u00FC\u00FD\u0159\u017E\n\r!\"#$%&'()+,-./<=>?@[\\]^_`{|}~\u00A7\u00A8\u00B0\u00B4\u02C7()";
// Description title to folder and file-name stem: folds both cases, deletes what a file name cannot hold (80).
inline constexpr QStringView ZnakyVlastni =
    u"\u00E1\u00E4\u010D\u010F\u00E9\u011B\u00ED\u013A\u013E\u0148\u00F3\u00F4\u0151\u00F6\u0155\u0161\u0165\u00FA"
    u"\u016F\u0171\u00FC\u00FD\u0159\u017E\u00C1\u00C4\u010C\u010E\u00C9\u011A\u00CD\u0139\u013D\u0147\u00D3\u00D4"
    u"\u0150\u00D6\u0154\u0160\u0164\u00DA\u016E\u0170\u00DC\u00DD\u0158\u017D:/?., !~`@#$%^&*\\|\"'<>\u00A7()"
    u"\u02C7\u00B0\u00B4\u00A8;\n\r";
// Menu captions from description titles: drops spaces and line breaks only (3).
inline constexpr QStringView ZnakyNadpis = u" \n\r";

// Replaces or deletes each UTF-16 code unit of text found in zdroj (see above). Linear in the text.
QString VycistiText(QStringView text, QStringView zdroj, QStringView nahrada);

// The locale-independent full Unicode lower-case mapping every tool window applies before cleaning.
QString MalymiPismeny(QStringView text);

// Lower-cases, then cleans: what a tool window does to its source text at every press.
QString VycistiMalymi(QStringView text, QStringView zdroj, QStringView nahrada);

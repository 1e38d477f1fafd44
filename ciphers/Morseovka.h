#pragma once
// Morse code: one table of characters and their codes, shared by the encoder,
// the decoder and the Morse quiz. Encoded text writes "." and "-", ends every
// character with "/" and adds one more "/" for each space of the source.

#include <QList>
#include <QString>
#include <QStringView>
#include <array>

struct MorseZnak
{
    QStringView znak;
    QStringView kod;
};

// Entries in use without punctuation: placeholder, digits, letters.
inline constexpr int MorseBezInterpunkce = 37;
// Entries in use with the thirteen punctuation marks too: the whole table.
inline constexpr int MorseSInterpunkci = 50;

// Entry 0 is an empty placeholder; then "0"-"9", "a"-"z" and thirteen marks, in
// this order, which decides which entries a given count keeps in use.
inline constexpr std::array<MorseZnak, MorseSInterpunkci> MorseTabulka{{
    {u"", u""},        {u"0", u"-----"},  {u"1", u".----"},  {u"2", u"..---"},  {u"3", u"...--"},  {u"4", u"....-"},
    {u"5", u"....."},  {u"6", u"-...."},  {u"7", u"--..."},  {u"8", u"---.."},  {u"9", u"----."},  {u"a", u".-"},
    {u"b", u"-..."},   {u"c", u"-.-."},   {u"d", u"-.."},    {u"e", u"."},      {u"f", u"..-."},   {u"g", u"--."},
    {u"h", u"...."},   {u"i", u".."},     {u"j", u".---"},   {u"k", u"-.-"},    {u"l", u".-.."},   {u"m", u"--"},
    {u"n", u"-."},     {u"o", u"---"},    {u"p", u".--."},   {u"q", u"--.-"},   {u"r", u".-."},    {u"s", u"..."},
    {u"t", u"-"},      {u"u", u"..-"},    {u"v", u"...-"},   {u"w", u".--"},    {u"x", u"-..-"},   {u"y", u"-.--"},
    {u"z", u"--.."},   {u"?", u"..--.."}, {u",", u"--..--"}, {u"!", u"-.-.--"}, {u".", u".-.-.-"}, {u";", u"-.-.-."},
    {u"/", u"-..-."},  {u"=", u"-...-"},  {u"-", u"-....-"}, {u"(", u"-.--."},  {u")", u"-.--.-"}, {u"\"", u".-..-."},
    {u":", u"---..."}, {u"_", u"..--.-"},
}};

// Czech scouts write CH as a letter of its own with four dashes, a code no
// table entry has. It is in use wherever "c" and "h" are, that is when
// pocetZnaku reaches past the entry of "h" (which comes after "c").
inline constexpr MorseZnak MorseCh{u"ch", u"----"};
inline constexpr int MorseZaznamH = 18;
static_assert(MorseTabulka[MorseZaznamH].znak[0] == u'h' && MorseTabulka[13].znak[0] == u'c');

// How the encoder and the decoder treat "ch": as "c" followed by "h" (the
// table's way and the default), or as the letter MorseCh.
enum class ZapisCh
{
    JakoCaH,
    JakoZnak,
};

// The code of a lower-case letter, digit or mark of the whole table, or of
// "ch"; empty for anything else.
QStringView MorseKod(QStringView znak);

// Encodes a cleaned text with the first pocetZnaku table entries; characters
// without a code in use are dropped, a space adds a "/". With ZapisCh::JakoZnak
// each "ch" of the text, read from the left, is written as "----". Linear in the text.
QString MorseSifruj(QStringView text, int pocetZnaku, ZapisCh ch = ZapisCh::JakoCaH);

// Decodes Morse text: "/" ends a character, "//" gives a space, "///" a full
// stop and a space; codes not in use give nothing. With ZapisCh::JakoZnak the
// code "----" gives "ch". Linear in the text.
QString MorseDesifruj(QStringView text, int pocetZnaku, ZapisCh ch = ZapisCh::JakoCaH);

// The ascending 1-based positions of every "/" in text (a Rabin-Karp search).
QList<int> NajdiOddelovace(QStringView text);

#pragma once
// The pictures of the cipher descriptions that ship with Talvo (the store talvoPrehled).
//
// Like the numbered bitmaps they are drawn at build time from the engines' own tables and
// results, so a picture can never teach a different cipher from the one the windows run;
// generuj_prehled writes them into the shipped store next to the texts. None is wider or
// higher than 700 pixels, the most an overview window shows. Each picture also hands out
// what it shows as plain data, for the tests to hold against the engines.

#include "ciphers/Kolecko.h"
#include "ciphers/Morseovka.h"
#include "ciphers/Mrizka.h"
#include "ciphers/Snek.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringView>

// The widest and highest picture an overview shows whole.
inline constexpr int NejvetsiObrazekPopisu = 700;

// The sans-serif font of every description picture, sized in pixels.
QFont pismoPopisu(int pixely, bool tucne = false);

// Morse table: the letters, the digits and the punctuation marks in three blocks of columns,
// each block in the order of MorseTabulka.
struct SloupecMorseovky
{
    QString nadpis;
    QList<MorseZnak> znaky;
};
QList<SloupecMorseovky> sloupceTabulkyMorseovky();
QImage nakresliTabulkuMorseovky();

// Semaphore chart: the signs it shows, in reading order (row by row), as the encoder numbers them.
QList<int> znameniAbecedySemaforu();
QImage nakresliAbeceduSemaforu();

// A semaphore example: the text cleaned as the semaphore window cleans it, and for each of its
// characters the sign the encoder gives it (0 for a character without one; 28 is the space).
struct ZnakSemaforu
{
    QChar znak;
    int cislo = 0;
};
inline constexpr QStringView PrikladSemaforu = u"Ahoj, sraz v *7j";
QList<ZnakSemaforu> znakyPrikladuSemaforu(QStringView text);
QImage nakresliPrikladSemaforu(QStringView text);

// Cipher wheel to cut out: the big fixed disc with the outer ring and the small turning disc with
// the inner ring, side by side. Every label with the angle it stands at, measured on its own disc
// clockwise from the disc's top, where the two "A" meet when the wheel is put together.
struct PopisekDilu
{
    QString text;
    double uhel;
};
struct DilyKolecka
{
    QList<PopisekDilu> vnejsi;
    QList<PopisekDilu> vnitrni;
};
DilyKolecka dilyKolecka(DruhKolecka druh);
QImage nakresliKoleckoKVystrizeni(DruhKolecka druh);

// A snail example: the text cleaned as the snail window cleans it and the table the engine fills.
struct PrikladSneka
{
    QStringView text;
    int velikost;
    int roh;
    int smer;
};
inline constexpr PrikladSneka PrikladSnekaPopisu{u"Sraz u velkého dubu v osm", 5, LevyHorni, Dovnitr};
// One cell of the table: the character the engine wrote there and the cell's place on the spiral
// as the picture numbers it, 1 where the walk in the chosen direction starts.
struct BunkaPrikladuSneka
{
    QChar znak;
    int poradi = 0;
};
// Row by row from the top, each row from the left.
QList<QList<BunkaPrikladuSneka>> tabulkaPrikladuSneka(const PrikladSneka &priklad);
QImage nakresliPrikladSneka(const PrikladSneka &priklad);

// Turning grille: the card in one of its four positions (0 = A, the card as cut, to 3 = D), with
// the cells its holes uncover and the characters written through them in that position, in the
// grille's reading order (column by column, each from the top). The text is cleaned as the grille
// window cleans it. Cells uncovered already in an earlier position show what was written there
// then and add nothing.
struct PolohaMrizky
{
    QList<QPoint> okenka; // (column, row)
    QString nove;
};
// The grille window's own starting text, so that the example is what the window shows on its first press.
inline constexpr QStringView PrikladMrizky = u"Toto je text který chci celý zašifrovat 123";
QList<PolohaMrizky> polohyMrizky(QStringView text, const Okenka &okenka, int n);
// The worked example: the card, its four positions as the text is written, and the full square.
QImage nakresliPrikladMrizky(QStringView text, const Okenka &okenka, int n);
// The card alone, large, its holes dark, the edge letters A-D telling which position is on top.
QImage nakresliMrizkuKVystrizeni(const Okenka &okenka, int n);
// Where cell (column, row) of the card lies on nakresliMrizkuKVystrizeni.
QRect bunkaMrizkyKVystrizeni(int n, QPoint bunka);

#pragma once
// Morse code as sound. The "." "-" "/" text of the Morse engine becomes a tone keyed on and off
// by the PARIS timing: a dot lasts 1200 / WPM milliseconds (one unit), a dash three units, the
// elements of one character are one unit apart, "/" (the end of a character) is a gap of three
// units, "//" (a word gap) seven and "///" (the end of a sentence) ten. Every tone rises and falls
// over about 5 ms so that it does not click.
//
// With an effective speed below the character speed (Farnsworth timing, as the ARRL defines it) the
// characters keep their own speed and only the gaps of three, seven and ten units are stretched, so
// that the word PARIS with its word gap lasts 60 / effective speed seconds: one gap unit is then
// t_a / 19 with t_a = (60 c - 37.2 s) / (s c) seconds, c the character and s the effective speed.
//
// Every sound starts with a silence of seven dot units, so that a player does not swallow the first
// tone, and ends with a word gap, so that a listener or a decoder hears the last character end.
//
// CasovaniMorseovky is the one timing of a code: the stretches of tone and silence with their lengths
// in samples. ZvukMorseovky turns it into samples piece by piece, so the player and the WAV export
// read the same sound and a long code never needs all its samples in memory at once; anything else
// that keys a signal (a blinking lamp) takes the same stretches, in milliseconds with vzorkovani 1000
// or as vzorku * 1000 / vzorkovani.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

class QIODevice;

struct NastaveniZvuku
{
    static constexpr int NejmeneSlov = 5;
    static constexpr int NejviceSlov = 40;
    static constexpr int NejnizsiTon = 400;
    static constexpr int NejvyssiTon = 1000;

    int slovZaMinutu = 12;  // the speed of the characters
    int frekvence = 700;    // the tone in Hz
    int vzorkovani = 44100; // samples per second
    // The overall speed the gaps are stretched to (at least NejmeneSlov); 0, or anything at or above
    // slovZaMinutu, keeps the gaps of the character speed.
    int efektivniSlovZaMinutu = 0;
};

// One stretch of the sound, in dot units: a tone or a silence.
struct UsekZvuku
{
    bool ton = false;
    int jednotky = 0;
    friend bool operator==(const UsekZvuku &, const UsekZvuku &) = default;
};

// The tones and silences of a Morse code. Gaps before the first and after the last tone are left
// out, a run of four or more "/" is a sentence gap too, and any character other than ".", "-" and
// "/" (a line break, a space) is passed over. Linear in the code.
QList<UsekZvuku> UsekyMorseovky(QStringView kod);

// The number of samples one dot unit lasts.
qint64 vzorkuNaJednotku(const NastaveniZvuku &nastaveni);

// The number of samples one unit of the gaps between characters, words and sentences lasts: a dot
// unit without stretching, t_a / 19 with it (rounded once, so every gap is a whole number of them).
qint64 vzorkuNaJednotkuMezery(const NastaveniZvuku &nastaveni);

// One stretch of the sound as it is played: a tone or a silence and its length in samples.
struct UsekCasovani
{
    bool ton = false;
    qint64 vzorku = 0;
    friend bool operator==(const UsekCasovani &, const UsekCasovani &) = default;
};

// Walks the timing of a code stretch by stretch: a silence of seven dot units before the first tone,
// then the stretches of UsekyMorseovky, tones and the gaps inside a character at the dot unit and the
// gaps of three or more units at the gap unit, and a word gap (seven gap units) after the last tone.
// A code without a tone has no stretches at all. The code must outlive the walker; each step costs
// time in proportion to the characters it passes, so a sound or a lamp of any length starts at once.
class CasovacMorseovky
{
public:
    CasovacMorseovky(QStringView kod, const NastaveniZvuku &nastaveni);

    // The next stretch in samples into *usek and, when asked, in units into *vJednotkach (the silences
    // at the ends count 7); false once the sound is over.
    bool dalsi(UsekCasovani *usek, UsekZvuku *vJednotkach = nullptr);
    void naZacatek();

private:
    enum class Stav
    {
        Zacatek,
        Ton,
        Mezera,
        Konec,
        Hotovo,
    };
    // The position of the next "." or "-" from od on (or the end), counting the "/" passed.
    qsizetype najdiTon(qsizetype od);

    QStringView m_kod;
    qint64 m_jednotka = 0;
    qint64 m_jednotkaMezery = 0;
    qsizetype m_pozice = 0;
    int m_oddelovacu = 0;
    Stav m_stav = Stav::Zacatek;
};

// The whole walk of CasovacMorseovky as a list. Linear in the code.
QList<UsekCasovani> CasovaniMorseovky(QStringView kod, const NastaveniZvuku &nastaveni);

class ZvukMorseovky
{
public:
    ZvukMorseovky(QStringView kod, const NastaveniZvuku &nastaveni);
    // The walker reads the sound's own copy of the code.
    ZvukMorseovky(const ZvukMorseovky &) = delete;
    ZvukMorseovky &operator=(const ZvukMorseovky &) = delete;

    const NastaveniZvuku &nastaveni() const { return m_nastaveni; }
    qint64 pocetVzorku() const { return m_pocet; }
    qint64 zbyva() const { return m_pocet - m_precteno; }

    // Writes the next samples, at most nejvice of them, to cil as 16-bit mono PCM; returns how
    // many it wrote, 0 once the sound is over.
    qint64 ctiVzorky(qint16 *cil, qint64 nejvice);
    void naZacatek();

private:
    NastaveniZvuku m_nastaveni;
    QString m_kod;
    CasovacMorseovky m_casovac;
    qint64 m_nabeh = 0;
    qint64 m_pocet = 0;
    qint64 m_precteno = 0;
    UsekCasovani m_usek;
    bool m_maUsek = false;
    qint64 m_vUseku = 0;
};

// All samples of a code at once.
QList<qint16> VzorkyMorseovky(QStringView kod, const NastaveniZvuku &nastaveni);

// The 44-byte header of a 16-bit mono PCM WAV file of pocetVzorku samples; empty when that many
// samples do not fit the format's 4 GiB.
QByteArray HlavickaWav(qint64 pocetVzorku, int vzorkovani);

// Writes the whole sound as a WAV file to zarizeni, which is open for writing. False with the
// reason in *chyba when the sound is too long for a WAV file or the device refuses a write.
bool ZapisWav(QIODevice &zarizeni, ZvukMorseovky &zvuk, QString *chyba);

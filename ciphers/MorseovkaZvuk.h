#pragma once
// Morse code as sound. The "." "-" "/" text of the Morse engine becomes a tone keyed on and off
// by the PARIS timing: a dot lasts 1200 / WPM milliseconds (one unit), a dash three units, the
// elements of one character are one unit apart, "/" (the end of a character) is a gap of three
// units, "//" (a word gap) seven and "///" (the end of a sentence) ten. Every tone rises and falls
// over about 5 ms so that it does not click.
//
// ZvukMorseovky hands the samples out piece by piece, so the player and the WAV export read the
// same sound and a long code never needs all its samples in memory at once.

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

    int slovZaMinutu = 12;
    int frekvence = 700;    // the tone in Hz
    int vzorkovani = 44100; // samples per second
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

class ZvukMorseovky
{
public:
    ZvukMorseovky(QStringView kod, const NastaveniZvuku &nastaveni);

    const NastaveniZvuku &nastaveni() const { return m_nastaveni; }
    qint64 pocetVzorku() const { return m_pocet; }
    qint64 zbyva() const { return m_pocet - m_precteno; }

    // Writes the next samples, at most nejvice of them, to cil as 16-bit mono PCM; returns how
    // many it wrote, 0 once the sound is over.
    qint64 ctiVzorky(qint16 *cil, qint64 nejvice);
    void naZacatek();

private:
    NastaveniZvuku m_nastaveni;
    QList<UsekZvuku> m_useky;
    qint64 m_jednotka = 0;
    qint64 m_nabeh = 0;
    qint64 m_pocet = 0;
    qint64 m_precteno = 0;
    qsizetype m_usek = 0;
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

#pragma once
// Morse sent on a key: the lengths of the key presses and of the pauses between them become Morse
// code in the program's format ("." dot, "-" dash, "/" end of a letter, "//" a word gap), which the
// Morse engine then decodes.
//
// The decoder starts from the speed it is given (one unit lasts 1200 / WPM ms, a dot one unit, a
// dash three) and then follows the sender: the dot/dash threshold sits midway between the running
// averages of the dots and of the dashes seen so far (the given speed counting as one of each), and
// the gap thresholds scale with the unit that threshold implies. So a child sending slowly and
// unevenly is still read. A window shows kod() as it grows and calls dokonciZnak() after a silence
// of a few jednotkaMs().
//
// Durations are taken one by one, alternately key down and key up, starting with key down; each
// costs constant time. Odd durations have a defined meaning and never stop the decoder:
// - zero or negative: a key down of 0 ms or less is no press, so the pause around it goes on (the
//   key ups before and after it count as one pause); a key up of 0 ms or less is no pause, the next
//   press belongs to the same letter;
// - longer than NejdelsiUsekMs: counted as NejdelsiUsekMs (a dash, or a word gap).

#include <QList>
#include <QString>

class DekoderKlicovani
{
public:
    // The speeds the decoder starts from; a speed outside is taken as the nearest of them.
    static constexpr int NejmeneSlov = 5;
    static constexpr int NejviceSlov = 40;
    // The speeds the sender's estimate may reach (a unit of 600 to 20 ms).
    static constexpr int NejmeneSlovOdhad = 2;
    static constexpr int NejviceSlovOdhad = 60;
    static constexpr int NejdelsiUsekMs = 60000;
    // A pause of at least this many units ends a letter, of at least this many a word.
    static constexpr double MezeraZnaku = 2.0;
    static constexpr double MezeraSlova = 5.0;

    explicit DekoderKlicovani(int slovZaMinutu);

    // Takes the next duration: a key down when cekaStisk(), else a key up.
    void pridej(int delkaMs);
    // Ends the letter being sent, as a long enough pause would; the pause that follows adds only
    // what it still warrants (a word gap). Does nothing when no letter is open.
    void dokonciZnak();

    const QString &kod() const { return m_kod; }
    bool cekaStisk() const { return m_cekaStisk; }
    // True while the code ends with a letter that no pause has ended yet.
    bool znakOtevreny() const { return m_oddelovacu == 0 && !m_kod.isEmpty(); }
    // The current estimate of one unit, and the speed it makes.
    double jednotkaMs() const { return prah() / 2.0; }
    int odhadSlovZaMinutu() const;
    // A key down this long or longer is a dash.
    double prahCarkyMs() const { return prah(); }

private:
    // A running average; pocet counts the given speed as the first sample.
    struct Prumer
    {
        double hodnota = 0;
        int pocet = 0;
        void pridej(double vzorek);
    };

    double prah() const;
    void stisk(double delka);
    void pauza(double delka);
    void pripisOddelovace(int kolik);

    Prumer m_tecky;
    Prumer m_carky;
    QString m_kod;
    double m_pauza = 0;   // the pause going on since the last press
    int m_oddelovacu = 0; // "/" written since the last press, at most two
    bool m_cekaStisk = true;
};

// The Morse code of a whole list of durations (milliseconds, key down first, then alternately key up
// and key down) sent at about slovZaMinutu. The last letter is ended, and the code ends with "/", only
// when the list ends with a pause long enough to end it.
QString KlicovaniNaMorse(const QList<int> &delkyMs, int slovZaMinutu);

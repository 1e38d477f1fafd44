#include "ciphers/Klicovani.h"

#include <QtGlobal>

#include <algorithm>

namespace {

constexpr double MsZaMinutuNaSlovo = 1200.0; // one unit at 1 word per minute (PARIS timing)

// The average weighs the first samples equally and then keeps to the last few, so it settles on a
// sender within a letter or two and still follows one who speeds up or tires.
constexpr int PametPrumeru = 8;

} // namespace

void DekoderKlicovani::Prumer::pridej(double vzorek)
{
    pocet = std::min(pocet + 1, PametPrumeru);
    hodnota += (vzorek - hodnota) / pocet;
}

DekoderKlicovani::DekoderKlicovani(int slovZaMinutu)
{
    const double jednotka = MsZaMinutuNaSlovo / std::clamp(slovZaMinutu, NejmeneSlov, NejviceSlov);
    m_tecky = {jednotka, 1};
    m_carky = {3 * jednotka, 1};
}

// Midway between a dot and a dash, that is two units. The given speed counts as one dot and one
// dash already seen, so one uneven first press cannot throw the threshold far; its weight fades
// as the sender's own presses fill the averages. Until a dash has been seen, dashes are taken as
// three of the (averaged) dots, and dots as a third of the dashes until a dot has been seen, so the
// threshold follows the sender from the first press rather than waiting for both kinds. Kept
// within the speeds of the estimate, so that a run of key bounces or a key held down for minutes
// cannot drive it to nothing or to infinity.
double DekoderKlicovani::prah() const
{
    const bool tecky = m_tecky.pocet > 1;
    const bool carky = m_carky.pocet > 1;
    const double tecka = tecky || !carky ? m_tecky.hodnota : m_carky.hodnota / 3;
    const double carka = carky || !tecky ? m_carky.hodnota : 3 * m_tecky.hodnota;
    return std::clamp((tecka + carka) / 2, 2 * MsZaMinutuNaSlovo / NejviceSlovOdhad,
                      2 * MsZaMinutuNaSlovo / NejmeneSlovOdhad);
}

int DekoderKlicovani::odhadSlovZaMinutu() const
{
    return qRound(MsZaMinutuNaSlovo / jednotkaMs());
}

void DekoderKlicovani::pridej(int delkaMs)
{
    const double delka = std::clamp(delkaMs, 0, NejdelsiUsekMs);
    if (m_cekaStisk)
        stisk(delka);
    else
        pauza(delka);
    m_cekaStisk = !m_cekaStisk;
}

// A press is a dot or a dash by the threshold of the presses before it; it then moves its own
// average. A dash is counted as at most three thresholds, so that one press held far too long moves
// the threshold by a step, not by its whole length; short presses need no such guard, the estimate's
// fastest speed bounds them.
void DekoderKlicovani::stisk(double delka)
{
    if (delka <= 0)
        return;
    const double p = prah();
    if (delka < p) {
        m_kod += u'.';
        m_tecky.pridej(delka);
    } else {
        m_kod += u'-';
        m_carky.pridej(std::min(delka, 3 * p));
    }
    m_pauza = 0;
    m_oddelovacu = 0;
}

// Nominal pauses are 1 unit inside a letter, 3 between letters and 7 between words; a pause counts
// as the longer kind from midway on (2 and 5 units), which gives an uneven sender the same margin
// both ways. The pause since the last press adds up, so a press of 0 ms splits no pause.
void DekoderKlicovani::pauza(double delka)
{
    m_pauza = std::min(m_pauza + delka, double(NejdelsiUsekMs));
    const double jednotka = jednotkaMs();
    if (m_pauza >= MezeraSlova * jednotka)
        pripisOddelovace(2);
    else if (m_pauza >= MezeraZnaku * jednotka)
        pripisOddelovace(1);
}

void DekoderKlicovani::dokonciZnak()
{
    pripisOddelovace(1);
}

// Writes "/" until kolik of them follow the last press; nothing before the first press.
void DekoderKlicovani::pripisOddelovace(int kolik)
{
    if (m_kod.isEmpty())
        return;
    for (; m_oddelovacu < kolik; ++m_oddelovacu)
        m_kod += u'/';
}

QString KlicovaniNaMorse(const QList<int> &delkyMs, int slovZaMinutu)
{
    DekoderKlicovani dekoder(slovZaMinutu);
    for (const int delka : delkyMs)
        dekoder.pridej(delka);
    return dekoder.kod();
}

#pragma once
// The semaphore quiz's logic, apart from its window. A question is one sign: the letters A-Z (picture
// 10 as the letter J) or the numerals sign (picture 27, answered "ČÍSLICE"). It comes with four
// different choices, the sign asked among them at a random place; in the mode ObrazekNaPismeno the
// picture is shown and the choices are names, in PismenoNaObrazek the name is shown and the choices
// are pictures. Either way a choice is a picture number, so checking does not depend on the mode.
// An answer counts once; the score counts every question asked so far.

#include <QList>
#include <QRandomGenerator>
#include <QString>

#include <array>
#include <optional>

enum class RezimSemaforTestu
{
    ObrazekNaPismeno, // the picture is shown, its letter is chosen
    PismenoNaObrazek, // the letter is shown, its picture is chosen
};

struct VysledekSemaforu
{
    bool spravne = false;
    // "Správně", or "Špatně: <the right name>".
    QString text;
};

class TSemaforTestModel
{
public:
    static constexpr int PocetVoleb = 4;

    // The pictures asked, ascending: 1-26 and the numerals sign.
    static QList<int> ptaneObrazky();
    // The name a sign is asked and answered by: "A"-"Z", "ČÍSLICE"; empty for a picture not asked.
    static QString nazev(int obrazek);

    // Questions are drawn from a generator started from pocatek: the same start asks the same questions.
    explicit TSemaforTestModel(quint32 pocatek);

    RezimSemaforTestu rezim() const { return m_rezim; }
    // The current question and its choices stay; only how they are shown changes.
    void nastavRezim(RezimSemaforTestu rezim) { m_rezim = rezim; }

    // Draws the next sign, never the one asked just before, and its choices.
    void dalsiOtazka();
    // The picture asked; 0 before the first question.
    int obrazekOtazky() const { return m_otazka; }
    // The picture numbers of the four choices, in the order they are offered.
    const std::array<int, PocetVoleb> &volby() const { return m_volby; }
    bool cekaNaOdpoved() const { return m_otazka > 0 && !m_zodpovezeno; }

    // Checks the choice at index volba (0-3). Nothing while no question waits for an answer or for
    // an index out of range.
    std::optional<VysledekSemaforu> over(int volba);

    int pocetOdpovedi() const { return m_odpovedi; }
    int pocetSpravnych() const { return m_spravnych; }
    // "Správně: R z N".
    QString textSkore() const;

private:
    QRandomGenerator m_nahoda;
    RezimSemaforTestu m_rezim = RezimSemaforTestu::ObrazekNaPismeno;
    int m_otazka = 0;
    std::array<int, PocetVoleb> m_volby{};
    bool m_zodpovezeno = false;
    int m_odpovedi = 0;
    int m_spravnych = 0;
};

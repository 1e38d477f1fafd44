#pragma once
// The Morse trainer's logic, apart from its window. The trainer teaches the characters one by one in
// the order of MorsePoradiTreninku (Koch's method): level k trains the first k + 1 of them. A question
// is one trained character, drawn so that the newest one and the ones answered wrong come up more
// often; the answer is checked and named with its code and its mnemonic word; after at least 20
// answers at a level, 18 right among the last 20 move the trainer one level up.
//
// The window shows textOtazky() (in the listening mode it plays kodOtazky() instead), passes the typed
// answer to over() and shows the result's text, textSkore() and statistika(); dalsiOtazka() moves on.

#include <QList>
#include <QRandomGenerator>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

enum class RezimTreninku
{
    KodNaPismeno, // the code is shown, the letter is typed
    PismenoNaKod, // the letter is shown, its code is typed with "." and "-"
    Poslech,      // the code is played, the letter is typed
};

// The order the trainer adds characters in: lower-case, CH as the one letter "ch".
inline constexpr std::array<QStringView, 37> MorsePoradiTreninku{
    u"e", u"t", u"i", u"a", u"n", u"m", u"s", u"u", u"r", u"w", u"d", u"k", u"g", u"o", u"h", u"ch", u"v", u"f", u"l",
    u"p", u"j", u"b", u"x", u"c", u"y", u"z", u"q", u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8",  u"9", u"0",
};

struct VysledekOdpovedi
{
    bool spravne = false;
    bool postup = false; // this answer moved the trainer a level up
    // "Správně: A je .- (akát)" or "Špatně: A je .- (akát)" (digits have no word), and after a line
    // break "Postup na úroveň k" when the level went up.
    QString text;
};

// One row of the statistics table.
struct StatistikaZnaku
{
    QString znak; // as shown: capitals, "CH"
    QString kod;
    int odpovedi = 0;
    int spravne = 0;
    // Rounded to a whole percent; -1 while the character has no answer.
    int procentSpravne() const { return odpovedi > 0 ? (200 * spravne + odpovedi) / (2 * odpovedi) : -1; }
};

class TMorseTreninkModel
{
public:
    static constexpr int NejnizsiUroven = 1;
    static constexpr int NejvyssiUroven = int(MorsePoradiTreninku.size()) - 1;
    static constexpr int OdpovediBrany = 20; // the answers the level-up gate looks back on
    static constexpr int SpravnychBrany = 18;

    // Questions are drawn from a generator started from pocatek: the same start asks the same questions.
    explicit TMorseTreninkModel(quint32 pocatek);

    RezimTreninku rezim() const { return m_rezim; }
    // The current question stays; only how it is asked and answered changes.
    void nastavRezim(RezimTreninku rezim) { m_rezim = rezim; }

    int uroven() const { return m_uroven; }
    // Clamped to NejnizsiUroven..NejvyssiUroven; the gate starts counting again. The current
    // question stays until dalsiOtazka().
    void nastavUroven(int uroven);
    int pocetTrenovanych() const { return m_uroven + 1; }

    // Draws the next question among the trained characters, never the one asked just before while
    // more than one is trained. A character weighs 2, the newest 6 more, and 3 more for each wrong
    // answer not yet made good by a right one (at most 5 of them count). O(trained characters).
    void dalsiOtazka();
    bool maOtazku() const { return m_otazka >= 0; }
    // A question has been drawn and not yet checked.
    bool cekaNaOdpoved() const { return m_otazka >= 0 && !m_zodpovezeno; }

    // The character asked, lower-case ("ch" for CH); empty before the first question.
    QStringView znakOtazky() const;
    QString kodOtazky() const;
    // What the question label shows: the code, the character in capitals, or nothing when listening.
    QString textOtazky() const;

    // Checks an answer to the current question: a letter, digit or "ch" (case and surrounding spaces
    // ignored), in the mode PismenoNaKod a code of "." and "-" (surrounding spaces ignored). An
    // empty answer is wrong. Counts it once: nothing while no question waits for an answer.
    std::optional<VysledekOdpovedi> over(QStringView odpoved);

    int pocetOdpovedi() const { return m_odpovedi; }
    int pocetSpravnych() const { return m_spravnych; }
    // "Správně: R z N" over every question asked so far.
    QString textSkore() const;

    // The trained characters in training order, then those answered at a higher level before.
    QList<StatistikaZnaku> statistika() const;

private:
    struct Znak
    {
        int odpovedi = 0;
        int spravne = 0;
        int chyby = 0; // wrong answers not yet made good
    };

    int vaha(int znak) const;
    bool zapocitejDoBrany(bool spravne);

    QRandomGenerator m_nahoda;
    RezimTreninku m_rezim = RezimTreninku::KodNaPismeno;
    int m_uroven = NejnizsiUroven;
    std::array<Znak, MorsePoradiTreninku.size()> m_znaky{};
    int m_otazka = -1;
    bool m_zodpovezeno = false;
    int m_odpovedi = 0;
    int m_spravnych = 0;
    // The last OdpovediBrany answers at this level, as a ring, and how many answers it has had.
    std::array<bool, OdpovediBrany> m_posledni{};
    int m_odpovediUrovne = 0;
    int m_spravnychVBrane = 0;
};

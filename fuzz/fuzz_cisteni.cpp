// VycistiText with every table pair of the program, against the routine written out plainly:
// each character looked up in the source set, replaced or deleted.
#include "Fuzz.h"

#include "text/Cisteni.h"

#include <array>
#include <utility>

namespace {
const std::array<std::pair<QStringView, QStringView>, 9> Tabulky{{
    {ZnakyMorseBezInterpunkce, NahradaMala},
    {ZnakyMorseSInterpunkci, NahradaMala},
    {ZnakyMorseDesifrovani, {}},
    {ZnakyMrizka, NahradaMala},
    {ZnakyKolecko, NahradaMala},
    {ZnakySnek, NahradaMala},
    {ZnakySemafor, NahradaMala},
    {ZnakyVlastni, NahradaVelka},
    {ZnakyNadpis, {}},
}};

QString primo(QStringView text, QStringView zdroj, QStringView nahrada)
{
    QString vysledek;
    for (const QChar c : text) {
        const qsizetype p = zdroj.indexOf(c);
        if (p < 0)
            vysledek += c;
        else if (p < nahrada.size())
            vysledek += nahrada[p];
    }
    return vysledek;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Vstup vstup(data, size);
    const auto &[zdroj, nahrada] = Tabulky[vstup.bajt() % Tabulky.size()];
    const QString text = vstup.text();
    const QString vysledek = VycistiText(text, zdroj, nahrada);
    OVER(vysledek.size() <= text.size());
    OVER(vysledek == primo(text, zdroj, nahrada));
    // Cleaning what is already clean changes nothing: no table replaces by a character it acts on.
    OVER(VycistiText(vysledek, zdroj, nahrada) == vysledek);
    const QString mala = VycistiMalymi(text, zdroj, nahrada);
    OVER(mala == primo(MalymiPismeny(text), zdroj, nahrada));
    return 0;
}

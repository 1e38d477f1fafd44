#include "ciphers/Snek.h"

#include <array>

QString SnekSifruj(QStringView text, int n, int smer, int roh, QString *chyba)
{
    const QList<BunkaSneka> cesta = PripravCestu(n, smer, roh, chyba);
    if (cesta.isEmpty())
        return {};
    // Each cell holds one UTF-16 code unit, so any character that reaches the engine is carried.
    std::array<std::array<QChar, NejvetsiSnek>, NejvetsiSnek> tabulka{};
    const qsizetype delka = text.size();
    for (qsizetype k = 0; k < cesta.size(); ++k) {
        const qsizetype i = smer == Dovnitr ? k : delka - 1 - k;
        tabulka[cesta[k].radek][cesta[k].sloupec] = i >= 0 && i < delka ? text[i] : QChar(u'x');
    }
    QString vysledek;
    vysledek.reserve(n * (n + 1));
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c)
            vysledek.append(tabulka[r][c]);
        vysledek.append(u' ');
    }
    return vysledek;
}

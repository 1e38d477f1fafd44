#include "ciphers/Snek.h"

#include <array>

QString SnekDesifruj(QStringView text, int n, int smer, int roh, QString *chyba)
{
    const QList<BunkaSneka> cesta = PripravCestu(n, smer, roh, chyba);
    if (cesta.isEmpty())
        return {};
    std::array<std::array<QChar, NejvetsiSnek>, NejvetsiSnek> tabulka{};
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) {
            const qsizetype i = qsizetype(r) * n + c;
            tabulka[r][c] = i < text.size() ? text[i] : QChar(u'x');
        }
    QString vysledek;
    vysledek.reserve(cesta.size());
    for (qsizetype k = 0; k < cesta.size(); ++k) {
        const BunkaSneka &bunka = smer == Dovnitr ? cesta[k] : cesta[cesta.size() - 1 - k];
        vysledek.append(tabulka[bunka.radek][bunka.sloupec]);
    }
    return vysledek;
}

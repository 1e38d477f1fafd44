#include "ciphers/Mrizka.h"

QString MrizkaDesifruj(QStringView text, const Okenka &okenka, int n)
{
    n = PlatnaVelikostMrizky(n);
    const MapaPozic mapa = OznacPozice(okenka, n);
    const qsizetype delka = text.size();
    QString vysledek;
    vysledek.reserve(n * n);
    qsizetype prevzato = 0;
    for (char16_t pozice = u'A'; pozice <= u'D'; ++pozice)
        for (int c = 0; c < n; ++c)
            for (int r = 0; r < n; ++r) {
                if (mapa[c][r] != pozice)
                    continue;
                // Cells are laid in the same column-by-column order they are walked in.
                const qsizetype bunka = qsizetype(c) * n + r;
                if (prevzato >= delka || bunka >= delka) {
                    vysledek.append(QChar(Vypln));
                } else {
                    vysledek.append(text[bunka]);
                    ++prevzato;
                }
            }
    return vysledek;
}

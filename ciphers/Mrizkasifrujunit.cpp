#include "ciphers/Mrizka.h"

QString MrizkaSifruj(QStringView text, const Okenka &okenka, int n)
{
    n = PlatnaVelikostMrizky(n);
    const MapaPozic mapa = OznacPozice(okenka, n);
    // The square holds text separately from the marks, so no text character is ever read as a mark.
    std::array<std::array<QChar, NejvetsiMrizka>, NejvetsiMrizka> ctverec;
    for (auto &sloupec : ctverec)
        sloupec.fill(QChar(NeodkrytaBunka));
    qsizetype p = 0;
    for (char16_t pozice = u'A'; pozice <= u'D'; ++pozice)
        for (int c = 0; c < n; ++c)
            for (int r = 0; r < n; ++r)
                if (mapa[c][r] == pozice)
                    ctverec[c][r] = p < text.size() ? text[p++] : QChar(Vypln);
    QString vysledek;
    vysledek.reserve(n * n);
    for (int c = 0; c < n; ++c)
        for (int r = 0; r < n; ++r)
            vysledek.append(ctverec[c][r]);
    return vysledek;
}

#include "resources/kresby/Kresby.h"

#include <algorithm>

QList<Kresba> vsechnyKresby(int meritko)
{
    QList<Kresba> kresby;
    kresby << kresbySemaforu(meritko) << kresbySneka(meritko) << kresbyMrizky(meritko) << kresbyKolecka(meritko);
    std::sort(kresby.begin(), kresby.end(), [](const Kresba &a, const Kresba &b) { return a.cislo < b.cislo; });
    return kresby;
}

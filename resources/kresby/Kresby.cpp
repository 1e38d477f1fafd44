#include "resources/kresby/Kresby.h"

#include <algorithm>

QList<Kresba> vsechnyKresby()
{
    QList<Kresba> kresby;
    kresby << kresbySemaforu() << kresbySneka() << kresbyMrizky() << kresbyKolecka();
    std::sort(kresby.begin(), kresby.end(), [](const Kresba &a, const Kresba &b) { return a.cislo < b.cislo; });
    return kresby;
}

#include "resources/kresby/Kresby.h"

QList<Kresba> kresbyKolecka()
{
    return {};
}

#include "resources/kresby/Kresby.h"

QList<Kresba> kresbyMrizky()
{
    return {};
}

#include "resources/kresby/Kresby.h"

QList<Kresba> kresbySneka()
{
    return {};
}

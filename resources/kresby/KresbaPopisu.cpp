#include "resources/kresby/KresbyPopisu.h"

QFont pismoPopisu(int pixely, bool tucne)
{
    QFont pismo(QStringLiteral("DejaVu Sans"));
    pismo.setStyleHint(QFont::SansSerif);
    pismo.setPixelSize(pixely);
    pismo.setBold(tucne);
    return pismo;
}

#include "text/Velikost.h"

#include <QStringBuilder>

std::optional<int> PrectiVelikost(QStringView text, int nejvice, QString *chyba)
{
    bool cislo = false;
    const int n = text.toInt(&cislo);
    if (cislo && n >= 1 && n <= nejvice)
        return n;
    // Joined, not formatted: a "%1" the user typed stays as typed.
    if (chyba)
        *chyba = QStringLiteral("Zadali jste ") % text % QStringLiteral(". Zadavejte jen cislice 1-") %
                 QString::number(nejvice) % u'!';
    return std::nullopt;
}

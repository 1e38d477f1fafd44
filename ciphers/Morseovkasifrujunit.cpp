#include "ciphers/Morseovka.h"

#include <algorithm>

namespace {

// For every ASCII character, the first table entry that holds it (or -1); the
// first entry below pocetZnaku that matches is then this one or none at all.
constexpr std::array<qint8, 128> PrvniZaznamZnaku = [] {
    std::array<qint8, 128> zaznamy{};
    zaznamy.fill(-1);
    for (int i = int(MorseTabulka.size()) - 1; i >= 0; --i) {
        const QStringView znak = MorseTabulka[i].znak;
        if (znak.size() == 1 && znak[0].unicode() < zaznamy.size())
            zaznamy[znak[0].unicode()] = qint8(i);
    }
    return zaznamy;
}();

constexpr qsizetype NejdelsiKod = 6;

} // namespace

QString MorseSifruj(QStringView text, int pocetZnaku, ZapisCh ch)
{
    const bool chJakoZnak = ch == ZapisCh::JakoZnak && MorseZaznamH < pocetZnaku;
    QString vysledek(text.size() * (NejdelsiKod + 1), Qt::Uninitialized);
    QChar *cil = vysledek.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        const int zaznam = u < PrvniZaznamZnaku.size() ? PrvniZaznamZnaku[u] : -1;
        if (chJakoZnak && u == u'c' && i + 1 < text.size() && text[i + 1] == u'h') {
            cil = std::copy(MorseCh.kod.begin(), MorseCh.kod.end(), cil);
            *cil++ = u'/';
            ++i;
        } else if (zaznam >= 0 && zaznam < pocetZnaku) {
            const QStringView kod = MorseTabulka[zaznam].kod;
            cil = std::copy(kod.begin(), kod.end(), cil);
            *cil++ = u'/';
        } else if (u == u' ') {
            *cil++ = u'/';
        }
    }
    vysledek.truncate(cil - vysledek.constData());
    return vysledek;
}

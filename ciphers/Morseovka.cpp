#include "ciphers/Morseovka.h"

namespace {

// Rabin-Karp over UTF-16 code units with 32-bit wrap-around hashes.
constexpr quint32 Zaklad = 131;

quint32 hashUseku(QStringView usek)
{
    quint32 hash = 0;
    for (const QChar c : usek)
        hash = hash * Zaklad + c.unicode();
    return hash;
}

QList<int> NajdiVzor(QStringView text, QStringView vzor)
{
    QList<int> pozice;
    const qsizetype m = vzor.size();
    const qsizetype n = text.size();
    if (m == 0 || n < m)
        return pozice;
    quint32 mocnina = 1;
    for (qsizetype i = 0; i < m; ++i)
        mocnina *= Zaklad;
    const quint32 hashVzoru = hashUseku(vzor);
    quint32 hashTextu = hashUseku(text.first(m));
    for (qsizetype j = m - 1; j < n; ++j) {
        if (hashTextu == hashVzoru && text.sliced(j - m + 1, m) == vzor)
            pozice.append(int(j - m + 2));
        if (j + 1 < n)
            hashTextu = hashTextu * Zaklad - quint32(text[j - m + 1].unicode()) * mocnina + text[j + 1].unicode();
    }
    return pozice;
}

} // namespace

QStringView MorseKod(QStringView znak)
{
    if (znak == MorseCh.znak)
        return MorseCh.kod;
    for (const MorseZnak &zaznam : MorseTabulka) {
        if (!zaznam.znak.isEmpty() && zaznam.znak == znak)
            return zaznam.kod;
    }
    return {};
}

QList<int> NajdiOddelovace(QStringView text)
{
    return NajdiVzor(text, u"/");
}

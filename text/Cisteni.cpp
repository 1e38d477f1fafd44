#include "text/Cisteni.h"

#include <QHash>
#include <array>
#include <memory>

namespace {

// A code unit the table deletes; any other value of the lookup is the unit to write.
constexpr char32_t Smazat = 0xFFFFFFFF;

// A lookup built once per table pair, mapping each code unit to what is written for
// it (itself when it is in no set). Every character of the system's tables lies
// below U+0300, so a dense array answers those; a hash holds anything else that a
// caller's own source set may list.
class Vyhledavani
{
public:
    Vyhledavani(QStringView zdroj, QStringView nahrada)
    {
        for (char32_t c = 0; c < m_husta.size(); ++c)
            m_husta[c] = c;
        std::array<bool, 0x300> videno{};
        for (qsizetype p = 0; p < zdroj.size(); ++p) {
            const char16_t c = zdroj[p].unicode();
            const char32_t akce = p < nahrada.size() ? char32_t(nahrada[p].unicode()) : Smazat;
            if (c < m_husta.size()) {
                if (!videno[c])
                    m_husta[c] = akce;
                videno[c] = true;
            } else if (!m_ridka.contains(c)) {
                m_ridka.insert(c, akce);
            }
        }
    }

    char32_t akce(char16_t c) const
    {
        if (c < m_husta.size())
            return m_husta[c];
        if (m_ridka.isEmpty())
            return c;
        return m_ridka.value(c, c);
    }

private:
    std::array<char32_t, 0x300> m_husta;
    QHash<char16_t, char32_t> m_ridka;
};

// Tables are few and constant, so each pair's lookup is built on first use and kept.
const Vyhledavani &vyhledavaniPro(QStringView zdroj, QStringView nahrada)
{
    thread_local QHash<QString, std::shared_ptr<const Vyhledavani>> mezipamet;
    QString klic;
    klic.reserve(zdroj.size() + nahrada.size() + 1);
    klic.append(zdroj).append(QChar(0)).append(nahrada);
    auto it = mezipamet.constFind(klic);
    if (it == mezipamet.constEnd())
        it = mezipamet.insert(klic, std::make_shared<const Vyhledavani>(zdroj, nahrada));
    return **it;
}

} // namespace

QString VycistiText(QStringView text, QStringView zdroj, QStringView nahrada)
{
    const Vyhledavani &tabulka = vyhledavaniPro(zdroj, nahrada);
    QString vysledek(text.size(), Qt::Uninitialized);
    QChar *cil = vysledek.data();
    qsizetype n = 0;
    for (const QChar c : text) {
        const char32_t akce = tabulka.akce(c.unicode());
        // Written unconditionally, kept only when not deleted: no branch in the common case.
        cil[n] = QChar(char16_t(akce));
        n += akce != Smazat;
    }
    vysledek.truncate(n);
    return vysledek;
}

QString MalymiPismeny(QStringView text)
{
    return text.toString().toLower();
}

QString VycistiMalymi(QStringView text, QStringView zdroj, QStringView nahrada)
{
    return VycistiText(MalymiPismeny(text), zdroj, nahrada);
}

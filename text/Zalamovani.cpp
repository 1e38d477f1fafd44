#include "text/Zalamovani.h"

#include <QHash>
#include <QTextBoundaryFinder>

#include <array>

namespace {

// The code point at p and how many code units it takes.
char32_t kodovyBod(QStringView text, qsizetype p, qsizetype *delka)
{
    if (text[p].isHighSurrogate() && p + 1 < text.size() && text[p + 1].isLowSurrogate()) {
        *delka = 2;
        return QChar::surrogateToUcs4(text[p], text[p + 1]);
    }
    *delka = 1;
    return text[p].unicode();
}

// The end of the character cluster that starts at i: a code point with the combining marks after
// it. A line is never broken inside a cluster.
qsizetype konecShluku(QStringView text, qsizetype i)
{
    qsizetype delka = 0;
    kodovyBod(text, i, &delka);
    qsizetype konec = i + delka;
    while (konec < text.size() && QChar::isMark(kodovyBod(text, konec, &delka)))
        konec += delka;
    return konec;
}

// Spaces that may hang past the end of a printed line; a no-break space counts as a letter.
bool visiciMezera(QChar znak)
{
    return znak.isSpace() && znak.decompositionTag() != QChar::NoBreak;
}

// The widths of clusters, each single code unit measured once: a report repeats a few dozen
// characters, and the caller's measuring is far slower than a lookup.
class SirkyShluku
{
public:
    explicit SirkyShluku(const MeritkoTextu &meritko) : m_meritko(meritko) { m_husta.fill(-1); }

    qreal operator()(QStringView shluk)
    {
        if (shluk.size() != 1)
            return m_meritko(shluk);
        const char16_t znak = shluk.front().unicode();
        if (znak < m_husta.size()) {
            qreal &sirka = m_husta[znak];
            if (sirka < 0)
                sirka = m_meritko(shluk);
            return sirka;
        }
        auto it = m_ridka.constFind(znak);
        if (it == m_ridka.cend())
            it = m_ridka.insert(znak, m_meritko(shluk));
        return *it;
    }

private:
    const MeritkoTextu &m_meritko;
    // Latin letters with Czech diacritics, digits and the Morse signs all lie below U+0180.
    std::array<qreal, 0x180> m_husta;
    QHash<char16_t, qreal> m_ridka;
};

} // namespace

QStringList ZalomRadek(const QString &radek, qreal sirka, const MeritkoTextu &sirkaTextu)
{
    if (radek.isEmpty())
        return {QString()};
    SirkyShluku sirkaShluku(sirkaTextu);
    QTextBoundaryFinder hranice(QTextBoundaryFinder::Line, radek);
    qsizetype dalsiHranice = hranice.toNextBoundary();

    QStringList kusy;
    qsizetype zacatek = 0; // where the current piece starts
    qsizetype zlom = -1;   // the last place after zacatek where the piece may end
    qreal sirkaKusu = 0;   // from zacatek to here, hanging spaces included
    qreal sirkaOdZlomu = 0;
    const auto odrizni = [&](qsizetype konec) {
        kusy.append(radek.mid(zacatek, konec - zacatek));
        zacatek = konec;
    };
    for (qsizetype i = 0; i < radek.size();) {
        const qsizetype konecZnaku = konecShluku(radek, i);
        while (dalsiHranice >= 0 && dalsiHranice < i)
            dalsiHranice = hranice.toNextBoundary();
        const bool podleUnicode =
            dalsiHranice == i && hranice.boundaryReasons().testFlag(QTextBoundaryFinder::BreakOpportunity);
        const bool zaLomitkem = i > 0 && radek[i - 1] == u'/' && radek[i] != u'/';
        if (i > zacatek && (podleUnicode || zaLomitkem)) {
            zlom = i;
            sirkaOdZlomu = 0;
        }
        const qreal sirkaZnaku = sirkaShluku(QStringView(radek).sliced(i, konecZnaku - i));
        if (i > zacatek && !visiciMezera(radek[i]) && sirkaKusu + sirkaZnaku > sirka) {
            if (zlom > zacatek) {
                odrizni(zlom);
                sirkaKusu = sirkaOdZlomu;
            }
            // The word alone is wider than the line: it is broken before this character.
            if (i > zacatek && sirkaKusu + sirkaZnaku > sirka) {
                odrizni(i);
                sirkaKusu = 0;
            }
            zlom = -1;
        }
        sirkaKusu += sirkaZnaku;
        sirkaOdZlomu += sirkaZnaku;
        i = konecZnaku;
    }
    kusy.append(radek.mid(zacatek));
    return kusy;
}

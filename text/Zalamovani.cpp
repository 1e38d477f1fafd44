#include "text/Zalamovani.h"

#include <QHash>
#include <QTextBoundaryFinder>

#include <algorithm>
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

// Unicode's line-break opportunities of a line, asked for at positions that never go back. The
// line is looked at through a window of Okno code units with Kontext of them before the position
// asked, so the work before the first answer is small however long the line is (finding them over
// the whole line at once would hold the caller up for a tenth of a second on a megabyte of Morse
// code). Unicode's rules look only a few characters around a position; the context is far more.
class PrilezitostiZlomu
{
public:
    explicit PrilezitostiZlomu(QStringView radek) : m_radek(radek) { posun(0); }

    bool pred(qsizetype i)
    {
        if (i >= m_platiDo)
            posun(i);
        while (m_dalsi >= 0 && m_zacatek + m_dalsi < i)
            m_dalsi = m_hranice.toNextBoundary();
        return m_dalsi >= 0 && m_zacatek + m_dalsi == i &&
               m_hranice.boundaryReasons().testFlag(QTextBoundaryFinder::BreakOpportunity);
    }

private:
    static constexpr qsizetype Kontext = 256;
    static constexpr qsizetype Okno = 16384;

    void posun(qsizetype i)
    {
        m_zacatek = std::max<qsizetype>(0, i - Kontext);
        const qsizetype konec = std::min(m_radek.size(), i + Okno);
        m_hranice = QTextBoundaryFinder(QTextBoundaryFinder::Line, m_radek.sliced(m_zacatek, konec - m_zacatek));
        m_dalsi = m_hranice.toNextBoundary();
        // Near the window's end the text that follows is missing; the line's own end is its end.
        m_platiDo = konec == m_radek.size() ? konec + 1 : konec - Kontext;
    }

    QStringView m_radek;
    QTextBoundaryFinder m_hranice;
    qsizetype m_zacatek = 0;
    qsizetype m_dalsi = -1;
    qsizetype m_platiDo = 0;
};

} // namespace

QStringList ZalomRadek(const QString &radek, qreal sirka, const MeritkoTextu &sirkaTextu)
{
    return *ZalomRadek(radek, sirka, sirkaTextu, Pokracovat());
}

std::optional<QStringList> ZalomRadek(const QString &radek, qreal sirka, const MeritkoTextu &sirkaTextu,
                                      const Pokracovat &pokracovat)
{
    if (radek.isEmpty())
        return QStringList{QString()};
    SirkyShluku sirkaShluku(sirkaTextu);
    PrilezitostiZlomu prilezitosti(radek);

    QStringList kusy;
    qsizetype zacatek = 0; // where the current piece starts
    qsizetype zlom = -1;   // the last place after zacatek where the piece may end
    qreal sirkaKusu = 0;   // from zacatek to here, hanging spaces included
    qreal sirkaOdZlomu = 0;
    const auto odrizni = [&](qsizetype konec) {
        kusy.append(radek.mid(zacatek, konec - zacatek));
        zacatek = konec;
    };
    qsizetype doDotazu = PocetZnakuMeziDotazy;
    for (qsizetype i = 0; i < radek.size();) {
        if (pokracovat && --doDotazu == 0) {
            if (!pokracovat())
                return std::nullopt;
            doDotazu = PocetZnakuMeziDotazy;
        }
        const qsizetype konecZnaku = konecShluku(radek, i);
        const bool podleUnicode = prilezitosti.pred(i);
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

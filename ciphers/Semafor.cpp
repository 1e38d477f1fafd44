#include "ciphers/Semafor.h"

namespace {

static_assert(SemaforAbeceda.size() == SemaforObrazky.size());

// For every ASCII character, the picture of its first position in the alphabet (0 for none).
constexpr std::array<qint8, 128> ObrazekZnaku = [] {
    std::array<qint8, 128> obrazky{};
    for (int p = int(SemaforAbeceda.size()) - 1; p >= 0; --p)
        obrazky[SemaforAbeceda[p].unicode()] = qint8(SemaforObrazky[p]);
    return obrazky;
}();

} // namespace

QList<int> SemaforSifruj(QStringView text)
{
    QList<int> obrazky;
    obrazky.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const int obrazek = u < ObrazekZnaku.size() ? ObrazekZnaku[u] : 0;
        if (obrazek > 0)
            obrazky.append(obrazek);
        else if (u == u' ')
            obrazky.append(SemaforMezera);
    }
    return obrazky;
}

QChar semaforCislice(int obrazek)
{
    if (obrazek >= 1 && obrazek <= 9)
        return QChar(char16_t(u'0' + obrazek));
    if (obrazek == SemaforObrazky[SemaforAbeceda.indexOf(u'0')])
        return QChar(u'0');
    return QChar();
}

QString semaforVyznam(int obrazek)
{
    if (obrazek >= 1 && obrazek <= 26)
        return QString(QChar(char16_t(u'a' + obrazek - 1)));
    if (obrazek == SemaforZnakCislic)
        return QStringLiteral("ČÍSLICE");
    if (obrazek == SemaforMezera)
        return QStringLiteral(" ");
    return QString();
}

bool CteniSemaforu::pridej(int obrazek)
{
    if (obrazek < 1 || obrazek > SemaforPocetObrazku)
        return false;
    m_obrazky.append(obrazek);
    m_kroky.append({m_text.size(), m_cislice});
    if (obrazek == SemaforMezera) {
        m_text += u' ';
    } else if (obrazek == SemaforZnakCislic) {
        m_cislice = true;
    } else if (m_cislice && obrazek == SemaforZnakPismen) {
        m_cislice = false;
    } else {
        const QChar cislice = m_cislice ? semaforCislice(obrazek) : QChar();
        m_text += cislice.isNull() ? QChar(char16_t(u'a' + obrazek - 1)) : cislice;
    }
    return true;
}

void CteniSemaforu::zpet()
{
    if (m_kroky.isEmpty())
        return;
    const Krok krok = m_kroky.takeLast();
    m_obrazky.removeLast();
    m_text.truncate(krok.delkaTextu);
    m_cislice = krok.cislice;
}

void CteniSemaforu::smaz()
{
    m_obrazky.clear();
    m_kroky.clear();
    m_text.clear();
    m_cislice = false;
}

QString SemaforDesifruj(const QList<int> &obrazky)
{
    CteniSemaforu cteni;
    for (const int obrazek : obrazky)
        cteni.pridej(obrazek);
    return cteni.text();
}

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

namespace {

// "0" shares the picture of "k", as on the flags.
constexpr int ObrazekNuly = [] {
    for (qsizetype p = 0; p < SemaforAbeceda.size(); ++p)
        if (SemaforAbeceda[p] == u'0')
            return SemaforObrazky[std::size_t(p)];
    return 0;
}();

} // namespace

QChar semaforCislice(int obrazek)
{
    if (obrazek >= 1 && obrazek <= 9)
        return QChar(char16_t(u'0' + obrazek));
    if (obrazek == ObrazekNuly)
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

namespace {

// Reads one picture in range: appends what it writes to text and switches the mode.
void ctiObrazek(int obrazek, QString &text, bool &cislice)
{
    if (obrazek == SemaforMezera) {
        text += u' ';
    } else if (obrazek == SemaforZnakCislic) {
        cislice = true;
    } else if (cislice && obrazek == SemaforZnakPismen) {
        cislice = false;
    } else {
        const QChar c = cislice ? semaforCislice(obrazek) : QChar();
        text += c.isNull() ? QChar(char16_t(u'a' + obrazek - 1)) : c;
    }
}

bool vRozsahu(int obrazek)
{
    return obrazek >= 1 && obrazek <= SemaforPocetObrazku;
}

} // namespace

bool CteniSemaforu::pridej(int obrazek)
{
    if (!vRozsahu(obrazek))
        return false;
    m_obrazky.append(obrazek);
    m_kroky.append({m_text.size(), m_cislice});
    ctiObrazek(obrazek, m_text, m_cislice);
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
    QString text;
    text.reserve(obrazky.size());
    bool cislice = false;
    for (const int obrazek : obrazky)
        if (vRozsahu(obrazek))
            ctiObrazek(obrazek, text, cislice);
    return text;
}

QString semaforPopis(int obrazek, QChar cislice)
{
    if (!cislice.isNull() && !semaforCislice(obrazek).isNull())
        return QStringLiteral("Semafor: číslice ") + cislice;
    if (obrazek >= 1 && obrazek <= 26)
        return QStringLiteral("Semafor: písmeno ") + QChar(char16_t(u'A' + obrazek - 1));
    if (obrazek == SemaforZnakCislic)
        return QStringLiteral("Semafor: číslice");
    if (obrazek == SemaforMezera)
        return QStringLiteral("Semafor: mezera");
    return QString();
}

QStringList SemaforPopisy(QStringView text)
{
    QStringList popisy;
    popisy.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const int obrazek = u < ObrazekZnaku.size() ? ObrazekZnaku[u] : 0;
        if (obrazek > 0)
            popisy.append(semaforPopis(obrazek, c.isDigit() ? c : QChar()));
        else if (u == u' ')
            popisy.append(semaforPopis(SemaforMezera));
    }
    return popisy;
}

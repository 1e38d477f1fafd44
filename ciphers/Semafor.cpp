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

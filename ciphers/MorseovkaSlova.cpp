#include "ciphers/MorseovkaSlova.h"

#include <algorithm>

namespace {

constexpr QStringView Samohlasky = u"aeiouyáéíóúůýě";
constexpr QStringView DlouheSamohlasky = u"áéíóúůý";

bool jeSamohlaska(QChar znak)
{
    return Samohlasky.contains(znak.toLower());
}

bool maDlouhouSamohlasku(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar znak) { return DlouheSamohlasky.contains(znak.toLower()); });
}

bool jeMale(QStringView slovo, qsizetype i, char16_t znak)
{
    return i < slovo.size() && slovo[i].toLower() == znak;
}

QList<SlabikaSlova> podleRozdeleni(QStringView slovo, QStringView rozdeleni)
{
    QList<SlabikaSlova> slabiky;
    qsizetype zacatek = 0;
    qsizetype j = 0;
    const auto uzavri = [&] {
        if (j == zacatek)
            return false;
        const QStringView slabika = slovo.sliced(zacatek, j - zacatek);
        slabiky.append({slabika.toString(), maDlouhouSamohlasku(slabika)});
        zacatek = j;
        return true;
    };
    for (const QChar znak : rozdeleni) {
        if (znak == u'-') {
            // The mark may stand for the space between two words of the phrase.
            if (j < slovo.size() && slovo[j] == u' ')
                ++j;
            if (!uzavri())
                return {};
        } else if (j < slovo.size() && slovo[j] == znak) {
            ++j;
        } else {
            return {};
        }
    }
    if (j != slovo.size() || !uzavri())
        return {};
    return slabiky;
}

// Where the syllable after the vowel core ending at konec starts, when the next core starts at dalsi.
qsizetype hraniceSlabik(QStringView slovo, qsizetype konec, qsizetype dalsi)
{
    const qsizetype mezera = slovo.sliced(konec, dalsi - konec).indexOf(u' ');
    if (mezera >= 0)
        return konec + mezera + 1;
    qsizetype konecPrvni = konec;
    int souhlasek = 0;
    for (qsizetype p = konec; p < dalsi; ++souhlasek) {
        p += jeMale(slovo, p, u'c') && p + 1 < dalsi && jeMale(slovo, p + 1, u'h') ? 2 : 1;
        if (souhlasek == 0)
            konecPrvni = p;
    }
    return souhlasek >= 2 ? konecPrvni : konec;
}

QList<SlabikaSlova> samoRozdelene(QStringView slovo)
{
    QList<qsizetype> zacatky{0};
    qsizetype konecJadra = -1;
    for (qsizetype i = 0; i < slovo.size();) {
        if (!jeSamohlaska(slovo[i])) {
            ++i;
            continue;
        }
        if (konecJadra >= 0)
            zacatky.append(hraniceSlabik(slovo, konecJadra, i));
        const bool dvojhlaska = jeMale(slovo, i, u'o') && jeMale(slovo, i + 1, u'u');
        i += dvojhlaska ? 2 : 1;
        konecJadra = i;
    }
    QList<SlabikaSlova> slabiky;
    for (qsizetype k = 0; k < zacatky.size(); ++k) {
        const qsizetype konec = k + 1 < zacatky.size() ? zacatky[k + 1] : slovo.size();
        const QStringView slabika = slovo.sliced(zacatky[k], konec - zacatky[k]);
        slabiky.append({slabika.toString(), maDlouhouSamohlasku(slabika)});
    }
    return slabiky;
}

} // namespace

QList<SlabikaSlova> SlabikySlova(QStringView slovo, QStringView rozdeleni)
{
    if (slovo.isEmpty())
        return {};
    return rozdeleni.isEmpty() ? samoRozdelene(slovo) : podleRozdeleni(slovo, rozdeleni);
}

QList<SlabikaSlova> SlabikySlova(const MorseSlovo &slovo)
{
    return SlabikySlova(slovo.slovo, slovo.rozdeleni);
}

QString KodSlabik(const QList<SlabikaSlova> &slabiky)
{
    QString kod;
    kod.reserve(slabiky.size());
    for (const SlabikaSlova &slabika : slabiky)
        kod.append(slabika.dlouha ? u'-' : u'.');
    return kod;
}

const MorseSlovo *MorseSlovoZnaku(QStringView znak)
{
    const auto slovo =
        std::find_if(MorseSlova.begin(), MorseSlova.end(), [znak](const MorseSlovo &s) { return s.znak == znak; });
    return slovo == MorseSlova.end() ? nullptr : &*slovo;
}

QString MorseKeCteni(QStringView text)
{
    const auto jeKod = [](QChar c) { return c == u'.' || c == u'-' || c == u'/'; };
    QString vysledek;
    vysledek.reserve(text.size() * 4);
    for (qsizetype i = 0; i < text.size();) {
        if (!jeKod(text[i])) {
            vysledek += text[i++];
            continue;
        }
        qsizetype konec = i;
        while (konec < text.size() && jeKod(text[konec]))
            ++konec;
        const QStringView beh = text.mid(i, konec - i);
        // Inside a word ("Pan-ta") it is a hyphen, no code.
        const bool veSlove =
            (i > 0 && text[i - 1].isLetterOrNumber()) || (konec < text.size() && text[konec].isLetterOrNumber());
        if (!veSlove && (beh.contains(u'-') || beh.size() >= 2 || beh.size() == text.size())) {
            QStringList slova;
            for (const QChar c : beh)
                slova << (c == u'.'   ? QStringLiteral("tečka")
                          : c == u'-' ? QStringLiteral("čárka")
                                      : QStringLiteral("lomítko"));
            vysledek += slova.join(u' ');
        } else {
            vysledek += beh;
        }
        i = konec;
    }
    return vysledek;
}

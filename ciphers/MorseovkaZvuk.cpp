#include "ciphers/MorseovkaZvuk.h"

#include <QIODevice>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr int JednotekTecky = 1;
constexpr int JednotekCarky = 3;
constexpr int MezeraPrvku = 1;
constexpr int MezeraZnaku = 3;
constexpr int MezeraSlov = 7;
constexpr int MezeraVet = 10;
// The silence before the first tone and after the last, in units: seven dot units before, so that even
// at a low effective speed the first tone comes soon, and a whole word gap after, so that a listener
// or a decoder that measures the gaps hears the last character end as it hears every word end.
constexpr int OkrajoveTicho = 7;
// Rise and fall of every tone, in milliseconds.
constexpr double NabehMs = 5;
// Loud enough to hear well, with room below full scale.
constexpr double Amplituda = 0.6 * 32767;

int mezeraOddelovacu(int pocet)
{
    return pocet == 1 ? MezeraZnaku : pocet == 2 ? MezeraSlov : MezeraVet;
}

// The part of 32-bit size fields a WAV file can still describe after its header.
constexpr qint64 NejviceDat = 0xFFFFFFFFLL - 36;
} // namespace

qint64 vzorkuNaJednotku(const NastaveniZvuku &nastaveni)
{
    const int slov = std::clamp(nastaveni.slovZaMinutu, NastaveniZvuku::NejmeneSlov, NastaveniZvuku::NejviceSlov);
    return std::llround(nastaveni.vzorkovani * 1.2 / slov);
}

qint64 vzorkuNaJednotkuMezery(const NastaveniZvuku &nastaveni)
{
    const int znaku = std::clamp(nastaveni.slovZaMinutu, NastaveniZvuku::NejmeneSlov, NastaveniZvuku::NejviceSlov);
    const int efektivni = nastaveni.efektivniSlovZaMinutu <= 0
                              ? znaku
                              : std::clamp(nastaveni.efektivniSlovZaMinutu, NastaveniZvuku::NejmeneSlov, znaku);
    if (efektivni == znaku)
        return vzorkuNaJednotku(nastaveni);
    // t_a / 19 = (60 c - 37.2 s) / (19 s c) seconds, in whole numbers: (600 c - 372 s) / (190 s c).
    const qint64 citatel = qint64(nastaveni.vzorkovani) * (600 * znaku - 372 * efektivni);
    const qint64 jmenovatel = 190LL * efektivni * znaku;
    return (citatel + jmenovatel / 2) / jmenovatel;
}

CasovacMorseovky::CasovacMorseovky(QStringView kod, const NastaveniZvuku &nastaveni)
    : m_kod(kod), m_jednotka(vzorkuNaJednotku(nastaveni)), m_jednotkaMezery(vzorkuNaJednotkuMezery(nastaveni))
{
}

void CasovacMorseovky::naZacatek()
{
    m_pozice = 0;
    m_oddelovacu = 0;
    m_stav = Stav::Zacatek;
}

qsizetype CasovacMorseovky::najdiTon(qsizetype od)
{
    m_oddelovacu = 0;
    for (qsizetype i = od; i < m_kod.size(); ++i) {
        const QChar znak = m_kod[i];
        if (znak == u'.' || znak == u'-')
            return i;
        m_oddelovacu += znak == u'/' ? 1 : 0;
    }
    return m_kod.size();
}

bool CasovacMorseovky::dalsi(UsekCasovani *usek, UsekZvuku *vJednotkach)
{
    UsekZvuku jednotky;
    qint64 vzorku = 0;
    switch (m_stav) {
    case Stav::Zacatek:
        m_pozice = najdiTon(0);
        if (m_pozice == m_kod.size()) {
            m_stav = Stav::Hotovo;
            return false;
        }
        jednotky = {false, OkrajoveTicho};
        vzorku = OkrajoveTicho * m_jednotka;
        m_stav = Stav::Ton;
        break;
    case Stav::Ton:
        jednotky = {true, m_kod[m_pozice] == u'.' ? JednotekTecky : JednotekCarky};
        vzorku = jednotky.jednotky * m_jednotka;
        m_pozice = najdiTon(m_pozice + 1);
        m_stav = m_pozice < m_kod.size() ? Stav::Mezera : Stav::Konec;
        break;
    case Stav::Mezera:
        jednotky = {false, m_oddelovacu > 0 ? mezeraOddelovacu(m_oddelovacu) : MezeraPrvku};
        vzorku = jednotky.jednotky * (jednotky.jednotky == MezeraPrvku ? m_jednotka : m_jednotkaMezery);
        m_stav = Stav::Ton;
        break;
    case Stav::Konec:
        jednotky = {false, OkrajoveTicho};
        vzorku = OkrajoveTicho * m_jednotkaMezery;
        m_stav = Stav::Hotovo;
        break;
    case Stav::Hotovo:
        return false;
    }
    if (usek)
        *usek = {jednotky.ton, vzorku};
    if (vJednotkach)
        *vJednotkach = jednotky;
    return true;
}

QList<UsekZvuku> UsekyMorseovky(QStringView kod)
{
    CasovacMorseovky casovac(kod, {});
    QList<UsekZvuku> useky;
    UsekZvuku usek;
    // The silences at either end belong to the sound, not to the code.
    casovac.dalsi(nullptr, &usek);
    while (casovac.dalsi(nullptr, &usek))
        useky.append(usek);
    if (!useky.isEmpty())
        useky.removeLast();
    return useky;
}

QList<UsekCasovani> CasovaniMorseovky(QStringView kod, const NastaveniZvuku &nastaveni)
{
    CasovacMorseovky casovac(kod, nastaveni);
    QList<UsekCasovani> casovani;
    UsekCasovani usek;
    while (casovac.dalsi(&usek))
        casovani.append(usek);
    return casovani;
}

ZvukMorseovky::ZvukMorseovky(QStringView kod, const NastaveniZvuku &nastaveni)
    : m_nastaveni(nastaveni), m_kod(kod.toString()), m_casovac(m_kod, nastaveni),
      m_nabeh(std::llround(nastaveni.vzorkovani * NabehMs / 1000))
{
    // One pass that only adds up, so the sound is ready at once however long the code is.
    CasovacMorseovky pocitadlo(m_kod, nastaveni);
    UsekCasovani usek;
    while (pocitadlo.dalsi(&usek))
        m_pocet += usek.vzorku;
    naZacatek();
}

void ZvukMorseovky::naZacatek()
{
    m_precteno = 0;
    m_casovac.naZacatek();
    m_maUsek = m_casovac.dalsi(&m_usek);
    m_vUseku = 0;
}

qint64 ZvukMorseovky::ctiVzorky(qint16 *cil, qint64 nejvice)
{
    const double krok = 2 * std::numbers::pi * m_nastaveni.frekvence / m_nastaveni.vzorkovani;
    qint64 zapsano = 0;
    while (zapsano < nejvice && m_maUsek) {
        const UsekCasovani &usek = m_usek;
        const qint64 delka = usek.vzorku;
        const qint64 kus = std::min(delka - m_vUseku, nejvice - zapsano);
        if (!usek.ton) {
            std::fill_n(cil + zapsano, kus, qint16(0));
        } else {
            // A short tone rises for half its length and falls for the other half.
            const qint64 nabeh = std::max<qint64>(1, std::min(m_nabeh, delka / 2));
            for (qint64 i = m_vUseku; i < m_vUseku + kus; ++i) {
                const qint64 odKraje = std::min(i, delka - 1 - i);
                double obalka = 1;
                if (odKraje < nabeh) {
                    const double s = std::sin(std::numbers::pi / 2 * double(odKraje) / double(nabeh));
                    obalka = s * s;
                }
                cil[zapsano + (i - m_vUseku)] = qint16(std::lround(Amplituda * obalka * std::sin(krok * double(i))));
            }
        }
        zapsano += kus;
        m_vUseku += kus;
        if (m_vUseku == delka) {
            m_maUsek = m_casovac.dalsi(&m_usek);
            m_vUseku = 0;
        }
    }
    m_precteno += zapsano;
    return zapsano;
}

QList<qint16> VzorkyMorseovky(QStringView kod, const NastaveniZvuku &nastaveni)
{
    ZvukMorseovky zvuk(kod, nastaveni);
    QList<qint16> vzorky(zvuk.pocetVzorku());
    zvuk.ctiVzorky(vzorky.data(), vzorky.size());
    return vzorky;
}

QByteArray HlavickaWav(qint64 pocetVzorku, int vzorkovani)
{
    const qint64 dat = 2 * pocetVzorku;
    if (pocetVzorku < 0 || dat > NejviceDat)
        return {};
    QByteArray hlavicka;
    hlavicka.reserve(44);
    const auto slovo32 = [&hlavicka](quint32 hodnota) {
        const quint32 le = qToLittleEndian(hodnota);
        hlavicka.append(reinterpret_cast<const char *>(&le), 4);
    };
    const auto slovo16 = [&hlavicka](quint16 hodnota) {
        const quint16 le = qToLittleEndian(hodnota);
        hlavicka.append(reinterpret_cast<const char *>(&le), 2);
    };
    hlavicka.append("RIFF");
    slovo32(quint32(36 + dat));
    hlavicka.append("WAVEfmt ");
    slovo32(16); // size of the format chunk
    slovo16(1);  // PCM
    slovo16(1);  // mono
    slovo32(quint32(vzorkovani));
    slovo32(quint32(vzorkovani) * 2); // bytes per second
    slovo16(2);                       // bytes per sample
    slovo16(16);                      // bits per sample
    hlavicka.append("data");
    slovo32(quint32(dat));
    return hlavicka;
}

bool ZapisWav(QIODevice &zarizeni, ZvukMorseovky &zvuk, QString *chyba)
{
    const auto selhani = [chyba](const QString &text) {
        if (chyba)
            *chyba = text;
        return false;
    };
    zvuk.naZacatek();
    const QByteArray hlavicka = HlavickaWav(zvuk.pocetVzorku(), zvuk.nastaveni().vzorkovani);
    if (hlavicka.isEmpty())
        return selhani(QStringLiteral("Zvuk je na soubor WAV příliš dlouhý."));
    if (zarizeni.write(hlavicka) != hlavicka.size())
        return selhani(zarizeni.errorString());
    QList<qint16> kus(64 * 1024);
    while (const qint64 n = zvuk.ctiVzorky(kus.data(), kus.size())) {
        qToLittleEndian<qint16>(kus.constData(), n, kus.data());
        const qint64 bajtu = 2 * n;
        if (zarizeni.write(reinterpret_cast<const char *>(kus.constData()), bajtu) != bajtu)
            return selhani(zarizeni.errorString());
    }
    return true;
}

#include "exercises/model/MorseTrenink.h"

#include "ciphers/Morseovka.h"
#include "ciphers/MorseovkaSlova.h"

#include <algorithm>

namespace {
constexpr int ZakladniVaha = 2;
constexpr int VahaNejnovejsiho = 6;
constexpr int VahaChyby = 3;
constexpr int NejvicePocitanychChyb = 5;

QString naVelka(QStringView znak)
{
    return znak.toString().toUpper();
}
} // namespace

TMorseTreninkModel::TMorseTreninkModel(quint32 pocatek) : m_nahoda(pocatek) {}

void TMorseTreninkModel::nastavUroven(int uroven)
{
    m_uroven = std::clamp(uroven, NejnizsiUroven, NejvyssiUroven);
    m_odpovediUrovne = 0;
    m_spravnychVBrane = 0;
}

int TMorseTreninkModel::vaha(int znak) const
{
    int vaha = ZakladniVaha + VahaChyby * std::min(m_znaky[znak].chyby, NejvicePocitanychChyb);
    if (znak == pocetTrenovanych() - 1)
        vaha += VahaNejnovejsiho;
    return vaha;
}

void TMorseTreninkModel::dalsiOtazka()
{
    const int pocet = pocetTrenovanych();
    const int vynechany = pocet > 1 ? m_otazka : -1;
    int celkem = 0;
    for (int i = 0; i < pocet; ++i)
        celkem += i == vynechany ? 0 : vaha(i);
    int los = int(m_nahoda.bounded(quint32(celkem)));
    int vybrany = 0;
    for (int i = 0; i < pocet; ++i) {
        if (i == vynechany)
            continue;
        vybrany = i;
        los -= vaha(i);
        if (los < 0)
            break;
    }
    m_otazka = vybrany;
    m_zodpovezeno = false;
}

QStringView TMorseTreninkModel::znakOtazky() const
{
    return m_otazka >= 0 ? MorsePoradiTreninku[m_otazka] : QStringView();
}

QString TMorseTreninkModel::kodOtazky() const
{
    return MorseKod(znakOtazky()).toString();
}

QString TMorseTreninkModel::textOtazky() const
{
    switch (m_rezim) {
    case RezimTreninku::KodNaPismeno:
        return kodOtazky();
    case RezimTreninku::PismenoNaKod:
        return naVelka(znakOtazky());
    case RezimTreninku::Poslech:
        break;
    }
    return {};
}

bool TMorseTreninkModel::zapocitejDoBrany(bool spravne)
{
    const int misto = m_odpovediUrovne % OdpovediBrany;
    if (m_odpovediUrovne >= OdpovediBrany && m_posledni[misto])
        --m_spravnychVBrane;
    m_posledni[misto] = spravne;
    m_spravnychVBrane += spravne ? 1 : 0;
    ++m_odpovediUrovne;
    if (m_uroven == NejvyssiUroven || m_odpovediUrovne < OdpovediBrany || m_spravnychVBrane < SpravnychBrany)
        return false;
    nastavUroven(m_uroven + 1);
    return true;
}

std::optional<VysledekOdpovedi> TMorseTreninkModel::over(QStringView odpoved)
{
    if (!cekaNaOdpoved())
        return std::nullopt;
    const QStringView znak = znakOtazky();
    const QStringView kod = MorseKod(znak);
    const QStringView upravena = odpoved.trimmed();
    VysledekOdpovedi vysledek;
    if (m_rezim == RezimTreninku::PismenoNaKod)
        vysledek.spravne = upravena == kod;
    else
        vysledek.spravne = upravena.compare(znak, Qt::CaseInsensitive) == 0;
    m_zodpovezeno = true;

    Znak &statistika = m_znaky[m_otazka];
    ++statistika.odpovedi;
    ++m_odpovedi;
    if (vysledek.spravne) {
        ++statistika.spravne;
        ++m_spravnych;
        statistika.chyby = std::max(0, statistika.chyby - 1);
    } else {
        ++statistika.chyby;
    }
    vysledek.postup = zapocitejDoBrany(vysledek.spravne);

    vysledek.text = QStringLiteral("%1: %2 je %3")
                        .arg(vysledek.spravne ? QStringLiteral("Správně") : QStringLiteral("Špatně"), naVelka(znak),
                             kod.toString());
    if (const MorseSlovo *slovo = MorseSlovoZnaku(znak))
        vysledek.text += QStringLiteral(" (%1)").arg(slovo->slovo.toString());
    if (vysledek.postup)
        vysledek.text += QStringLiteral("\nPostup na úroveň %1").arg(m_uroven);
    return vysledek;
}

QString TMorseTreninkModel::textSkore() const
{
    return QStringLiteral("Správně: %1 z %2").arg(m_spravnych).arg(m_odpovedi);
}

QList<StatistikaZnaku> TMorseTreninkModel::statistika() const
{
    QList<StatistikaZnaku> radky;
    for (int i = 0; i < int(m_znaky.size()); ++i) {
        if (i >= pocetTrenovanych() && m_znaky[i].odpovedi == 0)
            continue;
        const QStringView znak = MorsePoradiTreninku[i];
        radky.append({naVelka(znak), MorseKod(znak).toString(), m_znaky[i].odpovedi, m_znaky[i].spravne});
    }
    return radky;
}

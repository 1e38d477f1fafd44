#include "exercises/model/SemaforTest.h"

#include "ciphers/Semafor.h"

#include <algorithm>

QList<int> TSemaforTestModel::ptaneObrazky()
{
    QList<int> obrazky;
    for (int i = 1; i <= 26; ++i)
        obrazky.append(i);
    obrazky.append(SemaforZnakCislic);
    return obrazky;
}

QString TSemaforTestModel::nazev(int obrazek)
{
    if ((obrazek < 1 || obrazek > 26) && obrazek != SemaforZnakCislic)
        return {};
    return semaforVyznam(obrazek).toUpper();
}

TSemaforTestModel::TSemaforTestModel(quint32 pocatek) : m_nahoda(pocatek) {}

void TSemaforTestModel::dalsiOtazka()
{
    static const QList<int> obrazky = ptaneObrazky();
    const int pocet = int(obrazky.size());
    // One draw among the others than the last question: it is never asked twice in a row.
    int i = int(m_nahoda.bounded(m_otazka > 0 ? pocet - 1 : pocet));
    if (m_otazka > 0 && obrazky[i] >= m_otazka)
        ++i;
    m_otazka = obrazky[i];
    // Three wrong choices drawn without repeating, by a partial shuffle of the others.
    QList<int> jine;
    jine.reserve(pocet - 1);
    for (int o : obrazky)
        if (o != m_otazka)
            jine.append(o);
    for (int k = 0; k < PocetVoleb - 1; ++k)
        std::swap(jine[k], jine[k + int(m_nahoda.bounded(int(jine.size()) - k))]);
    const int spravna = int(m_nahoda.bounded(PocetVoleb));
    for (int k = 0, j = 0; k < PocetVoleb; ++k)
        m_volby[std::size_t(k)] = k == spravna ? m_otazka : jine[j++];
    m_zodpovezeno = false;
}

std::optional<VysledekSemaforu> TSemaforTestModel::over(int volba)
{
    if (!cekaNaOdpoved() || volba < 0 || volba >= PocetVoleb)
        return std::nullopt;
    m_zodpovezeno = true;
    ++m_odpovedi;
    VysledekSemaforu vysledek;
    vysledek.spravne = m_volby[std::size_t(volba)] == m_otazka;
    if (vysledek.spravne) {
        ++m_spravnych;
        vysledek.text = QStringLiteral("Správně");
    } else {
        vysledek.text = QStringLiteral("Špatně: %1").arg(nazev(m_otazka));
    }
    return vysledek;
}

QString TSemaforTestModel::textSkore() const
{
    return QStringLiteral("Správně: %1 z %2").arg(m_spravnych).arg(m_odpovedi);
}

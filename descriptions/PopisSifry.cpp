#include "descriptions/PopisSifry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <utility>

namespace {
constexpr QStringView Crlf = u"\r\n";

constexpr SouborPopisu DruhyTextu[] = {SouborPopisu::Nadpis, SouborPopisu::Popis, SouborPopisu::Priklad,
                                       SouborPopisu::NadpisObrazku};

int poradi(SouborPopisu s)
{
    return static_cast<int>(s);
}

// The slot of a bitmap kind: 0 for the example picture "-obr1.bmp", 1 for the second one "-obr.bmp".
int poradiObrazku(SouborPopisu s)
{
    return s == SouborPopisu::Obrazek1 ? 0 : 1;
}

void nastav(QString *chyba, const QString &zprava)
{
    if (chyba)
        *chyba = zprava;
}
} // namespace

QString KonecRadku(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'\n')
            return QStringLiteral("\n");
        if (text.at(i) == u'\r')
            return i + 1 < text.size() && text.at(i + 1) == u'\n' ? Crlf.toString() : QStringLiteral("\r");
    }
    return Crlf.toString();
}

PopisSifry::PopisSifry(QString uloziste) : m_uloziste(std::move(uloziste)) {}

QString PopisSifry::prilisVelkySoubor(const QString &f) const
{
    for (const SouborPopisu s : DruhyTextu) {
        const QFileInfo soubor(souborPopisu(m_uloziste, f, s));
        if (soubor.isFile() && soubor.size() > limitCteni(s))
            return QStringLiteral("Soubor %1 je příliš velký (%2 bajtů, editor otevře nejvýše %3). Šifra nebyla "
                                  "načtena, aby uložení nepřepsalo to, co by editor neukázal.")
                .arg(QDir::toNativeSeparators(soubor.filePath()))
                .arg(soubor.size())
                .arg(limitCteni(s));
    }
    return {};
}

bool PopisSifry::nactiText(const QString &f, SouborPopisu s)
{
    // A text read only in part would lose the rest on the next save.
    const auto precteny = PrectiText(souborPopisu(m_uloziste, f, s), nullptr, limitCteni(s));
    if (!precteny || precteny->zkraceno)
        return false;
    m_nactene[poradi(s)] = NactenyText{*precteny, KonecRadku(precteny->text), precteny->text};
    return true;
}

PopisSifry::Nacteni PopisSifry::nacti(const QString &f, QString *chyba)
{
    m_nactene = {};
    m_obrazky = {};
    // Only a folder of the store itself is read or removed, never one that a name like ".." would reach.
    const bool slozkaUloziste = JeSlozkaUloziste(f);
    if (const QString velky = slozkaUloziste ? prilisVelkySoubor(f) : QString(); !velky.isEmpty()) {
        nastav(chyba, velky);
        return Nacteni::PrilisVelkySoubor;
    }
    if (!slozkaUloziste || !nactiText(f, SouborPopisu::Nadpis) || !nactiText(f, SouborPopisu::Popis)) {
        // Only an empty folder goes: whatever is in it stays.
        if (slozkaUloziste)
            QDir(m_uloziste).rmdir(f);
        nastav(chyba, QStringLiteral("Soubory talvo \"%1\" NEEXISTUJÍ! Vytvořte šifru znova.").arg(f));
        return Nacteni::ChybiSoubory;
    }
    nactiText(f, SouborPopisu::Priklad);
    m_bezNadpisuObrazku = !nactiText(f, SouborPopisu::NadpisObrazku);
    for (const SouborPopisu s : {SouborPopisu::Obrazek1, SouborPopisu::Obrazek}) {
        const QString ulozeny = souborPopisu(m_uloziste, f, s);
        if (QFileInfo(ulozeny).isFile())
            m_obrazky[poradiObrazku(s)] = ulozeny;
    }
    return Nacteni::Nacteno;
}

std::optional<QString> PopisSifry::nactenyText(SouborPopisu s) const
{
    const auto &nacteny = m_nactene[poradi(s)];
    return nacteny ? std::optional(nacteny->soubor.text) : std::nullopt;
}

QString PopisSifry::konecRadku(SouborPopisu s) const
{
    const auto &nacteny = m_nactene[poradi(s)];
    return nacteny ? nacteny->konecRadku : Crlf.toString();
}

void PopisSifry::zobrazeno(SouborPopisu s, const QString &text)
{
    if (auto &nacteny = m_nactene[poradi(s)])
        nacteny->zobrazeny = text;
}

QString PopisSifry::ulozenyObrazek(SouborPopisu s) const
{
    return m_obrazky[poradiObrazku(s)];
}

QString PopisSifry::textKZapisu(SouborPopisu s, const QString &text, std::optional<Kodovani> *kodovani) const
{
    const auto &nacteny = m_nactene[poradi(s)];
    if (!nacteny) {
        *kodovani = std::nullopt;
        return text;
    }
    *kodovani = nacteny->soubor.kodovani;
    // A box turns every line end into one kind; an untouched text goes back exactly as read.
    return text == nacteny->zobrazeny ? nacteny->soubor.text : text;
}

bool PopisSifry::zapisText(const QString &f, SouborPopisu s, const QString &text, QString *chyba) const
{
    std::optional<Kodovani> kodovani;
    const QString zapisovany = textKZapisu(s, text, &kodovani);
    return ZapisText(souborPopisu(m_uloziste, f, s), zapisovany, chyba, kodovani);
}

PopisSifry::Ulozeni PopisSifry::uloz(const Texty &texty, QString *chyba)
{
    const QString f = slozka(texty);
    QString zprava;
    // An empty name would put the files into the store folder itself, where no listing finds them; a
    // name too long for the file system would fail half-way.
    if (!JeNazevSlozky(f, &zprava)) {
        nastav(chyba, zprava);
        return Ulozeni::NeplatnyNazev;
    }
    // Made only inside an existing store: a missing store makes the first write fail below.
    QDir(m_uloziste).mkdir(f);
    const bool zapsano =
        zapisText(f, SouborPopisu::Nadpis, texty.nadpis, &zprava) &&
        zapisText(f, SouborPopisu::Popis, texty.popis, &zprava) &&
        (!texty.priklad || zapisText(f, SouborPopisu::Priklad, *texty.priklad, &zprava)) &&
        (!texty.nadpisObrazku || zapisText(f, SouborPopisu::NadpisObrazku, *texty.nadpisObrazku, &zprava));
    if (zapsano) {
        m_bezNadpisuObrazku = m_bezNadpisuObrazku && !texty.nadpisObrazku;
        return Ulozeni::Ulozeno;
    }
    if (!QFileInfo(m_uloziste).isDir() && vytvorUloziste(m_uloziste, &zprava)) {
        nastav(chyba, QStringLiteral("Chybějící složka \"%1\" byla vytvorena. Ulozte sifru ZNOVA!")
                          .arg(QFileInfo(m_uloziste).fileName()));
        return Ulozeni::UlozisteVytvoreno;
    }
    nastav(chyba, zprava);
    return Ulozeni::Chyba;
}

bool PopisSifry::zkopirujObrazek(const QString &f, SouborPopisu s, const QString &zdroj, QString *chyba) const
{
    const QString cil = souborPopisu(m_uloziste, f, s);
    // A picture already in the folder stays: it is never overwritten.
    if (zdroj.isEmpty() || QFileInfo::exists(cil))
        return true;
    QFile soubor(zdroj);
    // QFile::copy writes a temporary file and renames it without replacing, so a picture that appeared
    // meanwhile is not overwritten either.
    if (soubor.copy(cil))
        return true;
    nastav(chyba, QStringLiteral("Obrázek %1 nelze zkopírovat do %2: %3")
                      .arg(QDir::toNativeSeparators(zdroj), QDir::toNativeSeparators(cil), soubor.errorString()));
    return false;
}

QString TitulekPopisu(const QString &uloziste, const QString &f)
{
    // Only the beginning of a title file is read: a damaged store must not slow the start or fill the menu.
    const auto nadpis = PrectiText(souborPopisu(uloziste, f, SouborPopisu::Nadpis), nullptr, MaxBajtuNadpisu);
    if (!nadpis)
        return f;
    const QString titulek = TitulekMenu(nadpis->text, nadpis->zkraceno);
    // A title of nothing but blanks would leave an empty, unclickable menu entry.
    return titulek.isEmpty() ? f : titulek;
}

std::optional<QList<PolozkaPopisu>> PolozkyPopisu(const QString &uloziste, QString *chyba)
{
    QList<PolozkaPopisu> polozky;
    if (!QDir(uloziste).exists()) {
        if (vytvorUloziste(uloziste))
            return polozky;
        // Said in full: the relative name alone does not tell where Talvo was started.
        nastav(chyba, QStringLiteral("Složku %1 nelze vytvořit. Popisy šifer nebude možné uložit.")
                          .arg(QDir::toNativeSeparators(QFileInfo(uloziste).absoluteFilePath())));
        return std::nullopt;
    }
    for (const QString &f : SeznamSifer(uloziste))
        polozky.append({f, TitulekPopisu(uloziste, f)});
    return polozky;
}

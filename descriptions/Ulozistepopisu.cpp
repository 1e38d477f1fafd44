#include "descriptions/Ulozistepopisu.h"

#include "text/Cisteni.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

// Orders names as NTFS lists them: code unit by code unit after simple upper-casing,
// ties (names differing only in case) broken by the names themselves so the order is total.
bool PredchaziVeVypisu(const QString &a, const QString &b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t x = a.at(i).toUpper().unicode();
        const char16_t y = b.at(i).toUpper().unicode();
        if (x != y)
            return x < y;
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;
}

} // namespace

QString priponaSouboru(SouborPopisu s)
{
    switch (s) {
    case SouborPopisu::Nadpis:
        return QStringLiteral("-nadpis.txt");
    case SouborPopisu::Popis:
        return QStringLiteral("-popis.txt");
    case SouborPopisu::Priklad:
        return QStringLiteral("-priklad.txt");
    case SouborPopisu::NadpisObrazku:
        return QStringLiteral("-nadpisObrazku.txt");
    case SouborPopisu::Obrazek:
        return QStringLiteral("-obr.bmp");
    case SouborPopisu::Obrazek1:
        return QStringLiteral("-obr1.bmp");
    }
    return {};
}

QString nazevSouboru(QStringView nadpis)
{
    return VycistiText(nadpis, ZnakyVlastni, NahradaVelka);
}

qint64 limitCteni(SouborPopisu s)
{
    return s == SouborPopisu::Nadpis ? MaxBajtuNadpisu : MaxBajtuTextu;
}

bool JeSlozkaUloziste(QStringView f)
{
    return !f.isEmpty() && f != u"." && f != u".." && !f.contains(u'/') && !f.contains(u'\\') && !f.contains(QChar(0));
}

bool JeNazevSlozky(QStringView f, QString *chyba)
{
    QString zprava;
    const qsizetype bajtu = f.toUtf8().size() + priponaSouboru(SouborPopisu::NadpisObrazku).size();
    if (f.isEmpty())
        zprava = QStringLiteral("Zadejte název šifry. Šifra nebyla uložena.");
    else if (!JeSlozkaUloziste(f))
        zprava =
            QStringLiteral("Název šifry nelze použít jako název složky. Zadejte jiný název. Šifra nebyla uložena.");
    else if (bajtu > MaxBajtuJmenaSouboru)
        zprava = QStringLiteral("Název šifry je příliš dlouhý: jména jejích souborů by měla %1 bajtů, systém souborů "
                                "dovolí nejvýše %2. Zkraťte název. Šifra nebyla uložena.")
                     .arg(bajtu)
                     .arg(MaxBajtuJmenaSouboru);
    if (zprava.isEmpty())
        return true;
    if (chyba)
        *chyba = zprava;
    return false;
}

QString TitulekMenu(QStringView nadpis, bool zkraceno)
{
    // What ZnakyNadpis removes, and the other control characters: a tab would start the shortcut
    // column of a menu entry, the rest would show as boxes.
    const auto ukazeSe = [](QChar c) {
        return !ZnakyNadpis.contains(c) && c.category() != QChar::Other_Control && c != QChar::LineSeparator &&
               c != QChar::ParagraphSeparator;
    };
    QString titulek;
    qsizetype i = 0;
    for (; i < nadpis.size(); ++i) {
        // A character outside the basic plane is never cut in two.
        if (titulek.size() >= MaxZnakuTitulku && !(titulek.back().isHighSurrogate() && nadpis[i].isLowSurrogate()))
            break;
        if (ukazeSe(nadpis[i]))
            titulek += nadpis[i];
    }
    const bool zbyva = zkraceno || std::any_of(nadpis.begin() + i, nadpis.end(), ukazeSe);
    if (!titulek.isEmpty() && zbyva)
        titulek += u'…';
    return titulek;
}

QStringList SeznamSifer(const QString &uloziste)
{
    if (uloziste.isEmpty())
        return {};
    const QDir slozka(uloziste);
    if (!slozka.exists())
        return {};
    // Hidden folders count too: every sub-folder is a description, whatever its name.
    QStringList jmena = slozka.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::NoSort);
    std::sort(jmena.begin(), jmena.end(), PredchaziVeVypisu);
    return jmena;
}

int PocetSifer(const QString &uloziste)
{
    return int(SeznamSifer(uloziste).size());
}

QString slozkaPopisu(const QString &uloziste, const QString &f)
{
    return uloziste + u'/' + f;
}

QString souborPopisu(const QString &uloziste, const QString &f, SouborPopisu s)
{
    // An empty stem puts the files into the store folder itself, without a doubled separator.
    const QString slozka = f.isEmpty() ? uloziste : slozkaPopisu(uloziste, f);
    return slozka + u'/' + f + priponaSouboru(s);
}

bool vytvorUloziste(const QString &uloziste, QString *chyba)
{
    if (!uloziste.isEmpty()) {
        QDir().mkpath(uloziste);
        if (QFileInfo(uloziste).isDir())
            return true;
    }
    if (chyba)
        *chyba = QStringLiteral("Složku %1 nelze vytvořit.").arg(uloziste);
    return false;
}

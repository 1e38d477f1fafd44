// The title-to-folder mapping and the menu caption: the folder is one path component inside the
// store or refused, and a caption is short and free of line breaks and control characters.
#include "Fuzz.h"

#include "descriptions/Ulozistepopisu.h"

#include <QDir>
#include <QFileInfo>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Vstup vstup(data, size);
    const bool zkraceno = vstup.bajt() & 1;
    const QString nadpis = vstup.text();
    const QString f = nazevSouboru(nadpis);
    OVER(f.size() <= nadpis.size());
    for (const QChar c : QStringView(u"/\\.:\r\n "))
        OVER(!f.contains(c));
    OVER(JeSlozkaUloziste(f) == (!f.isEmpty() && !f.contains(QChar(0))));
    QString chyba;
    const bool lze = JeNazevSlozky(f, &chyba);
    OVER(lze == chyba.isEmpty());
    if (lze) {
        const QString uloziste = SlozkaUloziste.toString();
        const QString slozka = slozkaPopisu(uloziste, f);
        OVER(QDir::cleanPath(slozka) == slozka);
        OVER(QFileInfo(slozka).fileName() == f && QFileInfo(slozka).path() == uloziste);
        const QString soubor = souborPopisu(uloziste, f, SouborPopisu::NadpisObrazku);
        OVER(QFileInfo(soubor).path() == slozka && QFileInfo(soubor).fileName().toUtf8().size() <= 255);
    }
    const QString titulek = TitulekMenu(nadpis, zkraceno);
    OVER(titulek.size() <= MaxZnakuTitulku + 2);
    for (const QChar c : titulek)
        OVER(c != u' ' && c != u'\r' && c != u'\n' && c != u'\t' && c.category() != QChar::Other_Control);
    return 0;
}

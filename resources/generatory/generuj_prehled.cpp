// Assembles the description store that ships with Talvo.
//
// The texts live in the repository as readable UTF-8 (resources/talvoPrehled/<F>/<F>-nadpis.txt and
// so on); here they are written as the store keeps them, Windows-1250 with CR LF between lines and
// no break after the last one, and the pictures are drawn from the engines beside them. Only the
// shipped description folders of STORE are replaced; anything else there is left alone.
// Usage: generuj_prehled SOURCES STORE

#include "ciphers/Mrizka.h"
#include "descriptions/TextovySoubor.h"
#include "descriptions/Ulozistepopisu.h"
#include "resources/kresby/KresbyPopisu.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

namespace {
// The grille window starts with this size, and so do its example and the card to cut out.
constexpr int VelikostMrizky = 6;

struct ObrazekPopisu
{
    QString slozka;
    SouborPopisu soubor;
    QImage obraz;
};

// Which picture goes where. "-obr1.bmp" stands in the example's place of a description without
// "-priklad.txt"; "-obr.bmp" stands under the picture title.
QList<ObrazekPopisu> obrazkyPopisu()
{
    const Okenka mrizka = VychoziMrizka(VelikostMrizky);
    return {
        {QStringLiteral("Morseovka"), SouborPopisu::Obrazek, nakresliTabulkuMorseovky()},
        {QStringLiteral("Mrizka"), SouborPopisu::Obrazek1,
         nakresliPrikladMrizky(PrikladMrizky, mrizka, VelikostMrizky)},
        {QStringLiteral("Mrizka"), SouborPopisu::Obrazek, nakresliMrizkuKVystrizeni(mrizka, VelikostMrizky)},
        {QStringLiteral("Sifrovacikolecko"), SouborPopisu::Obrazek, nakresliKoleckoKVystrizeni(DruhKolecka::sCh)},
        {QStringLiteral("Snek"), SouborPopisu::Obrazek, nakresliPrikladSneka(PrikladSnekaPopisu)},
        {QStringLiteral("Semafor"), SouborPopisu::Obrazek1, nakresliPrikladSemaforu(PrikladSemaforu)},
        {QStringLiteral("Semafor"), SouborPopisu::Obrazek, nakresliAbeceduSemaforu()},
    };
}

constexpr SouborPopisu TextovePopisy[] = {SouborPopisu::Nadpis, SouborPopisu::Popis, SouborPopisu::Priklad,
                                          SouborPopisu::NadpisObrazku};

bool chyba(const QString &zprava)
{
    std::fprintf(stderr, "generuj_prehled: %s\n", qPrintable(zprava));
    return false;
}

// The text as the store keeps it: lines joined by CR LF, no break after the last line.
QString textUloziste(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    while (text.endsWith(u'\n'))
        text.chop(1);
    return text.replace(u'\n', QStringLiteral("\r\n"));
}

bool prevedText(const QString &zdroj, const QString &cil)
{
    QString duvod;
    const auto precteny = PrectiText(zdroj, &duvod);
    if (!precteny)
        return chyba(duvod);
    const QString text = textUloziste(precteny->text);
    if (!JeVeWindows1250(text))
        return chyba(zdroj + QStringLiteral(" holds a character that Windows-1250 lacks"));
    Kodovani pouzite = Kodovani::Utf8Bom;
    if (!ZapisText(cil, text, &duvod, Kodovani::Windows1250, &pouzite))
        return chyba(duvod);
    if (pouzite != Kodovani::Windows1250)
        return chyba(cil + QStringLiteral(" would not read back as Windows-1250"));
    return true;
}

// One description: its files checked against the store's rules and written afresh into its folder.
bool sestavPopis(const QDir &zdroje, const QString &uloziste, const QString &f)
{
    const QString nadpis = souborPopisu(zdroje.path(), f, SouborPopisu::Nadpis);
    const auto titulek = PrectiText(nadpis);
    if (!titulek)
        return chyba(nadpis + QStringLiteral(" is missing"));
    if (nazevSouboru(textUloziste(titulek->text)) != f)
        return chyba(QStringLiteral("the title of %1 gives the folder %2").arg(f, nazevSouboru(titulek->text)));

    QStringList znama;
    for (SouborPopisu s : TextovePopisy)
        znama << f + priponaSouboru(s);
    for (const QString &soubor : QDir(slozkaPopisu(zdroje.path(), f)).entryList(QDir::Files | QDir::Hidden))
        if (!znama.contains(soubor))
            return chyba(QStringLiteral("%1/%2 is no file of a description").arg(f, soubor));

    QDir cil(slozkaPopisu(uloziste, f));
    if ((cil.exists() && !cil.removeRecursively()) || !QDir().mkpath(cil.path()))
        return chyba(QStringLiteral("cannot make the folder ") + cil.path());
    for (SouborPopisu s : TextovePopisy) {
        const QString zdroj = souborPopisu(zdroje.path(), f, s);
        if (QFileInfo::exists(zdroj) && !prevedText(zdroj, souborPopisu(uloziste, f, s)))
            return false;
    }
    return true;
}

bool ulozObrazek(const QString &uloziste, const ObrazekPopisu &o)
{
    const QString cesta = souborPopisu(uloziste, o.slozka, o.soubor);
    if (!QDir(slozkaPopisu(uloziste, o.slozka)).exists())
        return chyba(QStringLiteral("a picture for %1, which has no texts").arg(o.slozka));
    if (o.obraz.width() > NejvetsiObrazekPopisu || o.obraz.height() > NejvetsiObrazekPopisu)
        return chyba(QStringLiteral("%1 is %2 x %3 pixels").arg(cesta).arg(o.obraz.width()).arg(o.obraz.height()));
    if (!o.obraz.convertToFormat(QImage::Format_RGB32).save(cesta, "BMP"))
        return chyba(QStringLiteral("cannot write ") + cesta);
    return true;
}

// Every description has its title and text, and an example as text or as a picture.
bool jeUplny(const QString &uloziste, const QString &f)
{
    for (SouborPopisu s : {SouborPopisu::Nadpis, SouborPopisu::Popis})
        if (!QFileInfo::exists(souborPopisu(uloziste, f, s)))
            return chyba(souborPopisu(uloziste, f, s) + QStringLiteral(" is missing"));
    if (!QFileInfo::exists(souborPopisu(uloziste, f, SouborPopisu::Priklad)) &&
        !QFileInfo::exists(souborPopisu(uloziste, f, SouborPopisu::Obrazek1)))
        return chyba(f + QStringLiteral(" has no example, neither as text nor as a picture"));
    return true;
}
} // namespace

int main(int argc, char *argv[])
{
    // The pictures' text needs fonts, and fonts need a GUI application; no screen is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplikace(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: generuj_prehled SOURCES STORE\n");
        return 2;
    }
    const QDir zdroje(QString::fromLocal8Bit(argv[1]));
    const QString uloziste = QString::fromLocal8Bit(argv[2]);
    const QStringList slozky = zdroje.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    if (slozky.isEmpty() || slozky.size() > MaxPocetSifer) {
        chyba(QStringLiteral("%1 descriptions in %2").arg(slozky.size()).arg(zdroje.path()));
        return 1;
    }
    for (const QString &f : slozky)
        if (!sestavPopis(zdroje, uloziste, f))
            return 1;
    for (const ObrazekPopisu &o : obrazkyPopisu())
        if (!ulozObrazek(uloziste, o))
            return 1;
    for (const QString &f : slozky)
        if (!jeUplny(uloziste, f))
            return 1;
    return 0;
}

#include "app/Preklad.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
// Qt's catalogue "qt" gathers the catalogues of its modules (qtbase, whose dialogs these are, and
// qtmultimedia, whose errors the sound player passes on).
constexpr char Katalog[] = "qt";

// The texts of Qt 6's dialogs that its Czech catalogue does not have yet: the kinds of entries in the
// file dialog's list, asked for under a context that Qt 6 renamed, and the print dialog's choice of
// pages by list and of double-sided printing, worded anew in Qt 6.
struct Doplneny
{
    const char *kontext;
    const char *text;
    const char16_t *preklad;
};
constexpr Doplneny Doplnene[] = {
    {"QAbstractFileIconProvider", "Folder", u"Složka"},
    {"QAbstractFileIconProvider", "Drive", u"Jednotka"},
    {"QAbstractFileIconProvider", "Shortcut", u"Zástupce"},
    {"QAbstractFileIconProvider", "Alias", u"Alias"},
    {"QAbstractFileIconProvider", "Unknown", u"Neznámý"},
    {"QPrintSettingsOutput", "Pages", u"Stránky"},
    {"QPrintSettingsOutput", "Double Sided Printing", u"Oboustranný tisk"},
    {"QPrintSettingsOutput", "Off", u"Vypnuto"},
    {"QPrintSettingsOutput", "Long side binding", u"Vazba na dlouhé straně"},
    {"QPrintSettingsOutput", "Short side binding", u"Vazba na krátké straně"},
};

class DoplnekPrekladu : public QTranslator
{
public:
    using QTranslator::QTranslator;

    QString translate(const char *kontext, const char *text, const char *, int) const override
    {
        for (const Doplneny &doplneny : Doplnene)
            if (qstrcmp(kontext, doplneny.kontext) == 0 && qstrcmp(text, doplneny.text) == 0)
                return QString::fromUtf16(doplneny.preklad);
        return {};
    }

    bool isEmpty() const override { return false; }
};
} // namespace

bool NactiCeskyPreklad(QCoreApplication &aplikace, QString *chyba)
{
    return NactiCeskyPreklad(aplikace, QLibraryInfo::path(QLibraryInfo::TranslationsPath), chyba);
}

bool NactiCeskyPreklad(QCoreApplication &aplikace, const QString &slozka, QString *chyba)
{
    const QString jmeno = QString::fromLatin1(JmenoCeskehoPrekladu);
    if (aplikace.findChild<QTranslator *>(jmeno, Qt::FindDirectChildrenOnly))
        return true;
    auto *preklad = new QTranslator(&aplikace);
    preklad->setObjectName(jmeno);
    const QLocale cesky(QLocale::Czech, QLocale::CzechRepublic);
    // An empty catalogue loads as well as a full one; a translation of no text at all is no translation.
    if (!preklad->load(cesky, QString::fromLatin1(Katalog), QStringLiteral("_"), slozka) || preklad->isEmpty()) {
        if (chyba)
            *chyba = QStringLiteral("České překlady dialogů Qt nejsou ve složce %1 (balíček qt6-translations-l10n).")
                         .arg(QDir::toNativeSeparators(slozka));
        delete preklad;
        return false;
    }
    if (!QCoreApplication::installTranslator(preklad)) {
        if (chyba)
            *chyba = QStringLiteral("České překlady dialogů Qt nejdou nainstalovat.");
        delete preklad;
        return false;
    }
    // Installed after the catalogue, so it is asked first; it answers only what the catalogue lacks.
    QCoreApplication::installTranslator(new DoplnekPrekladu(preklad));
    // Numbers in the dialogs' fields (the page set-up's margins) as a Czech reader writes them.
    QLocale::setDefault(cesky);
    return true;
}

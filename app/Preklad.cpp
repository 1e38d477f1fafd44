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
    return true;
}

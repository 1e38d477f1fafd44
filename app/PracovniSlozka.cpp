#include "app/PracovniSlozka.h"

#include "descriptions/Ulozistepopisu.h"
#include "windows/zpravy/Ukladani.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
bool maUloziste(const QString &slozka)
{
    return !slozka.isEmpty() && QFileInfo(QDir(slozka).filePath(SlozkaUloziste.toString())).isDir();
}

// Copies a file and lets its owner write the copy: the shipped files are installed read-only for users.
bool kopirujSoubor(const QString &zdroj, const QString &cil)
{
    if (!QFile::copy(zdroj, cil))
        return false;
    QFile kopie(cil);
    return kopie.setPermissions(kopie.permissions() | QFileDevice::WriteOwner | QFileDevice::ReadOwner);
}

bool kopirujStrom(const QString &zdroj, const QString &cil)
{
    if (!QDir().mkpath(cil))
        return false;
    const QFileInfoList polozky = QDir(zdroj).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo &polozka : polozky) {
        const QString kam = QDir(cil).filePath(polozka.fileName());
        if (!(polozka.isDir() ? kopirujStrom(polozka.filePath(), kam) : kopirujSoubor(polozka.filePath(), kam)))
            return false;
    }
    return true;
}

// Copies each shipped description the store has no folder of, up to the store's limit. A folder is
// copied under a temporary name beside the store first, so a copy that fails half-way never shows as a
// description. Folders already in the store, the user's own and edited ones, are never touched.
bool doplnUloziste(const QString &dodavane, const QString &uloziste, const QString &rozpracovane)
{
    if (!QDir().mkpath(uloziste))
        return false;
    qsizetype pocet = SeznamSifer(uloziste).size();
    bool vse = true;
    for (const QString &f : SeznamSifer(dodavane)) {
        const QString cil = slozkaPopisu(uloziste, f);
        if (QFileInfo::exists(cil) || pocet >= MaxPocetSifer)
            continue;
        QDir kopie(QDir(rozpracovane).filePath(f));
        kopie.removeRecursively();
        if (kopirujStrom(slozkaPopisu(dodavane, f), kopie.path()) && QDir().rename(kopie.path(), cil))
            ++pocet;
        else
            vse = false;
        kopie.removeRecursively();
    }
    QDir(rozpracovane).removeRecursively();
    return vse;
}

bool stejnyObsah(const QString &a, const QString &b)
{
    QFile prvni(a);
    QFile druhy(b);
    if (prvni.size() != druhy.size() || !prvni.open(QIODevice::ReadOnly) || !druhy.open(QIODevice::ReadOnly))
        return false;
    return prvni.readAll() == druhy.readAll();
}

// The guide is the program's, not the user's: an older one is replaced by the one shipped now.
bool obnovPrirucku(const QString &zdroj, const QString &cil)
{
    if (!QFileInfo::exists(zdroj) || stejnyObsah(zdroj, cil))
        return true;
    const QString nova = cil + QStringLiteral(".nova");
    QFile::remove(nova);
    if (kopirujSoubor(zdroj, nova) && (!QFileInfo::exists(cil) || QFile::remove(cil)) && QFile::rename(nova, cil))
        return true;
    QFile::remove(nova);
    return false;
}
} // namespace

QString dodavanaSlozka(const QString &slozkaProgramu, const QString &relativni)
{
    const QString slozka = QDir::cleanPath(QDir(slozkaProgramu).filePath(relativni));
    return maUloziste(slozka) ? slozka : QString();
}

QString pripravPracovniSlozku(const MistaSpusteni &mista, QString *chyba)
{
    if (maUloziste(mista.aktualni) || mista.dodavana.isEmpty() || mista.uzivatelska.isEmpty())
        return mista.aktualni;

    QStringList potize;
    const QDir uzivatelska(mista.uzivatelska);
    if (!QDir().mkpath(uzivatelska.path())) {
        if (chyba)
            *chyba = QStringLiteral("Složku %1 nelze vytvořit. Talvo pracuje ve složce %2.")
                         .arg(QDir::toNativeSeparators(uzivatelska.path()), QDir::toNativeSeparators(mista.aktualni));
        return mista.aktualni;
    }
    const QDir dodavana(mista.dodavana);
    const QString uloziste = SlozkaUloziste.toString();
    if (!doplnUloziste(dodavana.filePath(uloziste), uzivatelska.filePath(uloziste),
                       uzivatelska.filePath(QStringLiteral(".rozpracovane"))))
        potize << QStringLiteral("Popisy šifer se nepodařilo zkopírovat do složky %1.")
                      .arg(QDir::toNativeSeparators(uzivatelska.filePath(uloziste)));

    const QString prirucka = QString::fromLatin1(SouborPrirucky);
    if (!obnovPrirucku(dodavana.filePath(prirucka), uzivatelska.filePath(prirucka)))
        potize << QStringLiteral("Uživatelskou příručku se nepodařilo zkopírovat do složky %1.")
                      .arg(QDir::toNativeSeparators(uzivatelska.path()));

    // A link that exists but points nowhere is the user's to mend, so only a missing name is linked.
    const QString ulozene = uzivatelska.filePath(QString::fromLatin1(SlozkaUlozenych));
    const QFileInfo odkaz(ulozene);
    if (!odkaz.exists() && !odkaz.isSymLink() && QFileInfo(mista.dokumenty).isDir())
        QFile::link(mista.dokumenty, ulozene);

    if (chyba)
        *chyba = potize.join(u'\n');
    return uzivatelska.path();
}

MistaSpusteni mistaSpusteni(const QString &relativniData)
{
    QString dokumenty = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(dokumenty).isDir())
        dokumenty = QDir::homePath();
    return {QDir::currentPath(), dodavanaSlozka(QCoreApplication::applicationDirPath(), relativniData),
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), dokumenty};
}

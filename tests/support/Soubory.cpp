#include "Soubory.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

QByteArray obsahSouboru(const QString &cesta)
{
    QFile soubor(cesta);
    return soubor.open(QIODevice::ReadOnly) ? soubor.readAll() : QByteArray("(none)");
}

bool zapisSoubor(const QString &cesta, const QByteArray &bajty)
{
    QFile soubor(cesta);
    return QDir().mkpath(QFileInfo(cesta).path()) && soubor.open(QIODevice::WriteOnly) &&
           soubor.write(bajty) == bajty.size();
}

bool zkopirujSlozku(const QString &z, const QString &kam)
{
    if (!QDir().mkpath(kam))
        return false;
    for (QDirIterator it(z, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString cesta = it.next();
        const QString cil = kam + u'/' + QDir(z).relativeFilePath(cesta);
        if (!QDir().mkpath(QFileInfo(cil).path()) || !QFile::copy(cesta, cil))
            return false;
    }
    return true;
}

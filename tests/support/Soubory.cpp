#include "Soubory.h"

#include <QDir>
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

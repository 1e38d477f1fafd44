#pragma once
// Files the tests write and read back.

#include <QByteArray>
#include <QString>

// The bytes of a file, or "(none)" when it cannot be read, so a missing file never equals an empty one.
QByteArray obsahSouboru(const QString &cesta);
// Writes the bytes to a file, making its folder first; true when every byte was written.
bool zapisSoubor(const QString &cesta, const QByteArray &bajty);
// Copies every file under folder z into folder kam, keeping the sub-folders; true when all were copied.
bool zkopirujSlozku(const QString &z, const QString &kam);

#pragma once
// Windows bitmaps of the description store, decoded by Qt's BMP reader alone.
//
// A store file named ".bmp" is read as a Windows bitmap and as nothing else: a picture of another
// format renamed to ".bmp" is refused and named, not handed to whatever decoder its bytes resemble.
// The header is checked before any pixel memory is taken: a picture larger than MaxPixeluBmp, or
// whose file ends before the pixels its header promises, is refused with a Czech message.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

// The most pixels a store picture may have (4096 x 4096): far more than a page shows, and a
// picture this large still fits in memory four bytes a pixel.
inline constexpr qint64 MaxPixeluBmp = 4096LL * 4096;
// A bitmap file is read only up to this size: the largest allowed picture at 32 bits a pixel.
inline constexpr qint64 MaxBajtuBmp = MaxPixeluBmp * 4 + 4096;

// Decodes a whole BMP file held in memory; nullopt with the reason in chyba when it cannot.
std::optional<QImage> DekodujBmp(const QByteArray &data, QString *chyba = nullptr);

// Reads and decodes the BMP file at cesta; nullopt with a message naming the file when it cannot.
std::optional<QImage> NactiBmp(const QString &cesta, QString *chyba = nullptr);

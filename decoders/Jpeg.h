#pragma once
// JPEG pictures decoded with libjpeg itself: a damaged picture gives an error value, never an exit.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

// Pictures above this many pixels (4096 x 4096, as for the store's bitmaps) are refused before any memory
// is taken for them.
inline constexpr qint64 MaxPixeluJpeg = 4096LL * 4096;

// Decodes a whole JPEG file held in memory to an RGB image; nullopt and a message in chyba when it cannot.
std::optional<QImage> DekodujJpeg(const QByteArray &data, QString *chyba = nullptr);

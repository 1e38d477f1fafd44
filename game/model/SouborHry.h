#pragma once
// The game file (".talvohra"): the whole game as one JSON object in UTF-8,
//   {"format": "talvohra", "verze": 1, "sifra": "Mřížka", "stejnaZprava": false,
//    "prilozitPomucku": true, "spolecnaZprava": "…",
//    "hlidky": [{"nazev": "Hlídka 1", "zprava": "…", "klic": "X./.."}, …]}
// with the cipher by its display name and each key as its text. Reading refuses, with a Czech
// reason, a file over 1 MB (before reading it), bytes that are not JSON, another format or
// version, a missing or mistyped field, an unknown cipher, 0 or more than 12 patrols and a key
// that does not read. Writing goes through QSaveFile, so a failed write keeps the old file.

#include "game/model/Hra.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

inline constexpr QLatin1String PriponaHry(".talvohra");
inline constexpr int VerzeSouboruHry = 1;
inline constexpr qint64 NejvetsiSouborHry = 1024 * 1024;

// The game as the file's bytes (indented JSON).
QByteArray HraDoJson(const Hra &hra);

// The game from a file's bytes; nullopt with the reason in chyba.
std::optional<Hra> HraZJson(const QByteArray &bajty, QString *chyba = nullptr);

// Writes the game to cesta; a game whose keys do not read is refused and nothing is written.
// false with a Czech message naming the file on any failure.
bool UlozHru(const QString &cesta, const Hra &hra, QString *chyba = nullptr);

// Reads the game from cesta; nullopt with a Czech message naming the file and the reason.
std::optional<Hra> NactiHru(const QString &cesta, QString *chyba = nullptr);

#pragma once
// Plain text files: the description files and the saved reports.
//
// Reading takes the whole file, or only its beginning when the caller gives a cap, and detects
// its encoding (a byte-order mark wins; then valid UTF-8; otherwise Windows-1250) and tells the
// caller which one it found and whether the text was cut.
// Writing uses Windows-1250 without a mark unless the text came from a file in another
// encoding or holds a character Windows-1250 lacks (then UTF-8 with a mark, so nothing
// is lost). Every write goes through QSaveFile: a failed write leaves the old file as it was.
// The text is never altered: line ends are the caller's.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QIODevice;

enum class Kodovani
{
    Windows1250,
    Utf8,
    Utf8Bom,
    Utf16LeBom,
    Utf16BeBom
};

struct PrectenyText
{
    QString text;
    Kodovani kodovani;
    // Only the first nejvice bytes were read: the file holds velikost bytes in all.
    bool zkraceno = false;
    qint64 velikost = 0;
};

// Reads a file and decodes it; nullopt (and a Czech message naming the file) when it cannot be read.
// With nejvice >= 0 at most that many bytes are read, whatever the size of the file; the text then
// ends at the last whole character they hold and is marked as cut.
std::optional<PrectenyText> PrectiText(const QString &cesta, QString *chyba = nullptr, qint64 nejvice = -1);

// The detection rule applied to bytes: the mark, if any, is not part of the text.
// Bytes that are pure ASCII count as Windows-1250 (identical bytes either way).
// utnuto says that the bytes are the beginning of a longer file: a character cut in two at
// their end is left out instead of spoiling the detection.
PrectenyText DekodujText(const QByteArray &bajty, bool utnuto = false);

// A sentence for the end of a cut text: how large the file is and how much of it is shown.
QString PoznamkaOZkraceni(const PrectenyText &text);

// Encodes text in the encoding it came in (puvodni), or Windows-1250 when none is given.
// When the bytes without a mark would not read back as the same text (a character missing
// from Windows-1250, bytes that happen to be valid UTF-8, a leading U+FEFF) UTF-8 with a
// mark is used instead, or UTF-16 with a mark for a text holding half of a surrogate pair, which
// has no UTF-8 form. pouzite receives the encoding actually used.
QByteArray ZakodujText(const QString &text, std::optional<Kodovani> puvodni, Kodovani *pouzite = nullptr);

// True when every character of text has a Windows-1250 byte.
bool JeVeWindows1250(QStringView text);

// Writes bytes to an open device; false with a Czech reason when the device takes fewer.
bool ZapisBajty(QIODevice &zarizeni, const QByteArray &bajty, QString *chyba = nullptr);

// Replaces the file at cesta with bytes atomically (QSaveFile); false with
// "Soubor X nelze uložit: <reason>" and the old file untouched on any failure.
bool ZapisSoubor(const QString &cesta, const QByteArray &bajty, QString *chyba = nullptr);

// Opens cesta through QSaveFile and lets zapisovac fill it; the file is replaced only when
// zapisovac returns true and the commit succeeds. zapisovac's reason goes into the message.
bool ZapisSouborPres(const QString &cesta, const std::function<bool(QIODevice &, QString *)> &zapisovac,
                     QString *chyba = nullptr);

// Encodes text (see ZakodujText) and writes it atomically; pouzite receives the encoding written.
bool ZapisText(const QString &cesta, const QString &text, QString *chyba = nullptr,
               std::optional<Kodovani> puvodni = std::nullopt, Kodovani *pouzite = nullptr);

// Each line ended by CR LF, the last one too; a line holding breaks (CR LF, LF or CR) is split first.
QString TextRadku(const QStringList &radky);

// Writes TextRadku(radky) as a report file (Windows-1250, or UTF-8 with a mark when needed).
bool ZapisRadky(const QString &cesta, const QStringList &radky, QString *chyba = nullptr);

#pragma once
// Breaking a report line into printed lines.
//
// Print shows every report line as pieces no wider than the report box. A piece may end at a
// Unicode line-break opportunity (after the spaces between words) or after a "/" that no other
// "/" follows (Unicode finds no opportunity in Morse code, so without it a Morse result would
// break at arbitrary dots and dashes; a word gap "//" stays whole). A word is broken inside only when it alone is wider
// than the box, and then between whole characters. Spaces at the end of a piece hang past the width, as they do on
// screen. The pieces joined together give the line back unchanged.
//
// The core knows no fonts: the caller passes a function that measures a piece of text (the UI
// measures in the report's font). Every character cluster is measured once (and each distinct
// one only the first time), so the cost grows with the length of the line and nothing else.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <optional>

// The width of a piece of text, in the units of the width it is to fit.
using MeritkoTextu = std::function<qreal(QStringView)>;

// The pieces of radek, each fitting sirka as measured by sirkaTextu (trailing spaces aside; a
// single character wider than sirka gets a piece of its own). An empty line gives one empty piece.
QStringList ZalomRadek(const QString &radek, qreal sirka, const MeritkoTextu &sirkaTextu);

// Asked now and then during a long piece of work whether to go on; false stops it.
using Pokracovat = std::function<bool()>;

// ZalomRadek that asks pokracovat every PocetZnakuMeziDotazy characters, so that the caller can let
// other work in during a very long line (a Morse result is one line of megabytes). None when stopped.
std::optional<QStringList> ZalomRadek(const QString &radek, qreal sirka, const MeritkoTextu &sirkaTextu,
                                      const Pokracovat &pokracovat);
inline constexpr qsizetype PocetZnakuMeziDotazy = 4096;

#pragma once
// Flag semaphore: a cleaned text becomes the numbers of the pictures to show
// (1-27 signals, 28 the blank picture of a space). Digits share the pictures
// of the letters "a"-"k", as on the flags.

#include <QList>
#include <QStringView>
#include <array>

inline constexpr QStringView SemaforAbeceda = u"abcdefghijklmnopqrstuvwxyz1234567890*";

// The picture of each character of SemaforAbeceda, position by position.
inline constexpr std::array<int, 37> SemaforObrazky{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                                                    14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26,
                                                    1,  2,  3,  4,  5,  6,  7,  8,  9,  11, 27};

inline constexpr int SemaforMezera = 28;
inline constexpr int SemaforPocetObrazku = 28;

// One picture number per known character or space, in text order; other characters are skipped.
QList<int> SemaforSifruj(QStringView text);

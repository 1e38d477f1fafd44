#pragma once
// Mnemonics for captions: the letter after "&" that Alt and that letter, or the letter alone in an
// open menu, chooses.
//
// A menu or a window gives every caption one, different from the others of the same menu or window.
// A caption that already has one keeps it, unless its letter was taken before (the menu bar's
// letters in a window, where Alt and the letter would mean both) or by an earlier caption. Otherwise the first letter
// of a word that is still free is taken, else any other free letter; letters a-z and digits come before letters with
// accents, which not every keyboard has. Letters are compared without case ("S" and "s" are one key). A caption with no
// free letter stays as it is. "&&" is a written "&", no mnemonic.

#include <QString>
#include <QStringList>

// The mnemonic letter of a caption (lower case), or a null QChar when it has none.
QChar MnemonikaTextu(QStringView text);
// The caption without its mnemonic ("&&" stays).
QString BezMnemoniky(QStringView text);

// The captions with mnemonics, in order; obsazene holds the letters already taken (lower case)
// and gets those given.
QStringList PridejMnemoniky(const QStringList &texty, QString *obsazene = nullptr);

#pragma once
// The sizes that the grille and snail windows read from their size boxes.
//
// A size box holds whatever the user typed; the window asks at every keystroke what size the text
// gives. A whole number from 1 to the largest size is that size; anything else (an empty box, a
// text that is no whole number, a number out of range) is refused with the message the windows
// show, and the window goes on with its own fallback.

#include <QString>
#include <QStringView>

#include <optional>

// The size the text gives, or nothing with the refusal in *chyba: "Zadali jste ", the text as
// typed and ". Zadavejte jen cislice 1-" followed by nejvice and "!".
std::optional<int> PrectiVelikost(QStringView text, int nejvice, QString *chyba = nullptr);

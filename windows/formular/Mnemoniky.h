#pragma once
// Mnemonics for the menus and the windows (text/Mnemoniky chooses the letters): Alt and the
// underlined letter opens a menu or presses a button, checks a box or puts the focus into the
// input a label names.

#include <QString>

class QMenuBar;
class QMenu;
class QWidget;

// The items of the bar, and in every menu below it the items of that menu, each menu on its own.
// Items that already have a mnemonic keep it; a call after new items came gives only those one.
void pridejMnemonikyMenu(QMenuBar *lista);
void pridejMnemonikyMenu(QMenu *menu);

// The buttons, check boxes and radio buttons with a caption (and no shortcut of their own) and the
// labels with a buddy in okno, in the order they were made, each a different letter and none of the letters in obsazene (lower
// case: the menu bar's of the main window that okno lies in).
void pridejMnemonikyOkna(QWidget *okno, const QString &obsazene = QString());
// Accessible names, for a screen reader, for the controls in okno that take the focus and have none:
// a control a label names (its buddy) gets the label's text without the mnemonic, a scroll area
// with no label the title of the window okno lies in, a combo box's list the combo box's name.
// Names given before stay.
void pojmenujOvladaceOkna(QWidget *okno);
// The mnemonic letters of the bar's menus, lower case.
QString mnemonikyListy(const QMenuBar *lista);

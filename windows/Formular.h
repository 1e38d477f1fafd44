#pragma once
// The building blocks of every form. Each function makes one control, names it after the
// control table (objectName), gives it its text, hint and default, and styles it the way all
// windows show that kind of control; placing it (layouts or fixed geometry) is the window's
// own business. A window's constructor then reads like its control table.

#include <QAnyStringView>
#include <QString>

#include <initializer_list>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPixmap;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// A plain-text label in Tahoma 8 pt, bold when asked, wrapping at word boundaries.
QLabel *popisek(QWidget *rodic, QAnyStringView jmeno, const QString &text, bool tucne = false);

// A push button with its hint shown on hover.
QPushButton *tlacitko(QWidget *rodic, QAnyStringView jmeno, const QString &text, const QString &napoveda = {});

// A multi-line memo with a vertical scroll bar; Tab moves the focus on instead of typing a tab.
// Long texts cost time in proportion to their length (windows/zpravy/RozvrzeniMema.h).
QPlainTextEdit *memo(QWidget *rodic, QAnyStringView jmeno, const QString &text = {});

// A one-line edit.
QLineEdit *editace(QWidget *rodic, QAnyStringView jmeno, const QString &text = {});

QRadioButton *prepinac(QWidget *rodic, QAnyStringView jmeno, const QString &text, bool vybrany = false);
QCheckBox *zaskrtavatko(QWidget *rodic, QAnyStringView jmeno, const QString &text, bool zaskrtnuto = false);

// A group box; an empty titulek gives a box without caption.
QGroupBox *skupina(QWidget *rodic, QAnyStringView jmeno, const QString &titulek = {}, bool tucne = false);

// A thin black horizontal rule (the forms' Shape controls).
QFrame *cara(QWidget *rodic, QAnyStringView jmeno);

// A picture box showing pixmapa unscaled from its top-left corner.
QLabel *obrazek(QWidget *rodic, QAnyStringView jmeno, const QPixmap &pixmapa);

// Sets the keyboard focus order to the given controls, in that order.
void poradiFokusu(std::initializer_list<QWidget *> ovladace);

// A white background that the widget paints itself.
void nastavBiloPozadi(QWidget *widget);

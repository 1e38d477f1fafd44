#pragma once
// The building blocks of every form. Each function makes one control, names it after the
// control table (objectName), gives it its text, hint and default, and styles it the way all
// windows show that kind of control; placing it (layouts or fixed geometry) is the window's
// own business. A window's constructor then reads like its control table.

#include <QAnyStringView>
#include <QString>
#include <QStringList>

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
class QScrollArea;
class QTextEdit;
class QWidget;

// A plain-text label in Tahoma 8 pt, bold when asked, wrapping at word boundaries.
QLabel *popisek(QWidget *rodic, QAnyStringView jmeno, const QString &text, bool tucne = false);

// A push button with its hint shown on hover.
QPushButton *tlacitko(QWidget *rodic, QAnyStringView jmeno, const QString &text, const QString &napoveda = {});

// A multi-line memo with a vertical scroll bar; Tab moves the focus on instead of typing a tab.
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

// A read-only text box sirka pixels wide with a thin plain frame, in Tahoma of the given point size. Its
// text wraps at word boundaries (inside a word only when the word alone is wider) at that width, whatever
// height the box gets, so the lines it shows can be counted before it is placed.
QTextEdit *textovyBox(QWidget *rodic, QAnyStringView jmeno, qreal body, int sirka, const QString &text = {});

// The lines a text box shows: every wrapped piece of every paragraph, in order. A box holding no text
// shows one empty line.
QStringList zobrazeneRadky(const QTextEdit *box);

// A scroll box with a plain single-line border that scrolls only vertically; what is wider is cut off.
QScrollArea *posuvnyPanel(QWidget *rodic, QAnyStringView jmeno);

// Sets the keyboard focus order to the given controls, in that order.
void poradiFokusu(std::initializer_list<QWidget *> ovladace);

// A white background that the widget paints itself.
void nastavBiloPozadi(QWidget *widget);

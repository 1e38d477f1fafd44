#pragma once
// The building blocks of every form. Each function makes one control, names it after the
// control table (objectName), gives it its text, hint and default, and styles it the way all
// windows show that kind of control; placing it (layouts or fixed geometry) is the window's
// own business. A window's constructor then reads like its control table.

#include <QAnyStringView>
#include <QMessageBox>
#include <QSize>
#include <QString>
#include <QStringList>

#include <initializer_list>

class QCheckBox;
class QFrame;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPixmap;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSpinBox;
class QTextEdit;
class QVBoxLayout;
class QWidget;

// A plain-text label in Tahoma 8 pt, bold when asked, wrapping at word boundaries.
QLabel *popisek(QWidget *rodic, QAnyStringView jmeno, const QString &text, bool tucne = false);

// A push button with its hint shown on hover.
QPushButton *tlacitko(QWidget *rodic, QAnyStringView jmeno, const QString &text, const QString &napoveda = {});

// A multi-line memo with a vertical scroll bar; Tab moves the focus on instead of typing a tab.
// Long texts cost time in proportion to their length (windows/formular/RozvrzeniMema.h).
QPlainTextEdit *memo(QWidget *rodic, QAnyStringView jmeno, const QString &text = {});

// A double click on the memo's text selects the whole text (for copying) while the memo is enabled.
// The click goes no further, so the memo does not narrow the selection to one word afterwards.
void vyberVseDvojklikem(QPlainTextEdit *memo);

// Lets the user type or paste at most nejvice characters into the memo: what an edit adds beyond
// the limit is cut off at the place of the edit, so the rest of the text stays as it was. Text the
// program sets with setPlainText is not cut.
void omezDelku(QPlainTextEdit *memo, int nejvice);
// A memo one line high that does not wrap (the forms' name boxes): it keeps line breaks typed
// or loaded into it, and its text scrolls sideways and up and down with the cursor.
QPlainTextEdit *radkovyMemo(QWidget *rodic, QAnyStringView jmeno, const QString &text = {});

// A one-line edit.
QLineEdit *editace(QWidget *rodic, QAnyStringView jmeno, const QString &text = {});

QRadioButton *prepinac(QWidget *rodic, QAnyStringView jmeno, const QString &text, bool vybrany = false);
QCheckBox *zaskrtavatko(QWidget *rodic, QAnyStringView jmeno, const QString &text, bool zaskrtnuto = false);

// A box for a whole number from nejmene to nejvice, showing hodnota at start.
QSpinBox *cislo(QWidget *rodic, QAnyStringView jmeno, int nejmene, int nejvice, int hodnota);

// A group box; an empty titulek gives a box without caption.
QGroupBox *skupina(QWidget *rodic, QAnyStringView jmeno, const QString &titulek = {}, bool tucne = false);

// A thin black horizontal rule (the forms' Shape controls).
QFrame *cara(QWidget *rodic, QAnyStringView jmeno);

// A solid black bar, such as the frame of a drawn grid; the window gives it its size.
QFrame *pruh(QWidget *rodic, QAnyStringView jmeno);

// A picture box showing pixmapa unscaled from its top-left corner.
QLabel *obrazek(QWidget *rodic, QAnyStringView jmeno, const QPixmap &pixmapa);

// A modal message box with one text and an OK button, as a window shows a refused input; titled
// "Talvo" without an icon unless asked otherwise.
void hlaseni(QWidget *rodic, const QString &text, QMessageBox::Icon ikona = QMessageBox::NoIcon,
             const QString &titulek = QStringLiteral("Talvo"));
// A scroll box with a white content area that the window fills with controls at fixed positions
// and sizes itself (widget()); no horizontal scroll bar, a vertical one when the content is taller.
QScrollArea *svitek(QWidget *rodic, QAnyStringView jmeno);
// A read-only text box sirka pixels wide with a thin plain frame, in Tahoma of the given point size. Its
// text wraps at word boundaries (inside a word only when the word alone is wider) at that width, whatever
// height the box gets, so the lines it shows can be counted before it is placed.
QTextEdit *textovyBox(QWidget *rodic, QAnyStringView jmeno, qreal body, int sirka, const QString &text = {});

// The lines a text box shows: every wrapped piece of every paragraph, in order. A box holding no text
// shows one empty line.
QStringList zobrazeneRadky(const QTextEdit *box);

// The column that places a form's controls in plocha top to bottom, with the forms' margins and spacing.
QVBoxLayout *sloupecFormulare(QWidget *plocha);
// A row of controls from the left; the rest of the row stays empty.
QHBoxLayout *radaZleva(std::initializer_list<QWidget *> ovladace);

// Sets the keyboard focus order to the given controls, in that order.
void poradiFokusu(std::initializer_list<QWidget *> ovladace);

// The background of a form: the palette's base colour, which the widget paints itself. White under a
// light palette, dark under a dark one, so the palette's text colours stay readable on it.
void nastavBiloPozadi(QWidget *widget);

// Fills okno with a frameless scroll box ("svitek") whose white content area ("obsah") takes the
// box's width and height but never shrinks below navrh less 20 pixels each way: a window smaller
// than that shows scroll bars instead of squeezing its controls. Returns the content area.
QWidget *plochaOkna(QWidget *okno, QSize navrh);

// Makes okno a form window: its object name and caption, Tahoma 8 pt for its controls, a white
// background and the size it opens in.
void pripravOkno(QWidget *okno, QAnyStringView jmeno, const QString &titulek, QSize velikost);

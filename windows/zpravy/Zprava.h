#pragma once
// The report every savable or printable child window offers to the main window.
//
// The window keeps a hidden, word-wrapping memo `memoTisk`; `NaplnTisk` appends the window's
// report lines to it. Save writes the lines, Print breaks them into display lines as wide as
// the window's report box and prints those. The main window finds the interface on the
// active child with dynamic_cast and needs to know nothing else about it.

#include <QSize>
#include <QStringList>

class QPlainTextEdit;
class QWidget;

// The kinds of reportable window, in the order Save tests them.
enum class DruhZpravy
{
    Editor,
    Morseovka,
    Mrizka,
    Kolecko,
    Snek
};

class IZprava
{
public:
    virtual ~IZprava() = default;
    virtual QPlainTextEdit *memoTisk() const = 0;
    // Appends the window's report lines to memoTisk.
    virtual void NaplnTisk() = 0;
    virtual DruhZpravy druhZpravy() const = 0;
};

// The reportable window behind a widget, or nullptr when the widget is none.
IZprava *zpravaOkna(QWidget *okno);

// Whether Save and Print handle this kind of window.
bool lzeUlozit(DruhZpravy druh);
bool lzeTisknout(DruhZpravy druh);

// The size of the report box for Print: the editor's box is narrower than the tool windows'.
QSize velikostTiskoveZpravy(DruhZpravy druh);

// A new report memo inside rodic: hidden, wrapping long lines at word boundaries, named "memoTisk".
QPlainTextEdit *vytvorMemoTisk(QWidget *rodic);

// Appends text to a report memo as whole lines (an empty text is one empty line); a text with
// line breaks contributes each of its lines.
void pridejDoZpravy(QPlainTextEdit *memo, const QString &text);

// Empties the window's memoTisk, lets the window fill it and returns its text, the lines separated
// by '\n'; none when the window reported nothing (one empty line is an empty text).
std::optional<QString> textZpravy(IZprava &zprava);
// textZpravy's lines.
QStringList radkyZpravy(IZprava &zprava);

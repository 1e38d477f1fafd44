#pragma once
// What every tool window (Morse, grille, wheel, snail, semaphore) shares.
//
// The window keeps the source text as the user typed it (`ulozenyZdroj`), cleans the source
// memo in place at every cipher press, puts the typed text back on "Obnovit zdrojový text",
// selects the whole text of the source or target memo on a double click and checks the text of a
// size box. Its controls sit in a white, scrollable area of the window's design size. A window
// with a report (TOknoSeZpravou: all but the semaphore) also fills its hidden report memo
// `memoTisk` for Save and Print. A derived window builds its controls into obsah(), registers its
// source and target memos and states only its tables, its engine call and its report lines.

#include "windows/zpravy/Zprava.h"

#include <QString>
#include <QStringView>
#include <QWidget>

#include <initializer_list>

class QBoxLayout;
class QLabel;
class QPlainTextEdit;

// The hints of the cipher and restore buttons that several tool windows share, word for word.
inline constexpr QStringView NapovedaDesifruj = u"Stisknutím dešifrujete text uvedený v poli \"Zdrojový text\".";
inline constexpr QStringView NapovedaZasifruj = u"Stisknutím zašifrujete text uvedený v poli \"Zdrojový text\".";
inline constexpr QStringView NapovedaObnovit = u"V poli \"Zdrojový text\" se obnový diakritika a další znaky, které "
                                               u"jsou odstraněny po stisku tlačítek \"Zašifruj\" nebo \"Dešifruj\"";

class TNastrojoveOkno : public QWidget
{
    Q_OBJECT
public:
    ~TNastrojoveOkno() override;

    // The design size, so a restored (not maximised) window opens showing every control.
    QSize sizeHint() const override { return m_navrh; }

    // The text "Obnovit zdrojový text" puts back.
    QString ulozenyText() const { return ulozenyZdroj; }

public slots:
    // "Obnovit zdrojový text": the source memo gets the saved text back; nothing else changes.
    void Button1Click();

protected:
    // jmeno is the object name, navrh the size at which every control fits without scrolling.
    TNastrojoveOkno(const QString &jmeno, const QString &titulek, QSize navrh, QWidget *parent);

    // The white area inside the scroll box that holds the window's controls.
    QWidget *obsah() const { return m_obsah; }
    // The memo whose text is saved, cleaned and restored (its current text becomes ulozenyZdroj)
    // and the memo that shows the result, if the window has one; a double click selects the whole
    // text of either while it is enabled.
    void nastavTexty(QPlainTextEdit *zdroj, QPlainTextEdit *cil = nullptr);
    QPlainTextEdit *zdrojMemo() const { return m_zdroj; }

    // Adds to sloupec what the tool windows show one below the other: the source memo under its
    // heading, taking a share of the spare height, the row of buttons, and after a small gap the
    // heading of the target. The source heading becomes the memo's label (its buddy). The window places the
    // target itself, below.
    static void pridejTexty(QBoxLayout *sloupec, QLabel *nadpisZdroje, QPlainTextEdit *zdroj,
                            std::initializer_list<QWidget *> tlacitka, QLabel *nadpisCile);

    // Saves the typed source, then writes the lower-cased, cleaned text back into the source memo
    // and returns it.
    QString ulozAVycistiZdroj(QStringView znaky, QStringView nahrada);
    // The same in two steps, for a window that completes the cleaned text before showing it:
    // saves the typed source and returns it lower-cased and cleaned ...
    QString ulozAVycisti(QStringView znaky, QStringView nahrada);
    // ... and shows text in the source memo. A memo that already holds it is left alone: setting a
    // long text again would lay it out again for nothing.
    void ukazZdroj(const QString &text);

    // The size the text of a size box gives, from 1 to nejvice; any other text is refused with a
    // message box and gives nahradni.
    int velikostZTextu(const QString &text, int nejvice, int nahradni);

    QString ulozenyZdroj;

private:
    QSize m_navrh;
    QWidget *m_obsah = nullptr;
    QPlainTextEdit *m_zdroj = nullptr;
};

// A tool window whose source and result Save and Print report.
class TOknoSeZpravou : public TNastrojoveOkno, public IZprava
{
    Q_OBJECT
public:
    QPlainTextEdit *memoTisk() const override { return m_memoTisk; }

protected:
    TOknoSeZpravou(const QString &jmeno, const QString &titulek, QSize navrh, QWidget *parent);

    // Appends text to memoTisk; each of its lines becomes one report line.
    void pridejDoTisku(const QString &text);

    // One part of a report: a heading line and the text below it.
    struct OddilZpravy
    {
        QString nadpis;
        QString text;
    };
    // Appends the parts in order, with an empty line between two of them.
    void pridejOddily(std::initializer_list<OddilZpravy> oddily);

private:
    QPlainTextEdit *m_memoTisk = nullptr;
};

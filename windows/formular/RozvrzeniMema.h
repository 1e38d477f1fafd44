#pragma once
// Memos that stay quick with long texts: every memo of every window, shown or hidden, gets this.
//
// Qt lays out a memo paragraph by paragraph, each as a whole, and a plain QPlainTextEdit makes a
// long paragraph slow in three ways:
//  - breaking at word boundaries searches the rest of a paragraph that has none (a Morse result is
//    one such paragraph) for every display line it makes: the time grows with its square;
//  - a change inside a paragraph lays it out at once, twice, even in a memo nobody sees, and
//    setting a new text lays it out once more before the text is even announced;
//  - every cursor move or repaint shapes the whole paragraph again.
// pripravMemo gives the memo a document layout that lays out a paragraph longer than
// DlouhyOdstavec only when it is shown, once, keeping its shaped glyphs until it changes; a
// paragraph holding more than DelkaBehuBezMezery characters without a space is broken anywhere,
// every other one as the memo was set up (at word boundaries). Whether a paragraph holds such a
// run is found out once and afterwards kept up to date from the changed part alone, so a
// keystroke costs this code the same in a short text and a long one. The text is never touched.
//
// The memo's font asks Qt not to shape text that needs no shaping (Latin, Greek, Cyrillic and the
// like): each character is then simply its font's glyph, without a pass through HarfBuzz. That
// halves the time of laying out a long text; scripts that need shaping are shaped as before.

class QPlainTextEdit;

// A run without a space longer than this is not a word: its paragraph is broken anywhere.
inline constexpr int DelkaBehuBezMezery = 1000;
// Paragraphs longer than this are laid out only when shown.
inline constexpr int DlouhyOdstavec = 4096;

// Gives memo its own document with the layout described above, keeping its text and wrap modes.
void pripravMemo(QPlainTextEdit *memo);

#pragma once
// Flag semaphore: a cleaned text becomes the numbers of the pictures to show
// (1-27 signals, 28 the blank picture of a space). Digits share the pictures
// of the letters "a"-"k", as on the flags.

#include <QList>
#include <QString>
#include <QStringList>
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

// Reading semaphore: picture numbers back to text. Letters by default; after the numerals sign
// (picture 27) the pictures A-I give the digits 1-9 and K gives 0 until the letters sign (J, picture
// 10), which is then not written (as a letter, picture 10 is "j"). Picture 28 writes a space in
// either mode; the numerals sign again, and the letters L-Z, write what they write among letters.
inline constexpr int SemaforZnakCislic = 27;
inline constexpr int SemaforZnakPismen = 10;

// The reader for pictures given one by one, as they are clicked; every step costs constant time.
// Numbers outside 1-28 are ignored: they are not kept and change nothing.
class CteniSemaforu
{
public:
    // Appends a picture; false when its number is out of range and it was ignored.
    bool pridej(int obrazek);
    // Takes back the last picture kept, with what it wrote and its change of mode.
    void zpet();
    void smaz();

    const QString &text() const { return m_text; }
    const QList<int> &obrazky() const { return m_obrazky; }
    bool cislice() const { return m_cislice; }

private:
    struct Krok
    {
        qsizetype delkaTextu; // of the text before the picture
        bool cislice;         // the mode before the picture
    };

    QList<int> m_obrazky;
    QList<Krok> m_kroky;
    QString m_text;
    bool m_cislice = false;
};

// The text of a whole row of pictures, read as CteniSemaforu reads them (without its history).
QString SemaforDesifruj(const QList<int> &obrazky);

// What a picture means among letters, for captions and quizzes: "a"-"z" for 1-26 (10 is "j"),
// "ČÍSLICE" for the numerals sign, a space for 28, an empty text out of range.
QString semaforVyznam(int obrazek);

// The digit a picture gives after the numerals sign ('1'-'9' for A-I, '0' for K), or a null QChar.
QChar semaforCislice(int obrazek);

// What a screen reader says of a picture: "Semafor: písmeno A" for 1-26, "Semafor: číslice" for the
// numerals sign, "Semafor: mezera" for 28; given the digit the picture stands for after the numerals
// sign, "Semafor: číslice 1". Empty out of range.
QString semaforPopis(int obrazek, QChar cislice = QChar());

// One semaforPopis per picture of SemaforSifruj(text), in the same order: each picture described by
// the character it was made from, so a typed digit reads as that digit.
QStringList SemaforPopisy(QStringView text);

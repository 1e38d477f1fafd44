#pragma once
// Reading semaphore by clicking: 28 buttons show the pictures of the signs; each click appends the
// sign to the row of received pictures and its meaning to the text, read by CteniSemaforu (letters,
// or digits after the numerals sign until the letters sign). "Zpět" takes back the last sign with
// its change of mode, "Smazat" starts again. The window has no report for Save and Print.

#include "ciphers/Semafor.h"

#include <QPixmap>
#include <QWidget>

#include <array>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class TSemaforCteni : public QWidget
{
    Q_OBJECT
public:
    explicit TSemaforCteni(QWidget *parent = nullptr);

    const CteniSemaforu &cteni() const { return m_cteni; }

public slots:
    // A click on the button of picture obrazek (1-28).
    void znakClick(int obrazek);
    void zpetBClick();
    void smazatBClick();

private:
    void vytvorOvladace();
    void ukazStav();
    const QPixmap &bitmapa(int obrazek);

    CteniSemaforu m_cteni;
    QLabel *Label1 = nullptr;
    std::array<QPushButton *, SemaforPocetObrazku> m_znaky{};
    QLabel *PrijateLab = nullptr;
    QListWidget *prijateLW = nullptr;
    QLabel *TextLab = nullptr;
    QPlainTextEdit *textE = nullptr;
    QLabel *rezimLab = nullptr;
    QPushButton *zpetB = nullptr;
    QPushButton *smazatB = nullptr;
    std::array<QPixmap, SemaforPocetObrazku> m_bitmapy;
};

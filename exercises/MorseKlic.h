#pragma once
// Sending Morse on a key: the space bar or a mouse button held on the key area is the key down. The
// lengths of the presses and pauses go to DekoderKlicovani, which follows the sender's speed; the
// window shows the code so far, its decoding, the estimated speed and, when a text to send is given,
// the first difference from it. A silence of three units completes the letter being sent. A side
// tone sounds while the key is down (when asked and a sound device is there). The window has no
// report for Save and Print.

#include "ciphers/Klicovani.h"

#include <QElapsedTimer>
#include <QWidget>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTimer;
class TTonKlice;

// The key: a large area that takes the focus; the space bar (its auto-repeat ignored) or any mouse
// button on it presses it. It shows whether it is down in the palette's highlight colours.
class TKlicPlocha : public QWidget
{
    Q_OBJECT
public:
    explicit TKlicPlocha(QWidget *parent = nullptr);
    bool dole() const { return m_dole; }
    QSize sizeHint() const override { return {400, 120}; }

signals:
    void stisknuto();
    void uvolneno();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void nastav(bool dole);

    bool m_dole = false;
};

// Cleaned text to compare, and the comparison shown under the decoded text: the first position where
// prijato differs from vzor, or how far it agrees. Both are compared as lower-case letters without
// diacritics, spaces run together; empty when vzor is.
QString RozdilOdVzoru(const QString &prijato, const QString &vzor);

class TMorseKlic : public QWidget
{
    Q_OBJECT
public:
    explicit TMorseKlic(QWidget *parent = nullptr);
    ~TMorseKlic() override;

    // The clock the key is timed by, in milliseconds; by default one started with the window. A test
    // or a replay gives its own.
    void nastavHodiny(std::function<qint64()> hodiny);
    const DekoderKlicovani &dekoder() const { return m_dekoder; }

public slots:
    // The key went down or up now (by the clock).
    void klicDolu();
    void klicNahoru();
    // The silence after the last press has lasted long enough: the letter is complete.
    void tichoUplynulo();
    void smazatBClick();

private:
    void vytvorOvladace();
    void zacni();
    void ukaz();
    void ukazRozdil();

    DekoderKlicovani m_dekoder;
    QElapsedTimer m_bezi;
    std::function<qint64()> m_hodiny;
    qint64 m_posledni = 0; // when the key last went down or up
    bool m_dole = false;
    bool m_zacato = false; // a press since the start or Smazat
    qsizetype m_zobrazenoKodu = 0;
    qsizetype m_dekodovanoDo = 0; // the code up to the last "/" seen, decoded into m_text
    QString m_text;

    QLabel *Label1 = nullptr;
    QLabel *RychlostLab = nullptr;
    QSpinBox *rychlostSB = nullptr;
    QCheckBox *tonCB = nullptr;
    TKlicPlocha *klicPlocha = nullptr;
    QLabel *KodLab = nullptr;
    QPlainTextEdit *kodE = nullptr;
    QLabel *TextLab = nullptr;
    QPlainTextEdit *textE = nullptr;
    QLabel *odhadRychlostiLab = nullptr;
    QLabel *VzorLab = nullptr;
    QLineEdit *vzorE = nullptr;
    QLabel *rozdilLab = nullptr;
    QPushButton *smazatB = nullptr;
    QLabel *StavZvukuLab = nullptr;
    QTimer *m_ticho = nullptr;
    TTonKlice *m_ton = nullptr;
};

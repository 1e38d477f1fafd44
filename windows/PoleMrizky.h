#pragma once
// The grille's grid as a control: a widget lying exactly over the grid that the grille window paints,
// so the grid takes focus, is cut by keyboard and is read by a screen reader.
//
// It paints only the focus cell (a frame in the palette's highlight colour while it has focus); the
// grid and its holes stay the window's painting below it. The arrow keys move the focus cell, Home
// and End go to the row's ends, Space or Enter cuts or closes the focus cell, and a mouse press
// cuts or closes the cell under it and moves the focus there. The window answers `prepni` by
// toggling the hole. For accessibility the grid is a table whose children are its cells, each named
// by row and column and described by its state.

#include "ciphers/Mrizka.h"

#include <QPoint>
#include <QString>
#include <QWidget>

class TPoleMrizky : public QWidget
{
    Q_OBJECT
public:
    explicit TPoleMrizky(QWidget *parent = nullptr);

    // The grid of velikost x velikost cells with these holes and counts: what the window shows.
    // The focus cell stays where it was, pulled inside a smaller grid.
    void nastav(int velikost, const Okenka &okenka, const PocetOdkryti &pocty);

    int velikost() const { return m_velikost; }
    // The focus cell as (column, row).
    QPoint fokus() const { return m_fokus; }
    void nastavFokus(QPoint bunka);

    bool jeOkenko(QPoint bunka) const { return m_okenka[bunka.x()][bunka.y()]; }
    int pocetOdkryti(QPoint bunka) const { return m_pocty[bunka.x()][bunka.y()]; }
    // "Řádek 2, sloupec 3" (1-based), and what a screen reader adds: hole or closed, and how often
    // the card's four positions uncover the cell when that is not exactly once.
    static QString nazevBunky(QPoint bunka);
    QString popisBunky(QPoint bunka) const;
    // The cell's square in this widget's coordinates.
    QRect ctverec(QPoint bunka) const;
    // The cell under a point of this widget, or (-1, -1).
    QPoint bunkaNaBode(QPoint bod) const;

signals:
    // The user cut or closed this cell (column, row).
    void prepni(QPoint bunka);

protected:
    void paintEvent(QPaintEvent *udalost) override;
    void keyPressEvent(QKeyEvent *udalost) override;
    void mousePressEvent(QMouseEvent *udalost) override;
    void mouseDoubleClickEvent(QMouseEvent *udalost) override;
    void focusInEvent(QFocusEvent *udalost) override;
    void focusOutEvent(QFocusEvent *udalost) override;

private:
    void posun(int dx, int dy);
    void ohlasFokus();

    int m_velikost = 0;
    Okenka m_okenka{};
    PocetOdkryti m_pocty{};
    QPoint m_fokus{0, 0};
};

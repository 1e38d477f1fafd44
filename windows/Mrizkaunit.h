#pragma once
// The grille window: the user draws a turning grille of N x N cells (N from 1 to 10) by clicking
// its squares, and enciphers or deciphers the source text with it.
//
// The window paints the grid on its content area, one 20-pixel square per cell with the top-left
// corner at PocatekMrizky. Over it lies the grid control (windows/PoleMrizky): it takes focus, the
// keys and the presses on the grid, shows the focus cell and tells a screen reader the cells.
// The holes are the engine's Okenka, kept by the window; a hole shows as its square of the grid
// picture inverted. Four black bars frame the N x N grid and two white covers hide the rest of
// the 10 x 10 picture. Every change of the size box rebuilds the grid with the default holes.
//
// Below the grid the window helps to make a card that uncovers every cell exactly once: cells no
// position uncovers get a red frame, cells uncovered more than once a blue one, and a line says
// what is wrong. "Náhodná mřížka" cuts such a card at random, and the card prints as a sheet to
// cut out (windows/zpravy/Vystrihovanky).

#include "ciphers/Mrizka.h"
#include "windows/NastrojoveOkno.h"

#include <QPixmap>
#include <QPoint>
#include <QRect>

#include <optional>

class QFrame;
class QLabel;
class QLineEdit;
class QPainter;
class QPlainTextEdit;
class QPushButton;
class TPoleMrizky;

class TMrizkaForm : public TOknoSeZpravou
{
    Q_OBJECT
public:
    // Side of one cell and the grid's top-left corner, in pixels of the content area.
    static constexpr int VelikostBunky = 20;
    static constexpr QPoint PocatekMrizky{536, 294};

    explicit TMrizkaForm(QWidget *parent = nullptr);

    void NaplnTisk() override;
    DruhZpravy druhZpravy() const override { return DruhZpravy::Mrizka; }

    int velikost() const { return m_velikost; }
    const Okenka &okenka() const { return m_okenka; }
    // How many positions uncover each cell of the card as it is now.
    const PocetOdkryti &pocetOdkryti() const { return m_pocty; }

    // The cell (column, row) under a point of the content area, if the current grid has one there.
    std::optional<QPoint> bunkaNaBode(QPoint bod) const;

public slots:
    void ZasifrujBClick();
    void DesifrujBClick();
    void velikostMrizkyChange();
    void NahodnaMrizkaBClick();
    void VytiskniMrizkuBClick();

protected:
    // Paints the grid on the content area and takes the presses on it.
    bool eventFilter(QObject *objekt, QEvent *udalost) override;

private:
    using Sifra = QString (*)(QStringView text, const Okenka &okenka, int n);

    void vytvorLevySloupec();
    void vytvorPravySloupec();
    void vytvorPomocnika();
    void spustSifru(Sifra sifra);

    // The size in the size box, or 1 after telling the user that it is no size.
    int ZkontrolujVelikost();
    // A fresh grid of the current size with the default holes.
    void postavMrizku();
    // Places the frame and the covers around the grid of the current size.
    void RozmistiCary();

    void FormPaint(QPainter &malir) const;
    void kresliMrizku(QPainter &malir) const;
    void kresliOkenka(QPainter &malir) const;
    // A coloured frame inside every cell that is not uncovered exactly once.
    void kresliPokryti(QPainter &malir) const;
    // Counts how often each cell is uncovered and says so under the grid.
    void aktualizujStav();
    void FormMouseDown(QPoint bod);
    void prepniOkenko(QPoint bunka);
    // A cell's square inside the grid picture.
    static QRect ctverecBunky(QPoint bunka);

    int m_velikost = 0;
    Okenka m_okenka{};
    PocetOdkryti m_pocty{};
    // The 10 x 10 grid as free squares, and the same picture inverted, from which holes are drawn.
    QPixmap obrazekMrizky;
    QPixmap obrazekOkenek;

    QLabel *Label1 = nullptr;
    QFrame *Shape1 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Label6 = nullptr;
    QFrame *Shape2 = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Label3 = nullptr;
    QPlainTextEdit *Zdroj = nullptr;
    QPushButton *DesifrujB = nullptr;
    QPushButton *ZasifrujB = nullptr;
    QPushButton *Button1 = nullptr;
    QLabel *Label4 = nullptr;
    QPlainTextEdit *Cil = nullptr;

    QLabel *Label7 = nullptr;
    QLineEdit *velikostMrizky = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label2 = nullptr;
    QFrame *VodorovnaCara = nullptr;
    QFrame *SvislaCara = nullptr;
    QFrame *VodorovnaCara2 = nullptr;
    QFrame *SvislaCara2 = nullptr;
    QLabel *VodorovnyObr = nullptr;
    QLabel *SvislyObr = nullptr;
    QLabel *StavMrizkyLab = nullptr;
    QLabel *LegendaMrizkyLab = nullptr;
    QPushButton *NahodnaMrizkaB = nullptr;
    QPushButton *VytiskniMrizkuB = nullptr;
    TPoleMrizky *poleMrizky = nullptr;
};

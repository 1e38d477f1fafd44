#pragma once
// The Print and printer set-up commands: Print asks the active window for its report (IZprava) or
// its overview (IPrehledTisku) and prints it through TiskListu.h or TiskPrehledu.h.
//
// A report's lines are broken into display lines as wide as the window's report box in Tahoma
// 8 pt at 96 dpi (radkyZobrazeni), then printed one display line per printed line. The
// printer and its two dialogs live as long as this object, so the dialogs remember the
// printer, the copies and the collation between prints, and the paper chosen in
// Nastavení tisku (or in the print dialog's Properties) stays until another is chosen.

#include "windows/zpravy/TiskListu.h"

#include <QObject>
#include <QPageLayout>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class IZprava;
class IPrehledTisku;
class QPageSetupDialog;
class QPrintDialog;
class QPrinter;
class QWidget;
class TTiskZprav;

// A window that prints pages of its own instead of report lines: Print hands it the printer.
class IVlastniTisk
{
public:
    virtual ~IVlastniTisk() = default;
    // Prints through tisk.vyberATiskni, or refuses with a message box saying why and prints
    // nothing. True when something was printed.
    virtual bool tiskni(TTiskZprav &tisk) = 0;
};

// A report made ready for Print: the report box's text (textZpravy) and the box width its lines
// break at.
struct TiskovaZprava
{
    std::optional<QString> text;
    int sirka = 0;
};

// Empties the window's report box, sizes it for Print and fills it: what Print does before its
// dialog. Once the dialog is accepted, zalomZpravu breaks the lines and TiskniZpravu prints them.
TiskovaZprava pripravTisk(IZprava &zprava);

// The most sheets a print job has without showing its progress.
inline constexpr int MaxListuBezPrubehu = 20;

class TTiskZprav : public QObject
{
    Q_OBJECT
public:
    // rodic owns the dialogs and the error box.
    explicit TTiskZprav(QWidget *rodic);
    ~TTiskZprav() override;

    // The one printer of the main window that okno lies in (okno's top-level window), made there
    // on first use; every print of the program goes through it and its dialogs.
    static TTiskZprav *proOkno(QWidget *okno);

    QPrinter *tiskarna() const { return m_tiskarna; }
    QPrintDialog *PrintDialog1() const { return m_printDialog; }
    QPageSetupDialog *PrinterSetupDialog1();

    // Prints the report of okno when it is a printable window, the overview with its pictures when
    // it is an overview window, or lets a window that prints itself (IVlastniTisk) do it; anything
    // else does nothing. True when something was printed.
    bool TiskClick(QWidget *okno);
    // Sizes, fills and prints one report.
    bool tiskniZpravu(IZprava &zprava);
    // Builds the overview's report, shows PrintDialog1 and prints it with its pictures.
    bool tiskniPrehled(IPrehledTisku &prehled);
    // Shows PrintDialog1; true when the user chose to print.
    bool vyberTisk();
    // Shows PrinterSetupDialog1; the paper confirmed there is the paper of the next prints.
    void NastaveniTiskuClick();
    // Shows PrintDialog1, then runs tisk on the printer; a failure is shown in a box. Between sheets
    // the window repaints; a job of more than MaxListuBezPrubehu sheets shows the dialog
    // "PrubehTisku" whose "Zrušit" stops it, with no box. A PDF file is printed under a temporary
    // name beside the chosen one and renamed onto it only when complete, a print to a queue into a
    // temporary file sent to the queue only when complete: a stopped print leaves nothing.
    bool vyberATiskni(const std::function<bool(QPrinter &, QString *)> &tisk);

private:
    QWidget *m_rodic;
    QPrinter *m_tiskarna;
    QPrintDialog *m_printDialog;
    QPageSetupDialog *m_setupDialog = nullptr;
    // The paper the user chose; invalid until one is chosen.
    QPageLayout m_papir;
};

#pragma once
// Watches a print's progress dialog ("PrubehTisku") from the event loop the print lets run: notes
// what it shows and presses its "Zrušit" once it counts zrusitPo sheets (never when negative).

#include <QString>
#include <QTimer>

class QProgressDialog;

class HlidacTisku
{
public:
    explicit HlidacTisku(int zrusitPo = -1);
    // The print's progress dialog, shown now; nullptr when none is.
    static QProgressDialog *prubeh();
    static bool prubehOtevren() { return prubeh() != nullptr; }

    bool videno = false; // the progress showed
    int maximum = 0;     // its sheets in all
    int zrusenoPo = 0;   // the sheets printed when "Zrušit" was pressed, 0 when it never was
    QString popisek;     // its label

private:
    QTimer m_casovac;
};

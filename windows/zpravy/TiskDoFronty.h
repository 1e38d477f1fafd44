#pragma once
// Printing to a CUPS queue so that a print stopped half-way sends nothing. Qt's CUPS printing
// cannot be stopped: the sheets painted so far go to the printer when the painter ends. So a print
// to a queue is painted into a file of its own first, and only a complete file is sent to the
// queue, with the options Qt would have given it.

#include <QString>

class QPrinter;

// Whether tiskarna prints to a printer's queue (not to a file).
bool tiskneDoFronty(const QPrinter &tiskarna);

// Sends soubor (the PDF tiskarna painted while its output file was set to soubor) to tiskarna's
// queue as the job nazev, with its paper, sides, orientation and the options of the print
// dialog's Properties. Copies are not asked of the queue: the program paints them. False with the
// queue's reason when it refuses the job.
bool odesliDoFronty(const QPrinter &tiskarna, const QString &soubor, const QString &nazev, QString *chyba);

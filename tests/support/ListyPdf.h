#pragma once
// Prints into a PDF file through the print dialog, and reads back what a print produced: the text
// lines of each sheet of a PDF file (pdftotext) and the size of its sheets in points (pdfinfo), where
// its pictures are (pdfimages).

#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>

class QPrinter;

struct TiskDoPdf
{
    QString dialog;  // the class of the modal window tisk opened first: QPrintDialog when it was the print dialog
    QString hlaseni; // what a message box said in place of the print dialog or after it; empty when none
};
// Points tiskarna at the PDF file cesta and runs tisk, which opens the print dialog: the dialog is
// accepted with that file, and a box that opens instead or after it is answered, so no print waits.
TiskDoPdf tiskniDoPdf(QPrinter *tiskarna, const QString &cesta, const std::function<void()> &tisk);

// The non-empty printed lines of each sheet, trimmed, in sheet order.
QList<QStringList> listyPdf(const QString &cesta);

// The size of the first sheet in points; empty when pdfinfo cannot read the file.
QSizeF velikostListuPdf(const QString &cesta);

// The sheet (from 1) of every picture in the file, in the file's order (pdfimages).
QList<int> listyObrazkuPdf(const QString &cesta);

// The document title stored in the file's metadata.
QString titulPdf(const QString &cesta);

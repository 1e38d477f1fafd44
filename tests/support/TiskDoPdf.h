#pragma once
// Printing to a PDF file in tests: an answer for the print dialog that picks the file, and the
// text of the printed file page by page.

#include "support/OdpovidacOken.h"

#include <QPointF>
#include <QStringList>

// Answers the print dialog: print to the PDF file cesta.
OdpovidacOken::Odpoved tiskDoPdf(const QString &cesta);

// The text on each page of a PDF file (pdftotext), pages in order.
QStringList stranyPdf(const QString &cesta);

// The top-left corner, in millimetres from the page's, of the first word slovo printed in a PDF
// file; (-1, -1) when there is none.
QPointF slovoPdf(const QString &cesta, const QString &slovo);

#pragma once
// Printing to a PDF file in tests: an answer for the print dialog that picks the file, and the
// text of the printed file page by page.

#include "support/OdpovidacOken.h"

#include <QStringList>

// Answers the print dialog: print to the PDF file cesta.
OdpovidacOken::Odpoved tiskDoPdf(const QString &cesta);

// The text on each page of a PDF file (pdftotext), pages in order.
QStringList stranyPdf(const QString &cesta);

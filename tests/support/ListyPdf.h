#pragma once
// Reads back what a print produced: the text lines of each sheet of a PDF file (pdftotext)
// and the size of its sheets in points (pdfinfo).

#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringList>

// The non-empty printed lines of each sheet, trimmed, in sheet order.
QList<QStringList> listyPdf(const QString &cesta);

// The size of the first sheet in points; empty when pdfinfo cannot read the file.
QSizeF velikostListuPdf(const QString &cesta);

// The document title stored in the file's metadata.
QString titulPdf(const QString &cesta);

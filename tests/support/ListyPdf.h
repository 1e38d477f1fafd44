#pragma once
// Reads back what a print produced: the text lines of each sheet of a PDF file (pdftotext)
// and the size of its sheets in points (pdfinfo), where its pictures are (pdfimages).

#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringList>

// The non-empty printed lines of each sheet, trimmed, in sheet order.
QList<QStringList> listyPdf(const QString &cesta);

// The size of the first sheet in points; empty when pdfinfo cannot read the file.
QSizeF velikostListuPdf(const QString &cesta);

// The sheet (from 1) of every picture in the file, in the file's order (pdfimages).
QList<int> listyObrazkuPdf(const QString &cesta);

// The document title stored in the file's metadata.
QString titulPdf(const QString &cesta);

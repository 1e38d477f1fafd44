#include "support/TiskDoPdf.h"

#include <QLineEdit>
#include <QProcess>

OdpovidacOken::Odpoved tiskDoPdf(const QString &cesta)
{
    return [cesta](QWidget *dialog) {
        if (auto *soubor = dialog->findChild<QLineEdit *>(QStringLiteral("filename")))
            soubor->setText(cesta);
        OdpovidacOken::prijmi(dialog);
    };
}

QStringList stranyPdf(const QString &cesta)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {cesta, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(20000))
        return {};
    QStringList strany = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\f');
    strany.removeLast();
    return strany;
}

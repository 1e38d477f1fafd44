#include "support/TiskDoPdf.h"

#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>

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

QPointF slovoPdf(const QString &cesta, const QString &slovo)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), cesta, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(20000))
        return {-1, -1};
    const QRegularExpression vzor(QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>%1</word>")
                                      .arg(QRegularExpression::escape(slovo)));
    const QRegularExpressionMatch nalez = vzor.match(QString::fromUtf8(pdftotext.readAllStandardOutput()));
    if (!nalez.hasMatch())
        return {-1, -1};
    // PDF points: 72 to the inch.
    return QPointF(nalez.captured(1).toDouble(), nalez.captured(2).toDouble()) * 25.4 / 72;
}

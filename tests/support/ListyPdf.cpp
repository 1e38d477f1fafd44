#include "support/ListyPdf.h"
#include "support/OdpovidacOken.h"

#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>

namespace {
QString vystup(const QString &program, const QStringList &argumenty)
{
    QProcess proces;
    proces.start(program, argumenty);
    if (!proces.waitForFinished(60000) || proces.exitCode() != 0)
        return {};
    return QString::fromUtf8(proces.readAllStandardOutput());
}

QString polozkaPdfinfo(const QString &cesta, const QString &klic)
{
    const QRegularExpression vzor(QStringLiteral("^%1:\\s*(.*)$").arg(klic), QRegularExpression::MultilineOption);
    return vzor.match(vystup(QStringLiteral("pdfinfo"), {cesta})).captured(1).trimmed();
}
} // namespace

TiskDoPdf tiskniDoPdf(QPrinter *tiskarna, const QString &cesta, const std::function<void()> &tisk)
{
    tiskarna->setOutputFormat(QPrinter::PdfFormat);
    tiskarna->setOutputFileName(cesta);
    OdpovidacOken dialog([&cesta](QWidget *okno) {
        if (auto *soubor = okno->findChild<QLineEdit *>(QStringLiteral("filename")))
            soubor->setText(cesta);
        OdpovidacOken::prijmi(okno);
    });
    dialog.ocekavej();
    OdpovidacOken box;
    QTimer::singleShot(0, &box, [&box] { box.ocekavej(3000); });
    tisk();
    return {dialog.trida(), dialog.trida() == u"QPrintDialog" ? box.text() : dialog.text()};
}

QList<QStringList> listyPdf(const QString &cesta)
{
    const QString text = vystup(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), cesta, QStringLiteral("-")});
    if (text.isEmpty())
        return {{QStringLiteral("<pdftotext failed on %1>").arg(cesta)}};
    QStringList strany = text.split(u'\f');
    strany.removeLast();
    QList<QStringList> listy;
    for (const QString &strana : strany) {
        QStringList radky;
        for (const QString &radek : strana.split(u'\n'))
            if (!radek.trimmed().isEmpty())
                radky.append(radek.trimmed());
        listy.append(radky);
    }
    return listy;
}

QSizeF velikostListuPdf(const QString &cesta)
{
    static const QRegularExpression vzor(QStringLiteral("^([\\d.]+) x ([\\d.]+) pts"));
    const QRegularExpressionMatch shoda = vzor.match(polozkaPdfinfo(cesta, QStringLiteral("Page size")));
    return shoda.hasMatch() ? QSizeF(shoda.captured(1).toDouble(), shoda.captured(2).toDouble()) : QSizeF();
}

QList<int> listyObrazkuPdf(const QString &cesta)
{
    QList<int> listy;
    // Two heading lines, then one line per picture whose first column is its page.
    const QStringList radky = vystup(QStringLiteral("pdfimages"), {QStringLiteral("-list"), cesta}).split(u'\n');
    for (const QString &radek : radky.mid(2)) {
        bool cislo = false;
        const int strana = radek.simplified().section(u' ', 0, 0).toInt(&cislo);
        if (cislo)
            listy.append(strana);
    }
    return listy;
}

QString titulPdf(const QString &cesta)
{
    return polozkaPdfinfo(cesta, QStringLiteral("Title"));
}

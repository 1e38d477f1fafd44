#include "windows/zpravy/TiskZpravy.h"

#include "resources/Pisma.h"
#include "text/Strankovani.h"
#include "text/Zalamovani.h"
#include "windows/zpravy/Zprava.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

namespace {
QString chybaTiskarny(const QPrinter &tiskarna)
{
    if (tiskarna.outputFormat() == QPrinter::PdfFormat) {
        if (tiskarna.outputFileName().isEmpty())
            return QStringLiteral("Není vybrána tiskárna ani soubor pro tisk.");
        return QStringLiteral("Soubor %1 nelze pro tisk vytvořit.").arg(tiskarna.outputFileName());
    }
    return QStringLiteral("Tiskárnu %1 nelze použít.").arg(tiskarna.printerName());
}
} // namespace

QFont pismoTisku(const QPrinter &tiskarna, int sirkaRadku)
{
    QFont pismo = pismoTahoma(8);
    // The report's width at 96 dpi in printer units, against the paper's usable width.
    const qreal potrebna = sirkaRadku * tiskarna.logicalDpiX() / 96.0;
    const qreal dostupna = tiskarna.width() - LevyOkrajTisku;
    if (potrebna > 0 && dostupna > 0 && potrebna > dostupna)
        pismo.setPointSizeF(8.0 * dostupna / potrebna);
    return pismo;
}

int radkuNaStranu(QPrinter &tiskarna, const QFont &pismo)
{
    const QFontMetrics metriky(pismo, &tiskarna);
    return std::max(tiskarna.height() / std::max(metriky.height(), 1), 1);
}

QFont pismoZpravy()
{
    return pismoTahomaPx(11);
}

QStringList radkyZobrazeni(const QStringList &radky, int sirka, const QFont &pismo)
{
    const QFontMetricsF metriky(pismo);
    const MeritkoTextu sirkaTextu = [&metriky](QStringView kus) {
        return kus.size() == 1 ? metriky.horizontalAdvance(kus.front()) : metriky.horizontalAdvance(kus.toString());
    };
    QStringList vysledek;
    for (const QString &radek : radky)
        vysledek.append(ZalomRadek(radek, std::max(sirka, 1), sirkaTextu));
    return vysledek;
}

TiskovaZprava pripravTisk(IZprava &zprava)
{
    QPlainTextEdit *memo = zprava.memoTisk();
    memo->clear();
    memo->resize(velikostTiskoveZpravy(zprava.druhZpravy()));
    const QStringList radky = radkyZpravy(zprava);
    const int sirka = memo->width() - 2 * OkrajZpravy;
    return {radkyZobrazeni(radky, sirka, pismoZpravy()), sirka};
}

bool TiskniZpravu(QPrinter &tiskarna, const QStringList &radky, int sirkaRadku, QString *chyba)
{
    const int kopie = tiskarna.copyCount();
    const bool kompletovat = tiskarna.collateCopies();
    // The copies are painted here, so the printing system must not multiply them again.
    tiskarna.setCopyCount(1);
    tiskarna.setDocName(QStringLiteral("talvo"));

    const auto obnovKopie = [&] {
        tiskarna.setCopyCount(kopie);
        tiskarna.setCollateCopies(kompletovat);
    };

    QPainter malir;
    if (!malir.begin(&tiskarna)) {
        obnovKopie();
        if (chyba)
            *chyba = chybaTiskarny(tiskarna);
        return false;
    }
    malir.setFont(pismoTisku(tiskarna, sirkaRadku));
    const QFontMetrics metriky = malir.fontMetrics();
    const int vyskaRadku = std::max(metriky.height(), 1);
    const int naStranu = radkuNaStranu(tiskarna, malir.font());

    const QList<ListTisku> listy = PoradiListu(radky.size(), naStranu, kopie, kompletovat);
    bool prvni = true;
    for (const ListTisku &list : listy) {
        if (!prvni && !tiskarna.newPage()) {
            malir.end();
            obnovKopie();
            if (chyba)
                *chyba = chybaTiskarny(tiskarna);
            return false;
        }
        prvni = false;
        // The line's top is at r × line height, so the first line sits fully on the sheet.
        for (int i = list.od; i < list.po; ++i)
            malir.drawText(QPoint(LevyOkrajTisku, (i - list.od) * vyskaRadku + metriky.ascent()), radky.at(i));
    }
    const bool hotovo = malir.end();
    obnovKopie();
    if (!hotovo && chyba)
        *chyba = chybaTiskarny(tiskarna);
    return hotovo;
}

TTiskZprav::TTiskZprav(QWidget *rodic) : QObject(rodic), m_rodic(rodic)
{
    m_tiskarna = new QPrinter(QPrinter::HighResolution);
    m_tiskarna->setCopyCount(1);
    m_printDialog = new QPrintDialog(m_tiskarna, rodic);
    m_printDialog->setObjectName(QStringLiteral("PrintDialog1"));
}

TTiskZprav::~TTiskZprav()
{
    // The dialogs refer to the printer; they go first.
    delete m_printDialog;
    delete m_setupDialog;
    delete m_tiskarna;
}

bool TTiskZprav::TiskClick(QWidget *okno)
{
    IZprava *zprava = zpravaOkna(okno);
    if (!zprava || !lzeTisknout(zprava->druhZpravy()))
        return false;
    return tiskniZpravu(*zprava);
}

bool TTiskZprav::tiskniZpravu(IZprava &zprava)
{
    const TiskovaZprava tiskova = pripravTisk(zprava);
    return tiskniRadky(tiskova.radky, tiskova.sirka);
}

bool TTiskZprav::vyberTisk()
{
    return m_printDialog->exec() == QDialog::Accepted;
}

bool TTiskZprav::tiskniRadky(const QStringList &radky, int sirkaRadku)
{
    if (!vyberTisk())
        return false;
    QString chyba;
    if (!TiskniZpravu(*m_tiskarna, radky, sirkaRadku, &chyba)) {
        QMessageBox::critical(m_rodic, QStringLiteral("Talvo"), chyba);
        return false;
    }
    return true;
}

QPageSetupDialog *TTiskZprav::PrinterSetupDialog1()
{
    // Made on first use, for the printer as it is then.
    if (!m_setupDialog) {
        m_setupDialog = new QPageSetupDialog(m_tiskarna, m_rodic);
        m_setupDialog->setObjectName(QStringLiteral("PrinterSetupDialog1"));
    }
    return m_setupDialog;
}

void TTiskZprav::NastaveniTiskuClick()
{
    PrinterSetupDialog1()->exec();
}

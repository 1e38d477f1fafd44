#include "windows/zpravy/TiskZpravy.h"

#include "resources/Pisma.h"
#include "text/Strankovani.h"
#include "text/Zalamovani.h"
#include "windows/zpravy/TiskPrehledu.h"
#include "windows/zpravy/Zprava.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

QString chybaTiskarny(const QPrinter &tiskarna)
{
    if (tiskarna.outputFormat() == QPrinter::PdfFormat) {
        if (tiskarna.outputFileName().isEmpty())
            return QStringLiteral("Není vybrána tiskárna ani soubor pro tisk.");
        return QStringLiteral("Soubor %1 nelze pro tisk vytvořit.").arg(tiskarna.outputFileName());
    }
    return QStringLiteral("Tiskárnu %1 nelze použít.").arg(tiskarna.printerName());
}

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
    VolbyTisku volby;
    volby.pismo = pismoTisku(tiskarna, sirkaRadku);
    return TiskniListy(tiskarna, radky, volby, chyba);
}

QFont pismoRadku(const VolbyTisku &volby)
{
    QFont pismo = pismoBezTvarovani(volby.pismo);
    if (!volby.rodinaRadku.isEmpty())
        pismo.setFamilies({volby.rodinaRadku});
    // Whole printer dots as glyph advances: the printed file gives each glyph its own position,
    // written as a shorter number that compresses far better (the lines of a 1 MiB report are drawn
    // in a third less time, the file of a 10 KiB report is a ninth of the size); at 600 dpi the
    // rounding is invisible.
    pismo.setHintingPreference(QFont::PreferFullHinting);
    return pismo;
}

int radkuNaStranu(QPrinter &tiskarna, const VolbyTisku &volby)
{
    return std::min(radkuNaStranu(tiskarna, volby.pismo), radkuNaStranu(tiskarna, pismoRadku(volby)));
}

bool TiskniListy(QPrinter &tiskarna, const QStringList &radky, const VolbyTisku &volby, QString *chyba)
{
    const int kopie = tiskarna.copyCount();
    const bool kompletovat = tiskarna.collateCopies();
    // The copies are painted here, so the printing system must not multiply them again.
    tiskarna.setCopyCount(1);
    tiskarna.setDocName(volby.nazevUlohy);

    const auto obnovKopie = [&] {
        tiskarna.setCopyCount(kopie);
        tiskarna.setCollateCopies(kompletovat);
    };
    QPainter malir;
    const auto selhani = [&] {
        if (malir.isActive())
            malir.end();
        obnovKopie();
        if (chyba)
            *chyba = chybaTiskarny(tiskarna);
        return false;
    };

    if (!malir.begin(&tiskarna))
        return selhani();
    const int naStranu = radkuNaStranu(tiskarna, volby);
    malir.setFont(pismoRadku(volby));
    const QFontMetrics metriky = malir.fontMetrics();
    const int vyskaRadku = std::max(metriky.height(), 1);

    const QList<ListTisku> listy = PoradiListu(radky.size(), naStranu, kopie, kompletovat);
    bool prvni = true;
    for (const ListTisku &list : listy) {
        if (!prvni && !tiskarna.newPage())
            return selhani();
        prvni = false;
        // The line's top is at r × line height, so the first line sits fully on the sheet.
        for (int i = list.od; i < list.po; ++i)
            malir.drawText(QPoint(volby.levyOkraj, (i - list.od) * vyskaRadku + metriky.ascent()), radky.at(i));
        if (volby.poRadcichListu && !volby.poRadcichListu(malir, list, (list.po - list.od) * vyskaRadku))
            return selhani();
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
    m_tiskarna->setResolution(RozliseniTisku);
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

TTiskZprav *TTiskZprav::proOkno(QWidget *okno)
{
    QWidget *hlavni = okno->window();
    auto *tisk = hlavni->findChild<TTiskZprav *>(QString(), Qt::FindDirectChildrenOnly);
    return tisk ? tisk : new TTiskZprav(hlavni);
}

bool TTiskZprav::TiskClick(QWidget *okno)
{
    if (auto *prehled = dynamic_cast<IPrehledTisku *>(okno))
        return tiskniPrehled(*prehled);
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
    // On a printer of the printing system, Qt's print dialog gives the printer its default paper
    // on OK unless the paper was chosen in the dialog's Properties, which would drop the paper
    // chosen in Nastavení tisku. That paper is put back; paper chosen in the Properties wins and
    // is kept for the next prints. Properties confirmed in an earlier print count as not
    // confirmed, or the dialog would apply their old paper again.
    const auto vlastnosti = [this] { return m_printDialog->findChildren<QDialog *>(Qt::FindDirectChildrenOnly); };
    for (QDialog *dialog : vlastnosti())
        dialog->setResult(QDialog::Rejected);
    if (m_printDialog->exec() != QDialog::Accepted)
        return false;
    const auto potvrzene = vlastnosti();
    if (std::any_of(potvrzene.cbegin(), potvrzene.cend(),
                    [](const QDialog *dialog) { return dialog->result() == QDialog::Accepted; }))
        m_papir = m_tiskarna->pageLayout();
    else if (m_papir.isValid())
        m_tiskarna->setPageLayout(m_papir);
    return true;
}

bool TTiskZprav::tiskniRadky(const QStringList &radky, int sirkaRadku)
{
    return vyberATiskni(
        [&](QPrinter &tiskarna, QString *chyba) { return TiskniZpravu(tiskarna, radky, sirkaRadku, chyba); });
}

bool TTiskZprav::tiskniPrehled(IPrehledTisku &prehled)
{
    // The report is built before the dialog opens, as for every other window.
    const PrehledKTisku obsah = prehled.pripravTisk();
    return vyberATiskni([&](QPrinter &tiskarna, QString *chyba) { return TiskniPrehled(tiskarna, obsah, chyba); });
}

bool TTiskZprav::vyberATiskni(const std::function<bool(QPrinter &, QString *)> &tisk)
{
    if (!vyberTisk())
        return false;
    QString chyba;
    // A long report takes a second or two to print: the pointer shows it is busy until then, and is
    // back before any message box, also when printing throws.
    struct ZaneprazdnenyKurzor
    {
        ZaneprazdnenyKurzor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
        ~ZaneprazdnenyKurzor() { QGuiApplication::restoreOverrideCursor(); }
    };
    bool vytisteno = false;
    {
        const ZaneprazdnenyKurzor kurzor;
        vytisteno = tisk(*m_tiskarna, &chyba);
    }
    if (!vytisteno) {
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
    if (PrinterSetupDialog1()->exec() == QDialog::Accepted)
        m_papir = m_tiskarna->pageLayout();
}

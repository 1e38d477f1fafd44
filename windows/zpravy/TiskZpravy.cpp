#include "windows/zpravy/TiskZpravy.h"

#include "resources/Pisma.h"
#include "text/Strankovani.h"
#include "text/Zalamovani.h"
#include "windows/zpravy/TiskDoFronty.h"
#include "windows/zpravy/TiskListu.h"
#include "windows/zpravy/TiskPrehledu.h"
#include "windows/zpravy/Zprava.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QTemporaryFile>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {
// A name in the folder of cil that no file has: the PDF is printed there and renamed onto cil only
// when complete. Hidden, and ending in .pdf so the printer keeps its PDF output.
QString docasnyNazev(const QString &cil)
{
    const QFileInfo info(cil);
    const QString zaklad =
        info.dir().filePath(QStringLiteral(".%1.%2-").arg(info.fileName()).arg(QCoreApplication::applicationPid()));
    for (int i = 0;; ++i) {
        const QString nazev = zaklad + QString::number(i) + QStringLiteral(".pdf");
        if (!QFileInfo::exists(nazev))
            return nazev;
    }
}

// Puts zdroj in the place of cil in one step, replacing a file of that name; a folder stays.
bool prejmenujNa(const QString &zdroj, const QString &cil)
{
    if (QFileInfo(cil).isDir())
        return false;
    return std::rename(QFile::encodeName(zdroj).constData(), QFile::encodeName(cil).constData()) == 0;
}
} // namespace

TiskovaZprava pripravTisk(IZprava &zprava)
{
    QPlainTextEdit *memo = zprava.memoTisk();
    memo->clear();
    memo->resize(velikostTiskoveZpravy(zprava.druhZpravy()));
    return {textZpravy(zprava), memo->width() - 2 * OkrajZpravy};
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
    if (auto *vlastni = dynamic_cast<IVlastniTisk *>(okno))
        return vlastni->tiskni(*this);
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
    // The lines are broken after the dialog, a slice at a time, with repaints between the slices.
    return vyberATiskni([&](QPrinter &tiskarna, QString *chyba) {
        const std::optional<QStringList> radky =
            tiskova.text ? zalomZpravu(*tiskova.text, tiskova.sirka, pismoZpravy()) : QStringList();
        return radky && TiskniZpravu(tiskarna, *radky, tiskova.sirka, chyba);
    });
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
    // A PDF file is printed under a name of its own and takes the chosen name only when complete,
    // so a stopped or failed print leaves no half-written file there and an older file untouched.
    const QString zvoleny =
        m_tiskarna->outputFormat() == QPrinter::PdfFormat ? m_tiskarna->outputFileName() : QString();
    const QString docasny = zvoleny.isEmpty() ? QString() : docasnyNazev(zvoleny);
    // A print to a queue is painted into a file of its own (without ".pdf", so the printer stays the
    // queue's) and sent to the queue when complete.
    QTemporaryFile proFrontu(QDir::temp().filePath(QStringLiteral("talvo-tisk-XXXXXX")));
    const bool doFronty = tiskneDoFronty(*m_tiskarna) && proFrontu.open();
    proFrontu.close();
    bool vytisteno = false;
    bool zruseno = false;
    {
        const ZaneprazdnenyKurzor kurzor;
        std::unique_ptr<QProgressDialog> dialog;
        const NastavenyPrubehTisku prubeh([&](int list, int listu) {
            if (!dialog && listu > MaxListuBezPrubehu) {
                dialog = std::make_unique<QProgressDialog>(QStringLiteral("Tisk…"), QStringLiteral("Zrušit"), 0, listu,
                                                           m_rodic);
                dialog->setObjectName(QStringLiteral("PrubehTisku"));
                dialog->setWindowTitle(QStringLiteral("Talvo"));
                dialog->setWindowModality(Qt::ApplicationModal);
                dialog->setAutoClose(false);
                dialog->setAutoReset(false);
                dialog->setMinimumDuration(0);
                dialog->show();
                // The button can be pressed: the pointer says busy, not waiting.
                QGuiApplication::changeOverrideCursor(Qt::BusyCursor);
            }
            if (dialog) {
                dialog->setMaximum(std::max(listu, list));
                dialog->setValue(list);
            }
            // Repaints come between sheets; without the dialog, whose modality keeps the user's
            // input off the windows, input waits until the print ends.
            QCoreApplication::processEvents(dialog ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
            zruseno = dialog && dialog->wasCanceled();
            return !zruseno;
        });
        if (!docasny.isEmpty())
            m_tiskarna->setOutputFileName(docasny);
        if (doFronty)
            m_tiskarna->setOutputFileName(proFrontu.fileName());
        vytisteno = tisk(*m_tiskarna, &chyba);
        if (doFronty) {
            m_tiskarna->setOutputFileName(QString());
            chyba.replace(proFrontu.fileName(), m_tiskarna->printerName());
            if (vytisteno && !zruseno)
                vytisteno = odesliDoFronty(*m_tiskarna, proFrontu.fileName(), m_tiskarna->docName(), &chyba);
        }
        if (!docasny.isEmpty()) {
            m_tiskarna->setOutputFileName(zvoleny);
            // The reason names the file the user chose.
            chyba.replace(docasny, zvoleny);
            if (vytisteno && !zruseno && !prejmenujNa(docasny, zvoleny)) {
                vytisteno = false;
                chyba = chybaTiskarny(*m_tiskarna);
            }
            if (!vytisteno || zruseno)
                QFile::remove(docasny);
        }
    }
    if (zruseno)
        return false;
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

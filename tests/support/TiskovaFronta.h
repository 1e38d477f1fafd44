#pragma once
// A real CUPS print queue for the print tests, private to one test process.
//
// It runs a cupsd of its own from a temporary folder, reachable only through a Unix socket there
// (CUPS_SERVER is pointed at it for this process), with one cups-pdf queue. The cups-pdf backend
// reads its settings from a fixed path under /etc/cups, so the daemon runs in a mount namespace
// of its own where a private copy is bound over that path: the PDF files land in the temporary
// folder and the machine's CUPS configuration is never written. The daemon stops when the object
// goes, and with the test process should that die first. Needs root (for the mount namespace).

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <functional>

class QWidget;
class TTalvoMain;

// One finished print job as the queue saw it.
struct TiskovaUloha
{
    int cislo = 0; // the job id; 0 when no job finished in time
    QString titul; // the job title
    QString kopie; // the copies asked of the queue, "-" when the job asked for none
    QString papir; // the media the job asked for
    QString pdf;   // the PDF file the queue wrote, empty when none
};

class TiskovaFronta
{
public:
    TiskovaFronta();
    ~TiskovaFronta();
    TiskovaFronta(const TiskovaFronta &) = delete;
    TiskovaFronta &operator=(const TiskovaFronta &) = delete;

    // Empty once the queue accepts jobs; otherwise why it could not be set up.
    QString chyba() const { return m_chyba; }
    QString nazev() const { return QStringLiteral("talvo-pdf"); }

    // Waits for the next job to finish.
    TiskovaUloha dalsiUloha();

    // Runs tisk, which opens the print dialog, answers the dialog with this queue, the copies,
    // the collation and, unless empty, the paper chosen in its Properties; returns the finished job.
    TiskovaUloha tiskni(const std::function<void()> &tisk, int kopie = 1, bool kompletovat = true,
                        const QString &papir = {});
    // tiskni without waiting for the job: true when the dialog chose this queue and no error box came.
    bool odesli(const std::function<void()> &tisk, int kopie = 1, bool kompletovat = true, const QString &papir = {});
    // Prints the active child window of hlavni with "Tisk" that way.
    TiskovaUloha tiskniAktivniOkno(TTalvoMain &hlavni, int kopie = 1, bool kompletovat = true);

    // Chooses papir in a page set-up dialog or the print dialog's Properties.
    static void vyberPapir(QWidget *dialog, const QString &papir);

private:
    bool spust();
    bool prikaz(const QString &program, const QStringList &argumenty);
    QString cesta(const QString &jmeno) const { return m_slozka.filePath(jmeno); }

    QTemporaryDir m_slozka;
    QProcess m_cupsd;
    QString m_chyba;
    int m_posledni = 0;
};

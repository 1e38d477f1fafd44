#include "support/TiskovaFronta.h"

#include "app/Main.h"
#include "support/OdpovidacOken.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace {
const QString KonfiguraceCupsPdf = QStringLiteral("/etc/cups/cups-pdf.conf");
const QString OvladacCupsPdf = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
// A page-log record per finished job: id, "total", copies, media, then the title, which may hold
// line breaks and so comes last.
const QString ZacatekZaznamu = QStringLiteral("@@");

QString program(const QString &jmeno)
{
    QString cesta = QStandardPaths::findExecutable(jmeno);
    if (cesta.isEmpty())
        cesta = QStandardPaths::findExecutable(jmeno, {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
    return cesta;
}

bool zapis(const QString &cesta, const QStringList &radky)
{
    QFile soubor(cesta);
    const QByteArray obsah = radky.join(u'\n').toUtf8() + '\n';
    return soubor.open(QIODevice::WriteOnly) && soubor.write(obsah) == obsah.size();
}

QString konec(const QString &cesta)
{
    QFile soubor(cesta);
    if (!soubor.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(soubor.readAll()).right(1500);
}
} // namespace

TiskovaFronta::TiskovaFronta()
{
    spust();
}

TiskovaFronta::~TiskovaFronta()
{
    if (m_cupsd.state() == QProcess::NotRunning)
        return;
    m_cupsd.terminate();
    if (!m_cupsd.waitForFinished(20000)) {
        m_cupsd.kill();
        m_cupsd.waitForFinished(5000);
    }
}

bool TiskovaFronta::prikaz(const QString &jmeno, const QStringList &argumenty)
{
    QProcess proces;
    proces.start(program(jmeno), argumenty);
    if (proces.waitForFinished(30000) && proces.exitStatus() == QProcess::NormalExit && proces.exitCode() == 0)
        return true;
    m_chyba = QStringLiteral("%1 %2 failed: %3")
                  .arg(jmeno, argumenty.join(u' '), QString::fromLocal8Bit(proces.readAllStandardError()).trimmed());
    return false;
}

bool TiskovaFronta::spust()
{
    if (::geteuid() != 0) {
        m_chyba = QStringLiteral("the private cupsd needs root for its mount namespace");
        return false;
    }
    for (const char *jmeno : {"cupsd", "lpadmin", "lpstat", "unshare"}) {
        if (program(QString::fromLatin1(jmeno)).isEmpty()) {
            m_chyba = QStringLiteral("%1 is not installed (scripts/install-deps installs cups)").arg(jmeno);
            return false;
        }
    }
    if (!QFile::exists(KonfiguraceCupsPdf) || !QFile::exists(OvladacCupsPdf)) {
        m_chyba = QStringLiteral("cups-pdf is not installed (scripts/install-deps installs printer-driver-cups-pdf)");
        return false;
    }
    const QString d = m_slozka.path();
    // cupsd drops to the lp user for filters, which must reach their files below this folder.
    QFile::setPermissions(d, QFile::permissions(d) | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                 QFile::ExeOther);
    for (const char *podslozka : {"spool", "cache", "state", "log", "pdf", "gs"})
        QDir(d).mkdir(QString::fromLatin1(podslozka));

    const bool zapsano =
        zapis(cesta("cups-files.conf"),
              {"ServerRoot " + d, "RequestRoot " + cesta("spool"), "CacheDir " + cesta("cache"),
               "StateDir " + cesta("state"), "ErrorLog " + cesta("log/error_log"),
               "AccessLog " + cesta("log/access_log"), "PageLog " + cesta("log/page_log"),
               "Printcap " + cesta("printcap"), "User lp", "Group lp", "SystemGroup root"}) &&
        zapis(cesta("cupsd.conf"), {"Listen " + cesta("cups.sock"), "Browsing No", "WebInterface No", "LogLevel info",
                                    "PageLogFormat " + ZacatekZaznamu + "%j|%P|%{copies}|%{media}|%{job-name}",
                                    "<Policy default>", "<Limit All>", "Order deny,allow", "</Limit>", "</Policy>"}) &&
        // Label 2 ends every file name in "-job_<id>", so a job finds its file whatever its title.
        zapis(cesta("cups-pdf.conf"), {"Out " + cesta("pdf"), "Spool " + cesta("pdf-spool"), "Log " + cesta("log"),
                                       "GSTmp " + cesta("gs"), "Grp lpadmin", "Label 2"});
    if (!zapsano) {
        m_chyba = QStringLiteral("cannot write the configuration in %1").arg(d);
        return false;
    }

    m_cupsd.setProgram(program(QStringLiteral("unshare")));
    m_cupsd.setArguments({"--mount", "--propagation", "private", "sh", "-c",
                          "mount --bind \"$0\" " + KonfiguraceCupsPdf + " && exec cupsd -f -c \"$1\" -s \"$2\"",
                          cesta("cups-pdf.conf"), cesta("cupsd.conf"), cesta("cups-files.conf")});
    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    // The daemon goes with the test process, also when that one crashes or is killed.
    m_cupsd.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_cupsd.start();
    if (!m_cupsd.waitForStarted(10000)) {
        m_chyba = QStringLiteral("cannot start unshare: %1").arg(m_cupsd.errorString());
        return false;
    }

    // Qt's CUPS support and the CUPS tools of this process talk to this daemon only.
    qputenv("CUPS_SERVER", QFile::encodeName(cesta("cups.sock")));
    QDeadlineTimer limit(30000);
    while (!QFile::exists(cesta("cups.sock")) || !prikaz(QStringLiteral("lpstat"), {QStringLiteral("-r")})) {
        if (m_cupsd.state() == QProcess::NotRunning || limit.hasExpired()) {
            m_chyba = QStringLiteral("cupsd did not start: %1 %2")
                          .arg(QString::fromLocal8Bit(m_cupsd.readAll()), konec(cesta("log/error_log")));
            return false;
        }
        QTest::qWait(100);
    }
    // pdftocairo turns Qt's PDF into PostScript with its text still readable by pdftotext; a failed
    // job is dropped instead of stopping the queue for the jobs after it.
    if (!prikaz(QStringLiteral("lpadmin"),
                {"-p", nazev(), "-E", "-v", "cups-pdf:/", "-P", OvladacCupsPdf, "-o",
                 "pdftops-renderer-default=pdftocairo", "-o", "printer-error-policy=abort-job"}))
        return false;
    m_chyba.clear();
    return true;
}

TiskovaUloha TiskovaFronta::dalsiUloha()
{
    QDeadlineTimer limit(180000);
    while (!limit.hasExpired()) {
        QFile zaznamy(cesta("log/page_log"));
        if (zaznamy.open(QIODevice::ReadOnly)) {
            const QString text = QString::fromUtf8(zaznamy.readAll());
            for (const QString &zaznam : text.split(ZacatekZaznamu, Qt::SkipEmptyParts)) {
                const QStringList pole = zaznam.split(u'|');
                if (pole.size() < 5 || pole[1] != u"total" || pole[0].toInt() <= m_posledni)
                    continue;
                TiskovaUloha uloha{pole[0].toInt(), pole.mid(4).join(u'|'), pole[2], pole[3], {}};
                if (uloha.titul.endsWith(u'\n'))
                    uloha.titul.chop(1);
                m_posledni = uloha.cislo;
                const QStringList soubory =
                    QDir(cesta("pdf")).entryList({QStringLiteral("*-job_%1.pdf").arg(uloha.cislo)}, QDir::Files);
                if (soubory.size() == 1)
                    uloha.pdf = cesta("pdf/" + soubory.first());
                else
                    m_chyba =
                        QStringLiteral("job %1 wrote no PDF: %2").arg(uloha.cislo).arg(konec(cesta("log/error_log")));
                return uloha;
            }
        }
        QTest::qWait(100);
    }
    m_chyba = QStringLiteral("no print job finished: %1").arg(konec(cesta("log/error_log")));
    return {};
}

TiskovaUloha TiskovaFronta::tiskniAktivniOkno(TTalvoMain &hlavni, int kopie, bool kompletovat)
{
    return tiskni([&hlavni] { hlavni.findChild<QAction *>(QStringLiteral("Tisk"))->trigger(); }, kopie, kompletovat);
}

void TiskovaFronta::vyberPapir(QWidget *dialog, const QString &papir)
{
    if (auto *papiry = dialog->findChild<QComboBox *>(QStringLiteral("pageSizeCombo")))
        papiry->setCurrentIndex(papiry->findText(papir));
}

TiskovaUloha TiskovaFronta::tiskni(const std::function<void()> &tisk, int kopie, bool kompletovat, const QString &papir)
{
    return odesli(tisk, kopie, kompletovat, papir) ? dalsiUloha() : TiskovaUloha{};
}

bool TiskovaFronta::odesli(const std::function<void()> &tisk, int kopie, bool kompletovat, const QString &papir)
{
    // An error box after the print dialog is answered too, so a failed print cannot hang the test.
    OdpovidacOken chybovaHlaska;
    bool vybrano = false;
    OdpovidacOken dialog([&](QWidget *okno) {
        auto *tiskarny = okno->findChild<QComboBox *>(QStringLiteral("printers"));
        auto *pocet = okno->findChild<QSpinBox *>(QStringLiteral("copies"));
        auto *kompletace = okno->findChild<QCheckBox *>(QStringLiteral("collate"));
        auto *vlastnosti = okno->findChild<QPushButton *>(QStringLiteral("properties"));
        vybrano = tiskarny && pocet && kompletace && vlastnosti && tiskarny->findText(nazev()) >= 0;
        if (!vybrano)
            return OdpovidacOken::zavri(okno);
        tiskarny->setCurrentIndex(tiskarny->findText(nazev()));
        if (!papir.isEmpty()) {
            OdpovidacOken papirVeVlastnostech([&papir](QWidget *okno) {
                vyberPapir(okno, papir);
                OdpovidacOken::prijmi(okno);
            });
            papirVeVlastnostech.ocekavej();
            vlastnosti->click();
            vybrano = papirVeVlastnostech.odpovezeno();
        }
        pocet->setValue(kopie);
        kompletace->setChecked(kompletovat);
        OdpovidacOken::prijmi(okno);
        chybovaHlaska.ocekavej(3000);
    });
    dialog.ocekavej();
    tisk();
    if (!vybrano || chybovaHlaska.odpovezeno()) {
        m_chyba = vybrano ? QStringLiteral("printing failed: %1").arg(chybovaHlaska.text())
                          : QStringLiteral("no print dialog offering %1 and its properties").arg(nazev());
        return false;
    }
    return true;
}

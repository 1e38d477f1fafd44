#include "windows/zpravy/Ukladani.h"

#include "descriptions/TextovySoubor.h"
#include "windows/zpravy/Zprava.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

bool UlozZpravu(IZprava &zprava, const QString &cesta, QString *chyba)
{
    return ZapisRadky(cesta, radkyZpravy(zprava), chyba);
}

TUkladaniZprav::TUkladaniZprav(QWidget *rodic) : QObject(rodic), m_rodic(rodic)
{
    m_dialog = new QFileDialog(rodic);
    m_dialog->setObjectName(QStringLiteral("SaveDialog1"));
    // The Qt dialog, not the desktop's, so it looks the same everywhere and tests can answer it.
    m_dialog->setOption(QFileDialog::DontUseNativeDialog, true);
    m_dialog->setAcceptMode(QFileDialog::AcceptSave);
    m_dialog->setFileMode(QFileDialog::AnyFile);
    m_dialog->setDefaultSuffix(QStringLiteral("txt"));
    m_dialog->setNameFilters({QStringLiteral("textový soubor (*.txt)"), QStringLiteral("document word (*.doc)")});
    m_dialog->setSizeGripEnabled(true);
}

void TUkladaniZprav::pripravDialog()
{
    if (!m_posledni.isEmpty()) {
        m_dialog->selectFile(m_posledni);
        return;
    }
    // Nothing creates the folder; without it the dialog starts in the working folder.
    const QDir pracovni = QDir::current();
    const QString slozka = pracovni.absoluteFilePath(QString::fromLatin1(SlozkaUlozenych));
    m_dialog->setDirectory(QDir(slozka).exists() ? slozka : pracovni.absolutePath());
}

bool TUkladaniZprav::UlozitClick(QWidget *okno)
{
    IZprava *zprava = zpravaOkna(okno);
    if (!zprava || !lzeUlozit(zprava->druhZpravy()))
        return false;
    return uloz(*zprava);
}

bool TUkladaniZprav::uloz(IZprava &zprava)
{
    pripravDialog();
    if (m_dialog->exec() != QDialog::Accepted)
        return false;
    const QStringList vybrane = m_dialog->selectedFiles();
    if (vybrane.isEmpty() || vybrane.first().isEmpty())
        return false;
    m_posledni = vybrane.first();

    QString chyba;
    if (!UlozZpravu(zprava, m_posledni, &chyba)) {
        QMessageBox::critical(m_rodic, QStringLiteral("Talvo"), chyba);
        return false;
    }
    return true;
}

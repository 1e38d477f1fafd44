#include "windows/zpravy/Ukladani.h"

#include "descriptions/TextovySoubor.h"
#include "windows/zpravy/Zprava.h"

#include <QFileDialog>
#include <QMessageBox>

bool UlozZpravu(IZprava &zprava, const QString &cesta, QString *chyba)
{
    return ZapisRadky(cesta, radkyZpravy(zprava), chyba);
}

TUkladaniZprav::TUkladaniZprav(QWidget *rodic) : QObject(rodic), m_rodic(rodic)
{
    m_dialog = dialogSouboru(rodic, "SaveDialog1", QFileDialog::AcceptSave,
                             {QStringLiteral("textový soubor (*.txt)"), QStringLiteral("document word (*.doc)")},
                             QStringLiteral("txt"));
}

void TUkladaniZprav::pripravDialog()
{
    if (!m_posledni.isEmpty()) {
        m_dialog->selectFile(m_posledni);
        return;
    }
    m_dialog->setDirectory(slozkaUkladani());
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

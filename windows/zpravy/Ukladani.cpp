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
    if (auto *vlastni = dynamic_cast<IVlastniUlozeni *>(okno)) {
        const std::optional<QStringList> radky = vlastni->radkyKUlozeni();
        return radky && ulozRadky(*radky);
    }
    IZprava *zprava = zpravaOkna(okno);
    if (!zprava || !lzeUlozit(zprava->druhZpravy()))
        return false;
    return uloz(*zprava);
}

bool TUkladaniZprav::uloz(IZprava &zprava)
{
    return ulozDo([&zprava](const QString &cesta, QString *chyba) { return UlozZpravu(zprava, cesta, chyba); });
}

bool TUkladaniZprav::ulozRadky(const QStringList &radky)
{
    return ulozDo([&radky](const QString &cesta, QString *chyba) { return ZapisRadky(cesta, radky, chyba); });
}

bool TUkladaniZprav::ulozDo(const std::function<bool(const QString &, QString *)> &zapis)
{
    pripravDialog();
    if (m_dialog->exec() != QDialog::Accepted)
        return false;
    const QStringList vybrane = m_dialog->selectedFiles();
    if (vybrane.isEmpty() || vybrane.first().isEmpty())
        return false;
    m_posledni = vybrane.first();

    QString chyba;
    if (!zapis(m_posledni, &chyba)) {
        QMessageBox::critical(m_rodic, QStringLiteral("Talvo"), chyba);
        return false;
    }
    return true;
}

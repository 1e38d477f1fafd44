#pragma once
// The Save command: asks for a file name and writes the active window's report there.
//
// The save dialog lives as long as this object (kept by the main window), so it remembers the
// last chosen name. The report goes through the store's text writer: CR LF after every line,
// Windows-1250 (UTF-8 with a mark when a character does not fit), replaced atomically.

#include "windows/formular/DialogSouboru.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class IZprava;
class QFileDialog;
class QWidget;

// A window whose report is not kept in a report memo: it gives its lines itself.
class IVlastniUlozeni
{
public:
    virtual ~IVlastniUlozeni() = default;
    // The report lines to save, or nullopt after a message box saying why there are none (then
    // nothing is asked for and nothing is written).
    virtual std::optional<QStringList> radkyKUlozeni() = 0;
};

// Fills the report of zprava and writes it to cesta: what Save does once the name is chosen.
// False with a Czech reason when the file cannot be written.
bool UlozZpravu(IZprava &zprava, const QString &cesta, QString *chyba = nullptr);

class TUkladaniZprav : public QObject
{
    Q_OBJECT
public:
    // rodic owns the dialog and the error box.
    explicit TUkladaniZprav(QWidget *rodic);

    QFileDialog *SaveDialog1() const { return m_dialog; }
    // The name chosen last, empty before the first Save.
    QString posledniSoubor() const { return m_posledni; }

    // Saves the report of okno when it is a savable window or one that gives its lines itself
    // (IVlastniUlozeni); anything else does nothing. True when a file was written.
    bool UlozitClick(QWidget *okno);
    bool uloz(IZprava &zprava);
    // Asks for the file and writes the lines there with the report's encoding and line ends.
    bool ulozRadky(const QStringList &radky);

private:
    void pripravDialog();
    // Asks for the file and runs zapis on it; a failure is shown in a box.
    bool ulozDo(const std::function<bool(const QString &, QString *)> &zapis);

    QWidget *m_rodic;
    QFileDialog *m_dialog;
    QString m_posledni;
};

#pragma once
// Answers the modal box or dialog that the code under test is about to open.
// Start it before the call that opens the box: a zero-delay timer looks for
// QApplication::activeModalWidget(), records what the box says and answers it
// (by default with its default/OK button, or with the given answer), so no test
// ever hangs on a modal loop. A progress dialog is left alone.

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class OdpovidacOken : public QObject
{
    Q_OBJECT
public:
    using Odpoved = std::function<void(QWidget *okno)>;

    explicit OdpovidacOken(Odpoved odpoved = {}, QObject *parent = nullptr);

    // Answers only the next modal widget; call again for a second one.
    void ocekavej(int limitMs = 5000);

    bool odpovezeno() const { return m_odpovezeno; }
    int pocetOdpovedi() const { return m_pocet; }
    QString titulek() const { return m_titulek; }
    QString text() const { return m_text; }
    QMessageBox::Icon ikona() const { return m_ikona; }
    QString trida() const { return m_trida; }

    // Closes a message box with its OK (or default) button, any other dialog with reject().
    static void zavri(QWidget *okno);
    static void prijmi(QWidget *okno);

private:
    void zkus();

    Odpoved m_odpoved;
    bool m_odpovezeno = false;
    int m_pocet = 0;
    int m_zbyva = 0;
    QString m_titulek;
    QString m_text;
    QString m_trida;
    QMessageBox::Icon m_ikona = QMessageBox::NoIcon;
};

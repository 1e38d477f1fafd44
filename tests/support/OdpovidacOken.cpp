#include "support/OdpovidacOken.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

OdpovidacOken::OdpovidacOken(Odpoved odpoved, QObject *parent) : QObject(parent), m_odpoved(std::move(odpoved)) {}

void OdpovidacOken::ocekavej(int limitMs)
{
    m_odpovezeno = false;
    m_zbyva = limitMs / 10;
    QTimer::singleShot(0, this, &OdpovidacOken::zkus);
}

void OdpovidacOken::zkus()
{
    QWidget *okno = QApplication::activeModalWidget();
    // A print's progress is no box to answer: it goes when the print ends (a test cancels it itself).
    if (!okno || !okno->isVisible() || qobject_cast<QProgressDialog *>(okno)) {
        if (m_zbyva-- > 0)
            QTimer::singleShot(10, this, &OdpovidacOken::zkus);
        return;
    }
    m_titulek = okno->windowTitle();
    m_trida = QString::fromLatin1(okno->metaObject()->className());
    if (auto *box = qobject_cast<QMessageBox *>(okno)) {
        m_text = box->text();
        m_ikona = box->icon();
    } else {
        m_text.clear();
        m_ikona = QMessageBox::NoIcon;
    }
    m_odpovezeno = true;
    ++m_pocet;
    if (m_odpoved)
        m_odpoved(okno);
    else
        zavri(okno);
}

void OdpovidacOken::zavri(QWidget *okno)
{
    if (auto *box = qobject_cast<QMessageBox *>(okno)) {
        QAbstractButton *tlacitko = box->button(QMessageBox::Ok);
        if (!tlacitko)
            tlacitko = box->defaultButton();
        if (tlacitko) {
            tlacitko->click();
            return;
        }
        box->accept();
        return;
    }
    if (auto *dialog = qobject_cast<QDialog *>(okno))
        dialog->reject();
    else
        okno->close();
}

void OdpovidacOken::prijmi(QWidget *okno)
{
    if (auto *dialog = qobject_cast<QDialog *>(okno))
        dialog->accept();
    else
        zavri(okno);
}

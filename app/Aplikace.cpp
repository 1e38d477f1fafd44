#include "app/Aplikace.h"

#include <QMessageBox>

#include <exception>

Aplikace::Aplikace(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Talvo"));
}

bool Aplikace::notify(QObject *prijemce, QEvent *udalost)
{
    try {
        return QApplication::notify(prijemce, udalost);
    } catch (const std::exception &vyjimka) {
        ukazVyjimku(QString::fromLocal8Bit(vyjimka.what()));
    } catch (...) {
        ukazVyjimku(QString());
    }
    return false;
}

void Aplikace::ukazVyjimku(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Talvo"), text, QMessageBox::Ok, activeWindow());
    box.setObjectName(QStringLiteral("VyjimkaBox"));
    box.exec();
}

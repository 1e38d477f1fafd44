#include "app/Aplikace.h"

#include "resources/Zdroje.h"

#include <QMessageBox>

#include <exception>

Aplikace::Aplikace(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Talvo"));
    // The per-user folder of an installed Talvo is named after the application: ~/.local/share/Talvo.
    // The desktop entry talvo.desktop lets the desktop match the windows to it.
    setDesktopFileName(QStringLiteral("talvo"));
    // Every window without an icon of its own, the child windows included, shows this one.
    setWindowIcon(ikonaAplikace());
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

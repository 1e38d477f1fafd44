#pragma once
// The application object. An exception that escapes an event handler is shown in a message
// box and the program goes on with the next event, instead of ending.

#include <QApplication>
#include <QString>

class Aplikace : public QApplication
{
    Q_OBJECT
public:
    Aplikace(int &argc, char **argv);

    bool notify(QObject *prijemce, QEvent *udalost) override;

    // The exception box: critical icon, the exception's text (empty for one that carries none).
    static void ukazVyjimku(const QString &text);
};

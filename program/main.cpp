#include "app/Main.h"
#include "app/Aplikace.h"
#include "app/Pamet.h"
#include "app/PracovniSlozka.h"
#include "app/Preklad.h"
#include "resources/Pisma.h"

#include <QDebug>
#include <QDir>

#include <exception>

int main(int argc, char *argv[])
{
    nastavPametProDlouheTexty();
    Aplikace aplikace(argc, argv);
    try {
        // Before the first window, so every Qt dialog speaks Czech; without the translations they stay
        // in English, which is said on the error output only: the program works the same.
        QString chybaPrekladu;
        if (!NactiCeskyPreklad(aplikace, &chybaPrekladu))
            qWarning().noquote() << chybaPrekladu;
        NactiTahomu();
        QString chyba;
        QDir::setCurrent(pripravPracovniSlozku(mistaSpusteni(QStringLiteral(TALVO_DODAVANA_DATA)), &chyba));
        TTalvoMain hlavni;
        hlavni.show();
        // What could not be prepared, the store that could not be made included, is said once the window shows.
        hlavni.ohlasChybyStartu(chyba);
        return aplikace.exec();
    } catch (const std::exception &vyjimka) {
        Aplikace::ukazVyjimku(QString::fromLocal8Bit(vyjimka.what()));
    } catch (...) {
        Aplikace::ukazVyjimku(QString());
    }
    return 1;
}

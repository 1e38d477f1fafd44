#include "app/Main.h"
#include "app/Aplikace.h"
#include "resources/Pisma.h"

#include <exception>

int main(int argc, char *argv[])
{
    Aplikace aplikace(argc, argv);
    try {
        NactiTahomu();
        TTalvoMain hlavni;
        hlavni.show();
        return aplikace.exec();
    } catch (const std::exception &vyjimka) {
        Aplikace::ukazVyjimku(QString::fromLocal8Bit(vyjimka.what()));
    } catch (...) {
        Aplikace::ukazVyjimku(QString());
    }
    return 1;
}

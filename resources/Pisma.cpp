#include "resources/Pisma.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>

namespace {
const char *const SouboryTahomy[] = {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"};
}

QString NactiTahomu()
{
    static const QString rodina = [] {
        QString nalezena;
        for (const char *cesta : SouboryTahomy) {
            if (!QFile::exists(QString::fromLatin1(cesta)))
                continue;
            const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(cesta));
            const QStringList rodiny = QFontDatabase::applicationFontFamilies(id);
            if (nalezena.isEmpty() && !rodiny.isEmpty())
                nalezena = rodiny.first();
        }
        if (nalezena.isEmpty())
            nalezena = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
        return nalezena;
    }();
    return rodina;
}

QFont pismoTahoma(qreal body, bool tucne)
{
    QFont pismo(NactiTahomu());
    pismo.setPointSizeF(body);
    pismo.setBold(tucne);
    return pismo;
}

QFont pismoTahomaPx(int pixely, bool tucne)
{
    QFont pismo(NactiTahomu());
    pismo.setPixelSize(pixely);
    pismo.setBold(tucne);
    return pismo;
}

QFont pismoBezTvarovani(QFont pismo)
{
    pismo.setStyleStrategy(QFont::StyleStrategy(pismo.styleStrategy() | QFont::PreferNoShaping));
    return pismo;
}

#include "resources/kresby/Kresby.h"

#include <QColor>

namespace {
// One square of the grille's grid per cell: 19 grey pixels and a white line at its right and bottom.
constexpr int Ctverec = 20;
constexpr int StranaMrizky = 16 * Ctverec;
const QColor SvetleSeda(191, 191, 191);

bool naCare(int souradnice)
{
    return souradnice % Ctverec == Ctverec - 1;
}

QImage mrizka()
{
    QImage obraz(StranaMrizky, StranaMrizky, QImage::Format_RGB32);
    const QRgb seda = SvetleSeda.rgb();
    const QRgb bila = QColor(Qt::white).rgb();
    for (int y = 0; y < StranaMrizky; ++y) {
        auto *radek = reinterpret_cast<QRgb *>(obraz.scanLine(y));
        for (int x = 0; x < StranaMrizky; ++x)
            radek[x] = naCare(x) || naCare(y) ? bila : seda;
    }
    return obraz;
}
} // namespace

QList<Kresba> kresbyMrizky(int meritko)
{
    const QImage obraz = mrizka();
    return {{51, meritko == 1 ? obraz
                              : obraz.scaled(obraz.size() * meritko, Qt::IgnoreAspectRatio, Qt::FastTransformation)}};
}

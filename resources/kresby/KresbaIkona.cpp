#include "resources/kresby/Kresby.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
const QColor ZelenaSvetla(70, 150, 62);
const QColor ZelenaTmava(24, 84, 32);
const QColor Pergamen(247, 241, 222);
const QColor Zluta(255, 201, 40);
const QColor Cervena(210, 30, 30);

// The wheel's ticks, the key mark and the letter need room; a 16-pixel icon shows the wheel alone.
constexpr int ProDetaily = 32;
constexpr int ProPismeno = 22;
} // namespace

QList<int> velikostiIkony()
{
    return {16, 22, 24, 32, 48, 64, 128, 256};
}

QImage nakresliIkonu(int strana)
{
    QImage obraz(strana, strana, QImage::Format_ARGB32_Premultiplied);
    obraz.fill(Qt::transparent);
    if (strana <= 0)
        return obraz;
    const double s = strana;
    QPainter malir(&obraz);
    malir.setRenderHint(QPainter::Antialiasing);

    // A green tile, as on a scout badge.
    QLinearGradient prechod(0, 0, 0, s);
    prechod.setColorAt(0, ZelenaSvetla);
    prechod.setColorAt(1, ZelenaTmava);
    malir.setPen(Qt::NoPen);
    malir.setBrush(prechod);
    const double okraj = s / 32;
    malir.drawRoundedRect(QRectF(okraj, okraj, s - 2 * okraj, s - 2 * okraj), s * 0.18, s * 0.18);

    // The cipher wheel: a light outer ring and a yellow turning disc.
    const QPointF stred(s / 2, s / 2);
    const double pero = std::max(1.0, s * 0.03);
    malir.setPen(QPen(ZelenaTmava, pero));
    malir.setBrush(Pergamen);
    malir.drawEllipse(stred, s * 0.38, s * 0.38);
    malir.setBrush(Zluta);
    malir.drawEllipse(stred, s * 0.24, s * 0.24);

    if (strana >= ProDetaily) {
        malir.setPen(QPen(ZelenaTmava, std::max(1.0, s * 0.018), Qt::SolidLine, Qt::RoundCap));
        constexpr int Carek = 12;
        for (int i = 0; i < Carek; ++i) {
            const double uhel = 2 * std::numbers::pi * i / Carek;
            const QPointF smer(std::sin(uhel), -std::cos(uhel));
            malir.drawLine(stred + smer * s * 0.27, stred + smer * s * 0.34);
        }
        // The key mark above the wheel, pointing at the first sector.
        malir.setPen(Qt::NoPen);
        malir.setBrush(Cervena);
        const QPolygonF znacka{{s / 2 - s * 0.07, s * 0.03}, {s / 2 + s * 0.07, s * 0.03}, {s / 2, s * 0.16}};
        malir.drawPolygon(znacka);
    }

    if (strana >= ProPismeno) {
        QFont pismo(QStringLiteral("DejaVu Sans"));
        pismo.setBold(true);
        pismo.setPixelSize(std::max(1, static_cast<int>(s * 0.32)));
        QPainterPath pismeno;
        pismeno.addText(0, 0, pismo, QStringLiteral("T"));
        const QRectF meze = pismeno.boundingRect();
        malir.setPen(Qt::NoPen);
        malir.setBrush(ZelenaTmava);
        malir.drawPath(pismeno.translated(stred - meze.center()));
    }
    return obraz;
}

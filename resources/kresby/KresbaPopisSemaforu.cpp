#include "resources/kresby/KresbyPopisu.h"

#include "ciphers/Semafor.h"
#include "resources/kresby/KresbaSemafor.h"
#include "text/Cisteni.h"

#include <QPainter>

namespace {
// The chart: the 27 signs in rows of seven, each in a 100-pixel square.
constexpr int SloupcuAbecedy = 7;
constexpr int ZnameniAbecedy = 100;
// The example: rows of eight signs, each with the character it shows under it.
constexpr int SloupcuPrikladu = 8;
constexpr int ZnameniPrikladu = 84;
constexpr int PopisekPrikladu = 22;
constexpr int RadekPrikladu = ZnameniPrikladu + PopisekPrikladu + 10;
constexpr int NadPrikladem = 66;

const QColor Ramecek(0xc8, 0xc8, 0xc8);
const QColor Seda(0x60, 0x60, 0x60);

// The square of a sign, with a light frame so that a row reads as a row of separate signs.
void kresliPole(QPainter &malir, const QRectF &pole, int cislo)
{
    malir.setPen(QPen(Ramecek, 1));
    malir.setBrush(Qt::NoBrush);
    malir.drawRect(pole.adjusted(2.5, 2.5, -2.5, -2.5));
    kresliSemafor(malir, pole.adjusted(4, 4, -4, -4), cislo);
}

QImage bilyObraz(int sirka, int vyska)
{
    QImage obraz(sirka, vyska, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    return obraz;
}

QString popisZnaku(QChar znak)
{
    return znak == u' ' ? QStringLiteral("mezera") : QString(znak);
}
} // namespace

QList<int> znameniAbecedySemaforu()
{
    // The letters as the encoder numbers them, then the numerals sign the user types as "*".
    return SemaforSifruj(QStringView(SemaforAbeceda).first(26)) + SemaforSifruj(u"*");
}

QImage nakresliAbeceduSemaforu()
{
    const QList<int> znameni = znameniAbecedySemaforu();
    const int radku = int((znameni.size() + SloupcuAbecedy - 1) / SloupcuAbecedy);
    QImage obraz = bilyObraz(SloupcuAbecedy * ZnameniAbecedy, radku * ZnameniAbecedy);
    QPainter malir(&obraz);
    for (qsizetype k = 0; k < znameni.size(); ++k) {
        const QRectF pole(int(k % SloupcuAbecedy) * ZnameniAbecedy, int(k / SloupcuAbecedy) * ZnameniAbecedy,
                          ZnameniAbecedy, ZnameniAbecedy);
        kresliPole(malir, pole, znameni[k]);
    }
    return obraz;
}

QList<ZnakSemaforu> znakyPrikladuSemaforu(QStringView text)
{
    QList<ZnakSemaforu> znaky;
    for (const QChar znak : VycistiMalymi(text, ZnakySemafor, NahradaMala)) {
        const QList<int> cisla = SemaforSifruj(QStringView(&znak, 1));
        znaky.append({znak, cisla.value(0)});
    }
    return znaky;
}

QImage nakresliPrikladSemaforu(QStringView text)
{
    const QList<ZnakSemaforu> znaky = znakyPrikladuSemaforu(text);
    const int radku = std::max(1, int((znaky.size() + SloupcuPrikladu - 1) / SloupcuPrikladu));
    QImage obraz = bilyObraz(SloupcuPrikladu * ZnameniPrikladu, NadPrikladem + radku * RadekPrikladu);
    QPainter malir(&obraz);
    malir.setRenderHint(QPainter::TextAntialiasing);

    malir.setPen(Qt::black);
    malir.setFont(pismoPopisu(18, true));
    malir.drawText(QPointF(8, 24), QStringLiteral("Zdrojový text: ") + text.toString());
    malir.setFont(pismoPopisu(16));
    malir.setPen(Seda);
    QString vycisteny;
    for (const ZnakSemaforu &z : znaky)
        vycisteny += z.znak;
    malir.drawText(QPointF(8, 50), QStringLiteral("po vyčištění: ") + vycisteny);

    for (qsizetype k = 0; k < znaky.size(); ++k) {
        const double x = int(k % SloupcuPrikladu) * ZnameniPrikladu;
        const double y = NadPrikladem + int(k / SloupcuPrikladu) * RadekPrikladu;
        kresliPole(malir, QRectF(x, y, ZnameniPrikladu, ZnameniPrikladu), znaky[k].cislo);
        malir.setPen(Seda);
        malir.setFont(pismoPopisu(znaky[k].znak == u' ' ? 13 : 17));
        malir.drawText(QRectF(x, y + ZnameniPrikladu, ZnameniPrikladu, PopisekPrikladu), Qt::AlignCenter,
                       popisZnaku(znaky[k].znak));
    }
    return obraz;
}

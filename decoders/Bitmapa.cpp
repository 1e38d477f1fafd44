#include "decoders/Bitmapa.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QtEndian>

namespace {

struct Hlavicka
{
    qint64 datOd = 0;
    qint64 sirka = 0;
    qint64 vyska = 0;
    int bitu = 0;
    quint32 komprese = 0;
};

// The two headers of a Windows bitmap (file header and at least the oldest info header), or nullopt.
std::optional<Hlavicka> prectiHlavicku(const QByteArray &data)
{
    if (data.size() < 26 || !data.startsWith("BM"))
        return std::nullopt;
    const auto *b = reinterpret_cast<const uchar *>(data.constData());
    Hlavicka h;
    h.datOd = qFromLittleEndian<quint32>(b + 10);
    const quint32 velikostInfa = qFromLittleEndian<quint32>(b + 14);
    if (velikostInfa == 12) {
        h.sirka = qFromLittleEndian<quint16>(b + 18);
        h.vyska = qFromLittleEndian<quint16>(b + 20);
        h.bitu = qFromLittleEndian<quint16>(b + 24);
        return h;
    }
    if (velikostInfa < 40 || data.size() < 34)
        return std::nullopt;
    h.sirka = qFromLittleEndian<qint32>(b + 18);
    // A negative height marks a picture stored top row first.
    h.vyska = std::abs(qint64(qFromLittleEndian<qint32>(b + 22)));
    h.bitu = qFromLittleEndian<quint16>(b + 28);
    h.komprese = qFromLittleEndian<quint32>(b + 30);
    return h;
}

// The bytes an uncompressed picture's rows take; 0 when the format keeps no fixed row size.
qint64 bajtuPixelu(const Hlavicka &h)
{
    constexpr quint32 BezKomprese = 0;
    constexpr quint32 Bitfields = 3;
    if (h.komprese != BezKomprese && h.komprese != Bitfields)
        return 0;
    const qint64 radek = (h.sirka * h.bitu + 31) / 32 * 4;
    return radek * h.vyska;
}

QString jinyFormat(const QByteArray &data)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    return QString::fromLatin1(QImageReader::imageFormat(&buffer)).toUpper();
}

} // namespace

std::optional<QImage> DekodujBmp(const QByteArray &data, QString *chyba)
{
    const auto odmitni = [chyba](const QString &duvod) -> std::optional<QImage> {
        if (chyba)
            *chyba = duvod;
        return std::nullopt;
    };
    const auto hlavicka = prectiHlavicku(data);
    if (!hlavicka && data.startsWith("BM"))
        return odmitni(QStringLiteral("soubor BMP je useknutý nebo poškozený (%1 bajtů)").arg(data.size()));
    if (!hlavicka) {
        const QString format = jinyFormat(data);
        return odmitni(format.isEmpty() || format == u"BMP"
                           ? QStringLiteral("soubor není obrázek BMP")
                           : QStringLiteral("soubor není obrázek BMP, je to obrázek %1").arg(format));
    }
    if (hlavicka->sirka <= 0 || hlavicka->vyska <= 0)
        return odmitni(QStringLiteral("obrázek BMP nemá žádné body"));
    if (hlavicka->sirka * hlavicka->vyska > MaxPixeluBmp)
        return odmitni(QStringLiteral("obrázek BMP je příliš velký (%1 × %2 bodů, nejvýše %3 bodů)")
                           .arg(hlavicka->sirka)
                           .arg(hlavicka->vyska)
                           .arg(MaxPixeluBmp));
    const qint64 pixely = bajtuPixelu(*hlavicka);
    if (pixely > 0 && hlavicka->datOd + pixely > data.size())
        return odmitni(QStringLiteral("soubor BMP je useknutý (%1 bajtů, obrázek potřebuje %2)")
                           .arg(data.size())
                           .arg(hlavicka->datOd + pixely));

    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader ctecka(&buffer, "bmp");
    ctecka.setDecideFormatFromContent(false);
    QImage obraz;
    if (!ctecka.read(&obraz) || obraz.isNull())
        return odmitni(QStringLiteral("obrázek BMP nelze přečíst (%1)").arg(ctecka.errorString()));
    return obraz;
}

std::optional<QImage> NactiBmp(const QString &cesta, QString *chyba)
{
    QFile soubor(cesta);
    QString duvod;
    std::optional<QImage> obraz;
    if (!soubor.open(QIODevice::ReadOnly))
        duvod = soubor.errorString();
    else if (soubor.size() > MaxBajtuBmp)
        duvod = QStringLiteral("soubor je příliš velký (%1 bajtů)").arg(soubor.size());
    else if (obraz = DekodujBmp(soubor.readAll(), &duvod); obraz)
        return obraz;
    if (chyba)
        *chyba = QStringLiteral("Obrázek %1 nelze zobrazit: %2.").arg(QDir::toNativeSeparators(cesta), duvod);
    return std::nullopt;
}

// The store's bitmap reader (DekodujBmp) on arbitrary bytes: a picture within the size limit, or a reason.
#include "Fuzz.h"

#include "decoders/Bitmapa.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bajty(reinterpret_cast<const char *>(data), qsizetype(size));
    QString chyba;
    const std::optional<QImage> obraz = DekodujBmp(bajty, &chyba);
    OVER(obraz.has_value() == chyba.isEmpty());
    if (obraz)
        OVER(!obraz->isNull() && qint64(obraz->width()) * obraz->height() <= MaxPixeluBmp);
    return 0;
}

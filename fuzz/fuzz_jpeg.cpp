// The libjpeg decoder (DekodujJpeg) on arbitrary bytes: a picture within the size limit, or a reason;
// never an exit from inside libjpeg.
#include "Fuzz.h"

#include "decoders/Jpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bajty(reinterpret_cast<const char *>(data), qsizetype(size));
    QString chyba;
    const std::optional<QImage> obraz = DekodujJpeg(bajty, &chyba);
    OVER(obraz.has_value() == chyba.isEmpty());
    if (obraz)
        OVER(!obraz->isNull() && qint64(obraz->width()) * obraz->height() <= MaxPixeluJpeg);
    return 0;
}

#include "decoders/Jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <memory>

#include <jpeglib.h>

namespace {
// libjpeg reports a fatal error by calling error_exit, which by default ends the process;
// this one jumps back to the decoder with the message instead.
struct ChybaJpeg
{
    jpeg_error_mgr zaklad;
    std::jmp_buf skok;
    char zprava[JMSG_LENGTH_MAX];
};

extern "C" void ukonciChybou(j_common_ptr info)
{
    auto *chyba = reinterpret_cast<ChybaJpeg *>(info->err);
    (*info->err->format_message)(info, chyba->zprava);
    std::longjmp(chyba->skok, 1);
}

// Warnings (extra bytes, a truncated tail) are not shown: the picture decodes as far as it can.
extern "C" void zadnaZprava(j_common_ptr) {}

// Everything the decoder touches between setjmp and longjmp lives here, on the heap, so a
// jump back leaves no half-made local object behind.
struct Dekoder
{
    jpeg_decompress_struct info{};
    ChybaJpeg chyba{};
    QImage obraz;
    bool vytvoren = false;
    bool prilisVelky = false;
};

bool dekoduj(Dekoder &d, const QByteArray &data)
{
    if (setjmp(d.chyba.skok))
        return false;
    jpeg_create_decompress(&d.info);
    d.vytvoren = true;
    jpeg_mem_src(&d.info, reinterpret_cast<const unsigned char *>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&d.info, TRUE);
    d.info.out_color_space = JCS_RGB;
    if (qint64(d.info.image_width) * qint64(d.info.image_height) > MaxPixeluJpeg) {
        d.prilisVelky = true;
        return false;
    }
    jpeg_start_decompress(&d.info);
    d.obraz = QImage(int(d.info.output_width), int(d.info.output_height), QImage::Format_RGB888);
    if (d.obraz.isNull() || d.info.output_components != 3) {
        d.prilisVelky = true;
        return false;
    }
    while (d.info.output_scanline < d.info.output_height) {
        JSAMPROW radek = d.obraz.scanLine(int(d.info.output_scanline));
        jpeg_read_scanlines(&d.info, &radek, 1);
    }
    jpeg_finish_decompress(&d.info);
    return true;
}
} // namespace

std::optional<QImage> DekodujJpeg(const QByteArray &data, QString *chyba)
{
    auto d = std::make_unique<Dekoder>();
    d->info.err = jpeg_std_error(&d->chyba.zaklad);
    d->chyba.zaklad.error_exit = ukonciChybou;
    d->chyba.zaklad.output_message = zadnaZprava;

    const bool hotovo = dekoduj(*d, data);
    if (d->vytvoren)
        jpeg_destroy_decompress(&d->info);
    if (hotovo)
        return std::move(d->obraz);
    if (chyba) {
        if (d->prilisVelky)
            *chyba = QStringLiteral("Obrázek JPEG je příliš velký.");
        else
            *chyba = QStringLiteral("Obrázek JPEG nelze přečíst: %1").arg(QString::fromLocal8Bit(d->chyba.zprava));
    }
    return std::nullopt;
}

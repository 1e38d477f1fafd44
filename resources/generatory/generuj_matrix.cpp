// Draws the main window's picture: columns of bright green characters falling on black,
// each column a trail with a pale head that fades upwards. Writes it as a JPEG with libjpeg.
// Usage: generuj_matrix OUTPUT.jpg

#include <cstdint>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace {
constexpr int Sirka = 516;
constexpr int Vyska = 391;
constexpr int Meritko = 2;
constexpr int SirkaBunky = 12;
constexpr int VyskaBunky = 16;

// Five-by-seven glyphs, one row per byte, bit 4 the leftmost pixel: digits, a few capitals
// and some angular signs that read as an alien script.
constexpr std::uint8_t Znaky[][7] = {
    {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}, // 0
    {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}, // 1
    {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}, // 2
    {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E}, // 3
    {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}, // 4
    {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E}, // 5
    {0x0E, 0x10, 0x1E, 0x11, 0x11, 0x11, 0x0E}, // 6
    {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08}, // 7
    {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}, // 8
    {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}, // 9
    {0x1F, 0x01, 0x05, 0x06, 0x04, 0x04, 0x08}, // hooked stroke
    {0x01, 0x02, 0x04, 0x0C, 0x14, 0x04, 0x04}, // falling branch
    {0x04, 0x1F, 0x11, 0x11, 0x01, 0x02, 0x0C}, // roof and tail
    {0x00, 0x1F, 0x04, 0x04, 0x04, 0x04, 0x1F}, // capital I with bars
    {0x02, 0x1F, 0x02, 0x06, 0x0A, 0x12, 0x02}, // cross with leg
    {0x08, 0x1F, 0x09, 0x09, 0x09, 0x09, 0x12}, // bent frame
    {0x04, 0x1F, 0x04, 0x1F, 0x04, 0x04, 0x04}, // double cross
    {0x00, 0x0F, 0x09, 0x11, 0x01, 0x02, 0x0C}, // open hook
    {0x08, 0x0F, 0x12, 0x02, 0x02, 0x02, 0x04}, // slanted stroke
    {0x00, 0x1F, 0x01, 0x01, 0x01, 0x01, 0x1F}, // reversed C
    {0x0A, 0x1F, 0x0A, 0x0A, 0x02, 0x04, 0x08}, // twin posts
    {0x00, 0x18, 0x01, 0x19, 0x01, 0x02, 0x1C}, // three dashes
    {0x11, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x11}, // X
    {0x0E, 0x11, 0x10, 0x17, 0x11, 0x11, 0x0F}, // G
    {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11}, // R
    {0x11, 0x1B, 0x15, 0x15, 0x11, 0x11, 0x11}, // M
};
constexpr int PocetZnaku = sizeof(Znaky) / sizeof(Znaky[0]);

// A small linear congruential generator with a fixed start value, so every build draws the same picture.
struct Nahoda
{
    std::uint32_t stav = 20261209u;
    std::uint32_t dalsi()
    {
        stav = stav * 1664525u + 1013904223u;
        return stav >> 8;
    }
    int do_(int n) { return int(dalsi() % std::uint32_t(n)); }
};

struct Obraz
{
    std::vector<std::uint8_t> rgb = std::vector<std::uint8_t>(std::size_t(Sirka) * Vyska * 3, 0);

    void bod(int x, int y, int r, int g, int b)
    {
        if (x < 0 || y < 0 || x >= Sirka || y >= Vyska)
            return;
        std::uint8_t *p = &rgb[(std::size_t(y) * Sirka + x) * 3];
        // Overlapping glyphs keep the brighter light, as light on a screen would.
        p[0] = std::uint8_t(p[0] > r ? p[0] : r);
        p[1] = std::uint8_t(p[1] > g ? p[1] : g);
        p[2] = std::uint8_t(p[2] > b ? p[2] : b);
    }

    void znak(int index, int x0, int y0, int r, int g, int b)
    {
        for (int radek = 0; radek < 7; ++radek)
            for (int sloupec = 0; sloupec < 5; ++sloupec)
                if (Znaky[index][radek] & (0x10 >> sloupec))
                    for (int dy = 0; dy < Meritko; ++dy)
                        for (int dx = 0; dx < Meritko; ++dx)
                            bod(x0 + sloupec * Meritko + dx, y0 + radek * Meritko + dy, r, g, b);
    }
};

void nakresli(Obraz &obraz)
{
    Nahoda nahoda;
    const int sloupcu = Sirka / SirkaBunky;
    const int radku = Vyska / VyskaBunky + 1;
    const int okraj = (Sirka - sloupcu * SirkaBunky) / 2 + 1;
    for (int s = 0; s < sloupcu; ++s) {
        const int x = okraj + s * SirkaBunky;
        // A dim scatter of leftover characters behind the trails.
        for (int r = 0; r < radku; ++r)
            if (nahoda.do_(5) == 0)
                obraz.znak(nahoda.do_(PocetZnaku), x, r * VyskaBunky, 0, 40 + nahoda.do_(30), 0);
        // One or two trails per column, each with a pale head and a tail fading to dark green.
        const int stop = 1 + (nahoda.do_(3) == 0);
        for (int t = 0; t < stop; ++t) {
            const int hlava = nahoda.do_(radku + 6);
            const int delka = 5 + nahoda.do_(14);
            for (int k = 0; k <= delka; ++k) {
                const int r = hlava - k;
                if (r < 0 || r >= radku)
                    continue;
                const int znak = nahoda.do_(PocetZnaku);
                if (k == 0) {
                    obraz.znak(znak, x, r * VyskaBunky, 200, 255, 200);
                } else {
                    const int zelena = 255 - (200 * k) / (delka + 1);
                    obraz.znak(znak, x, r * VyskaBunky, 0, zelena, zelena / 6);
                }
            }
        }
    }
}

bool zapisJpeg(const Obraz &obraz, const char *cesta)
{
    std::FILE *soubor = std::fopen(cesta, "wb");
    if (!soubor)
        return false;
    jpeg_compress_struct info;
    jpeg_error_mgr chyby;
    info.err = jpeg_std_error(&chyby);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, soubor);
    info.image_width = Sirka;
    info.image_height = Vyska;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW radek = const_cast<JSAMPROW>(&obraz.rgb[std::size_t(info.next_scanline) * Sirka * 3]);
        jpeg_write_scanlines(&info, &radek, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(soubor) == 0;
}
} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.jpg\n", argv[0]);
        return 2;
    }
    Obraz obraz;
    nakresli(obraz);
    if (!zapisJpeg(obraz, argv[1])) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

// The text-file decoder on arbitrary bytes, whole or cut: whatever it reads, writing it back in the
// encoding it reports (or the one the writer falls back to) reads back as the same text.
#include "Fuzz.h"

#include "descriptions/TextovySoubor.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bajty(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const bool utnuto : {false, true}) {
        const PrectenyText precteny = DekodujText(bajty, utnuto);
        const QByteArray zapsane = ZakodujText(precteny.text, precteny.kodovani);
        OVER(DekodujText(zapsane).text == precteny.text);
        OVER(DekodujText(ZakodujText(precteny.text, std::nullopt)).text == precteny.text);
    }
    // A cut never makes the text longer than the whole file's.
    const qsizetype pul = bajty.size() / 2;
    OVER(DekodujText(bajty.first(pul), true).text.size() <= qsizetype(pul));
    return 0;
}

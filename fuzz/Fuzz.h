#pragma once
// What every fuzz target shares: the libFuzzer entry point, a check that stops the run with a
// message (on in every build, unlike assert), and readers that turn raw bytes into options and texts.

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

#define OVER(podminka)                                                                                                 \
    do {                                                                                                               \
        if (!(podminka)) {                                                                                             \
            std::fprintf(stderr, "%s:%d: neplati %s\n", __FILE__, __LINE__, #podminka);                                \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

// Reads options from the front of the input; what is left is the text.
class Vstup
{
public:
    Vstup(const uint8_t *data, size_t size) : m_data(data), m_zbyva(size) {}

    uint8_t bajt()
    {
        if (m_zbyva == 0)
            return 0;
        --m_zbyva;
        return *m_data++;
    }

    int32_t cislo()
    {
        uint32_t c = 0;
        for (int i = 0; i < 4; ++i)
            c = c << 8 | bajt();
        return int32_t(c);
    }

    // The rest as UTF-16 code units (two bytes each): any unit, lone surrogates and NUL included.
    QString text()
    {
        QString t;
        t.reserve(qsizetype(m_zbyva / 2));
        while (m_zbyva >= 2) {
            const char16_t u = char16_t(m_data[0] | m_data[1] << 8);
            t.append(QChar(u));
            m_data += 2;
            m_zbyva -= 2;
        }
        return t;
    }

private:
    const uint8_t *m_data;
    size_t m_zbyva;
};

// Runs a fuzz target once over every file of the given folders (or the given files), without
// libFuzzer: the saved inputs become a regression test of every build, plain and sanitized.
#include "Fuzz.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

int main(int argc, char *argv[])
{
    namespace fs = std::filesystem;
    std::vector<fs::path> soubory;
    for (int i = 1; i < argc; ++i) {
        const fs::path cesta(argv[i]);
        if (fs::is_directory(cesta)) {
            for (const auto &polozka : fs::directory_iterator(cesta))
                if (polozka.is_regular_file())
                    soubory.push_back(polozka.path());
        } else {
            soubory.push_back(cesta);
        }
    }
    std::sort(soubory.begin(), soubory.end());
    if (soubory.empty()) {
        std::fprintf(stderr, "usage: %s FOLDER|FILE...: no input found\n", argv[0]);
        return 2;
    }
    for (const fs::path &soubor : soubory) {
        std::ifstream vstup(soubor, std::ios::binary);
        const std::vector<char> bajty((std::istreambuf_iterator<char>(vstup)), std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bajty.data()), bajty.size());
    }
    std::printf("%zu inputs passed\n", soubory.size());
    return 0;
}

#pragma once
// How the C library hands out and takes back memory, set once at start-up.
//
// Qt lays out a shown paragraph in arrays of some 40 bytes per character: about 180 MiB for the
// 4.4 million characters of the Morse code of 1 MiB of text. By default the C library maps large
// blocks (above 128 KiB, a limit it raises to at most 32 MiB) freshly from the system and gives
// them back when they are freed, so each long text shown again pays for fresh pages (on a virtual
// machine about 3 ms per MiB, more than the layout itself). Kept in the heap instead, freed memory
// is reused by the next long text; up to PonechanaPamet of free memory stays with the process.

#include <cstddef>

inline constexpr std::size_t PonechanaPamet = std::size_t(256) << 20;

// Call before the application object is made. Returns false where the C library refused (such as
// under a sanitizer's allocator), which only costs speed.
bool nastavPametProDlouheTexty();

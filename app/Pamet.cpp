#include "app/Pamet.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

bool nastavPametProDlouheTexty()
{
#if defined(__GLIBC__)
    // Blocks below the threshold come from the heap, and free memory at its top is given back to
    // the system only beyond the same amount.
    const int mez = int(PonechanaPamet);
    const bool mapovani = mallopt(M_MMAP_THRESHOLD, mez) == 1;
    const bool vraceni = mallopt(M_TRIM_THRESHOLD, mez) == 1;
    return mapovani && vraceni;
#else
    return false;
#endif
}

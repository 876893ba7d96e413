#include "PropertyCheck.h"

#include <cstdio>
#include <cstdlib>

void CheckProperty(bool holds, const char* property)
{
    if (holds) return;
    std::fprintf(stderr, "property failed: %s\n", property);
    std::fflush(stderr);
    std::abort();
}

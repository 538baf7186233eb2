#include "app/heap.h"

#include <cstdlib>
#include <cstring>
#include <string>

#if defined(__GLIBC__)
#include <unistd.h>
#endif

namespace Heap {

void preferLargePages(char* argv[])
{
#if defined(__GLIBC__)
    static constexpr char Variable[] = "GLIBC_TUNABLES";
    static constexpr char Setting[] = "glibc.malloc.hugetlb";
    const char* tunables = std::getenv(Variable);
    // Already given (by the start before this one, or by whoever started us).
    if (tunables && std::strstr(tunables, Setting))
        return;
    std::string value = tunables && *tunables ? std::string(tunables) + ':' : std::string();
    value += Setting;
    value += "=1";
    if (::setenv(Variable, value.c_str(), 1) != 0)
        return;
    ::execv("/proc/self/exe", argv);
    // Not started again: go on without it, and leave the environment as it was.
    if (tunables)
        ::setenv(Variable, tunables, 1);
    else
        ::unsetenv(Variable);
#else
    (void)argv;
#endif
}

}  // namespace Heap

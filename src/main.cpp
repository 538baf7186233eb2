#include "app/heap.h"
#include "app/ui/startup.h"

int main(int argc, char* argv[])
{
    Heap::preferLargePages(argv);
    return runDesktop(argc, argv);
}

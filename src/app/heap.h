#pragma once
// How the desktop program asks for its memory.

namespace Heap {

// Has the C library take the heap from the system in large pages, where it
// can: a result list of 100,000 lines is built in fresh memory, and taking
// that memory a small page at a time cost as much as reading the archive.
// The C library reads this setting only when a program starts, so the
// program starts itself again once with it (same arguments, same
// environment otherwise); with the setting already there, or where it
// cannot be given, it returns and the program goes on as it is.
void preferLargePages(char* argv[]);

}  // namespace Heap

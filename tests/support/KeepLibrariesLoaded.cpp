// Linked into sanitizer builds of the tests only: the leak checker cannot
// name allocations of a shared object that was unloaded before exit.
extern "C" int dlclose(void*) { return 0; }

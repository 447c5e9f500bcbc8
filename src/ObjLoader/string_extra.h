#ifndef STRING_EXTRA_H
#define STRING_EXTRA_H

// True when needle occurs anywhere in haystack.
bool contains(const char* haystack, const char* needle);
// True when the two strings are equal.
bool strequal(const char* a, const char* b);

#endif

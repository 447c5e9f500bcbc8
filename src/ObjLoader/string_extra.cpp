#include "ObjLoader/string_extra.h"

#include <cstring>

bool contains(const char* haystack, const char* needle) {
    if (haystack == nullptr || needle == nullptr) {
        return false;
    }
    return strstr(haystack, needle) != nullptr;
}

bool strequal(const char* a, const char* b) {
    if (a == nullptr || b == nullptr) {
        return false;
    }
    return strcmp(a, b) == 0;
}

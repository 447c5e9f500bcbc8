#include "ObjLoader/string_extra.h"

#include <cstring>

bool contains(const char* haystack, const char* needle) {
    if (haystack == NULL || needle == NULL) {
        return false;
    }
    return strstr(haystack, needle) != NULL;
}

bool strequal(const char* a, const char* b) {
    if (a == NULL || b == NULL) {
        return false;
    }
    return strcmp(a, b) == 0;
}

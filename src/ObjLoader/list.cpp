#include "ObjLoader/list.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

void list_make(list* listo, int size, char growable) {
    if (size < 1) {
        size = 1;  // doubling must make room
    }
    listo->item_count = 0;
    listo->current_max_size = size;
    listo->growable = growable;
    listo->items = (void**)malloc(sizeof(void*) * size);
    listo->names = (char**)malloc(sizeof(char*) * size);
}

static char* copy_name(const char* name) {
    if (name == nullptr) {
        return nullptr;
    }
    size_t length = strlen(name);
    char* copy = (char*)malloc(length + 1);
    memcpy(copy, name, length + 1);
    return copy;
}

int list_add_item(list* listo, void* item, const char* name) {
    if (listo->item_count == listo->current_max_size) {
        if (!listo->growable) {
            return -1;
        }
        list_grow(listo);
    }
    listo->names[listo->item_count] = copy_name(name);
    listo->items[listo->item_count] = item;
    listo->item_count++;
    return listo->item_count - 1;
}

void list_grow(list* old_listo) {
    list new_listo;
    list_make(&new_listo, old_listo->current_max_size * 2, old_listo->growable);
    for (int i = 0; i < old_listo->item_count; i++) {
        list_add_item(&new_listo, old_listo->items[i], old_listo->names[i]);
    }
    list_free(old_listo);
    *old_listo = new_listo;
}

int list_find(list* listo, const char* name_to_find) {
    if (name_to_find == nullptr) {
        return -1;
    }
    size_t length = strlen(name_to_find);
    for (int i = 0; i < listo->item_count; i++) {
        if (listo->names[i] != nullptr && strncmp(listo->names[i], name_to_find, length) == 0) {
            return i;
        }
    }
    return -1;
}

void* list_get_name(list* listo, const char* name) {
    int index = list_find(listo, name);
    return index == -1 ? nullptr : listo->items[index];
}

void* list_get_index(list* listo, int indx) {
    if (indx >= 0 && indx < listo->item_count) {
        return listo->items[indx];
    }
    return nullptr;
}

void* list_get_item(list* listo, void* item_to_find) {
    for (int i = 0; i < listo->item_count; i++) {
        if (listo->items[i] == item_to_find) {
            return item_to_find;
        }
    }
    return nullptr;
}

int list_is_full(list* listo) { return listo->item_count == listo->current_max_size; }

void list_delete_index(list* listo, int indx) {
    if (indx < 0 || indx >= listo->item_count) {
        return;
    }
    free(listo->names[indx]);
    for (int j = indx; j < listo->item_count - 1; j++) {
        listo->names[j] = listo->names[j + 1];
        listo->items[j] = listo->items[j + 1];
    }
    listo->item_count--;
}

void list_delete_name(list* listo, const char* name) {
    if (name == nullptr) {
        return;
    }
    size_t length = strlen(name);
    for (int i = listo->item_count - 1; i >= 0; i--) {
        if (listo->names[i] != nullptr && strncmp(listo->names[i], name, length) == 0) {
            list_delete_index(listo, i);
        }
    }
}

void list_delete_item(list* listo, void* item) {
    for (int i = listo->item_count - 1; i >= 0; i--) {
        if (listo->items[i] == item) {
            list_delete_index(listo, i);
        }
    }
}

void list_delete_all(list* listo) {
    for (int i = listo->item_count - 1; i >= 0; i--) {
        list_delete_index(listo, i);
    }
}

void list_free(list* listo) {
    list_delete_all(listo);
    free(listo->names);
    free(listo->items);
    listo->names = nullptr;
    listo->items = nullptr;
    listo->current_max_size = 0;
}

void list_print_list(list* listo) {
    printf("count: %i/%i\n", listo->item_count, listo->current_max_size);
    for (int i = 0; i < listo->item_count; i++) {
        printf("list[%i]: %s\n", i, listo->names[i] ? listo->names[i] : "");
    }
}

void list_print_items(list* listo) {
    for (int i = 0; i < listo->item_count; i++) {
        printf("%s\n", listo->names[i] ? listo->names[i] : "");
    }
}

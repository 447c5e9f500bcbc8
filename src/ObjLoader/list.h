#ifndef OBJ_LIST_H
#define OBJ_LIST_H

// A growable list of untyped item pointers, each with an optional name of
// which the list keeps its own copy. The list never frees the items.
typedef struct {
    int item_count;
    int current_max_size;
    char growable;
    void** items;
    char** names;
} list;

void list_make(list* listo, int size, char growable);
// The new item's index, or -1 when the list is full and cannot grow.
int list_add_item(list* listo, void* item, const char* name);
void list_grow(list* old_listo);
// The first item whose name begins with name_to_find, or -1 / null.
int list_find(list* listo, const char* name_to_find);
void* list_get_name(list* listo, const char* name);
void* list_get_index(list* listo, int indx);
void* list_get_item(list* listo, void* item_to_find);
int list_is_full(list* listo);
void list_delete_index(list* listo, int indx);
void list_delete_name(list* listo, const char* name);
void list_delete_item(list* listo, void* item);
void list_delete_all(list* listo);
void list_free(list* listo);
void list_print_list(list* listo);
void list_print_items(list* listo);

#endif

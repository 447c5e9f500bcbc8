#ifndef ITEMCOLLECTION_H
#define ITEMCOLLECTION_H

#include <string>
#include <vector>

class HoldableItem;
class Sounds;
class StaticObject;

// The item carousel of the inventory and the shops. Minimal for now: it
// holds the list and the current index; turning, zoom and drawing come with
// the carousel itself.
class ItemCollection {
public:
    Sounds* sounds;
    std::vector<HoldableItem*> holdableItems;
    int curr;
    StaticObject* displayObject;

    explicit ItemCollection(std::string name);
    virtual ~ItemCollection();

    void setSound(Sounds* sounds);
    void setDisplayObject(StaticObject* object);
    void addItem(HoldableItem* item);
    void removeItemOfType(int type);
    HoldableItem* getCurrentObject();

private:
    ItemCollection(const ItemCollection&) = delete;
    ItemCollection& operator=(const ItemCollection&) = delete;
};

#endif

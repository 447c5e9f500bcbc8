#ifndef CASTLESTATICOBJECT_H
#define CASTLESTATICOBJECT_H

#include "Object/StaticObject/StaticObject.h"

// The castle of the last island: a static object of its own type.
class CastleStaticObject : public StaticObject {
public:
    CastleStaticObject();
    virtual ~CastleStaticObject();
};

#endif

#include "Object/StaticObject/CastleStaticObject/CastleStaticObject.h"

CastleStaticObject::CastleStaticObject() {}

CastleStaticObject::~CastleStaticObject() {}

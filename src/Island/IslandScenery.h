#ifndef ISLANDSCENERY_H
#define ISLANDSCENERY_H

// Everything an island places, for the island's own sources.
#include "Nature/Nature.h"
#include "Object/ProceduralTree/ProceduralTree.h"
#include "Object/StaticObject/CastleStaticObject/CastleStaticObject.h"
#include "Object/StaticObject/ShopStaticObject/ShopStaticObject.h"
#include "Object/StaticObject/StaticObject.h"
#include "Object/StaticObject/Wall/Wall.h"
#include "Object/Volcano/Volcano.h"
#include "Particle/DissolveParticle/DissolveParticle.h"
#include "QuestPoint/QuestPoint.h"
#include "QuestPoint/QuestPointId.h"
#include "Water/Water.h"
#include "Waterfall/Waterfall.h"

#endif

#include "Object/Character/ForestSpirit/Hero/Hero.h"

Hero::Hero() {}

Hero::~Hero() {}

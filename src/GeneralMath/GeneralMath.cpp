#include "GeneralMath/GeneralMath.h"

#include <cassert>
#include <cstdlib>

GeneralMath::GeneralMath() { assert(false); }

GeneralMath::~GeneralMath() {}

int GeneralMath::getRandomNumber(int lo, int hi) { return rand() % (hi - lo) + lo; }

#include "SkyBox/SkyBox.h"

SkyBox::SkyBox() {}

SkyBox::~SkyBox() {}

void SkyBox::draw() {}

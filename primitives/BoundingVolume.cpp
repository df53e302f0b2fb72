#include "primitives/BoundingVolume.h"

void TAV_BoundingVolume::Draw(TAV_DrawHelper*) const {}

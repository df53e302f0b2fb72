#include "app/HeapTuning.h"

#include <malloc.h>

void TuneHeapForLargeScenes()
{
    mallopt(M_MXFAST, 0);
}

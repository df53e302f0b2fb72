#pragma once
// Icon resources loaded as icon handles.
#include "platform/win/WinTypes.h"

class QIcon;

namespace Icons {

// The icon resource with this id, loaded once; null when there is none.
HICON LoadIconResource(unsigned id);
// The Qt icon behind a handle; a null icon for an unknown handle.
QIcon IconOf(HICON icon);

} // namespace Icons

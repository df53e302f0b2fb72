#pragma once
#include "platform/win/Dialog.h"

// Puts panel, not created yet, into the rectangle of the parent's placeholder
// control: the placeholder is destroyed, the panel is created from the template
// as a child of parent (its initialisation runs then), then placed and shown.
// False when the placeholder is missing (silently) or the panel cannot be created.
bool PlaceControlDialog(CWnd* parent, int placeholderId, CDialog* panel, unsigned templateId);

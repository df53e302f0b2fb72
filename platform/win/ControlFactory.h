#pragma once
// Makes the Qt widget of a dialog control from its window class and style and
// wires its signals to the messages its parent's window object receives.
#include "platform/win/WinTypes.h"
#include "resources/DialogTemplate.h"

class QString;
class QWidget;

namespace ControlFactory {

// The control as a child of parent, geometry unset; visible and enabled as its style says.
QWidget* Create(ControlClass windowClass, DWORD style, const QString& text, int id, QWidget* parent);

} // namespace ControlFactory

#pragma once
// What the window system knows about a widget beyond Qt: its control id, its
// styles, its radio group and, for dialogs, the base units of its font.
#include "platform/win/DialogUnits.h"
#include "platform/win/WinTypes.h"

class QFont;
class QString;
class QWidget;

namespace WidgetTraits {

void SetControlId(QWidget* widget, int id);
int ControlId(const QWidget* widget);
void SetStyles(QWidget* widget, DWORD style, DWORD exStyle);
DWORD Style(const QWidget* widget);
DWORD ExStyle(const QWidget* widget);
void SetRadioGroup(QWidget* widget, int group);
int RadioGroup(const QWidget* widget);

// The text a window shows: a control's label or a window's title.
QString Text(const QWidget* widget);
void SetText(QWidget* widget, const QString& text);

// The direct child with this control id (the first one created), or null.
QWidget* FindChild(const QWidget* parent, int id);

// Base units of a font: its average character width and its height, in pixels.
DialogBaseUnits BaseUnitsOf(const QFont& font);
void SetBaseUnits(QWidget* dialog, DialogBaseUnits base);
// The base units of the nearest dialog at or above the widget.
DialogBaseUnits BaseUnits(const QWidget* widget);

} // namespace WidgetTraits

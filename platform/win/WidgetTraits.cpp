#include "platform/win/WidgetTraits.h"

#include <QAbstractButton>
#include <QFont>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVariant>
#include <QWidget>

namespace {

const char* const kId = "quorvelControlId";
const char* const kStyle = "quorvelStyle";
const char* const kExStyle = "quorvelExStyle";
const char* const kGroup = "quorvelRadioGroup";
const char* const kBaseX = "quorvelBaseUnitX";
const char* const kBaseY = "quorvelBaseUnitY";

} // namespace

namespace WidgetTraits {

void SetControlId(QWidget* widget, int id)
{
    widget->setProperty(kId, id);
}

int ControlId(const QWidget* widget)
{
    return widget ? widget->property(kId).toInt() : 0;
}

void SetStyles(QWidget* widget, DWORD style, DWORD exStyle)
{
    widget->setProperty(kStyle, style);
    widget->setProperty(kExStyle, exStyle);
}

DWORD Style(const QWidget* widget)
{
    return widget ? widget->property(kStyle).toUInt() : 0;
}

DWORD ExStyle(const QWidget* widget)
{
    return widget ? widget->property(kExStyle).toUInt() : 0;
}

void SetRadioGroup(QWidget* widget, int group)
{
    widget->setProperty(kGroup, group);
}

int RadioGroup(const QWidget* widget)
{
    return widget->property(kGroup).toInt();
}

QString Text(const QWidget* widget)
{
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    if (auto* group = qobject_cast<const QGroupBox*>(widget))
        return group->title();
    return widget->windowTitle();
}

void SetText(QWidget* widget, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
        group->setTitle(text);
    else
        widget->setWindowTitle(text);
}

QWidget* FindChild(const QWidget* parent, int id)
{
    if (!parent)
        return nullptr;
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->property(kId).isValid() && child->property(kId).toInt() == id)
            return child;
    return nullptr;
}

DialogBaseUnits BaseUnitsOf(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int alphabet =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    // The platform's rounding of the average width of the 52 letters.
    return DialogBaseUnits{(alphabet / 26 + 1) / 2, metrics.height()};
}

void SetBaseUnits(QWidget* dialog, DialogBaseUnits base)
{
    dialog->setProperty(kBaseX, base.x);
    dialog->setProperty(kBaseY, base.y);
}

DialogBaseUnits BaseUnits(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (w->property(kBaseX).isValid())
            return DialogBaseUnits{w->property(kBaseX).toInt(), w->property(kBaseY).toInt()};
    return BaseUnitsOf(widget ? widget->font() : QFont());
}

} // namespace WidgetTraits

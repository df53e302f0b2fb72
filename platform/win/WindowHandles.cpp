#include "platform/win/WindowHandles.h"

#include <QPointer>
#include <QVariant>
#include <QWidget>
#include <cstdint>
#include <unordered_map>

namespace {

const char* const kHandleProperty = "quorvelWindowHandle";

std::unordered_map<HWND, QPointer<QWidget>>& Table()
{
    static std::unordered_map<HWND, QPointer<QWidget>> table;
    return table;
}

} // namespace

HWND WindowHandles::HandleOf(QWidget* widget)
{
    if (!widget)
        return nullptr;
    const QVariant stored = widget->property(kHandleProperty);
    if (stored.isValid())
        return reinterpret_cast<HWND>(stored.value<quintptr>());
    // Handles count up and are never reused, so a destroyed window's handle stays dead.
    static std::uintptr_t next = 0x100;
    next += 4;
    HWND handle = reinterpret_cast<HWND>(next);
    widget->setProperty(kHandleProperty, QVariant::fromValue<quintptr>(next));
    Table()[handle] = widget;
    return handle;
}

QWidget* WindowHandles::WidgetOf(HWND window)
{
    auto& table = Table();
    auto it = table.find(window);
    if (it == table.end())
        return nullptr;
    if (it->second.isNull()) {
        table.erase(it);
        return nullptr;
    }
    return it->second.data();
}

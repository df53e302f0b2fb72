#include "resources/MenuTemplate.h"

#include "resources/ResourceIds.h"

#include <array>

namespace {

constexpr auto kPrimitiveItems = std::to_array<MenuItemTemplate>({
    {ID_PRIMITIVE_DELETE, L"Delete"},
    {ID_PRIMITIVE_MAKE_PARENT, L"Make Parent"},
    {ID_PRIMITIVE_UNHINGE, L"UnHinge"},
});

constexpr auto kPrimitivePopups = std::to_array<PopupTemplate>({{L"Primitive Menu", kPrimitiveItems}});

constexpr auto kMenus = std::to_array<MenuTemplate>({{IDR_PRIMITIVE_MENU, kPrimitivePopups}});

} // namespace

const MenuTemplate* FindMenuTemplate(unsigned id)
{
    for (const MenuTemplate& menu : kMenus)
        if (menu.id == id)
            return &menu;
    return nullptr;
}

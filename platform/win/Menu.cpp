#include "platform/win/Menu.h"

#include "platform/win/ModalPrompts.h"
#include "platform/win/WindowBridge.h"
#include "platform/win/WindowHandles.h"
#include "platform/win/Wnd.h"
#include "resources/MenuTemplate.h"

BOOL CMenu::LoadMenu(unsigned resourceId)
{
    const MenuTemplate* menu = FindMenuTemplate(resourceId);
    if (!menu)
        return FALSE;
    DestroyMenu();
    for (const PopupTemplate& popup : menu->popups) {
        CMenu sub;
        sub.m_title = popup.text;
        for (const MenuItemTemplate& item : popup.items)
            sub.m_items.push_back({item.id, item.text});
        m_popups.push_back(std::move(sub));
    }
    return TRUE;
}

BOOL CMenu::DestroyMenu()
{
    m_title.clear();
    m_items.clear();
    m_popups.clear();
    return TRUE;
}

CMenu* CMenu::GetSubMenu(int position)
{
    if (position < 0 || static_cast<std::size_t>(position) >= m_popups.size())
        return nullptr;
    return &m_popups[static_cast<std::size_t>(position)];
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner)
{
    ModalPrompts::PopupMenuRequest request;
    request.owner = owner ? owner->m_hWnd : nullptr;
    request.title = m_title;
    for (const Item& item : m_items)
        request.items.push_back({item.id, item.text});
    request.screenPoint = POINT{x, y};
    request.flags = flags;
    const UINT chosen = ModalPrompts::AskPopupMenu(request);
    if (flags & TPM_RETURNCMD)
        return static_cast<BOOL>(chosen);
    if (chosen && owner)
        WindowBridge::SendOwnCommand(WindowHandles::WidgetOf(owner->m_hWnd), static_cast<int>(chosen));
    return chosen != 0;
}

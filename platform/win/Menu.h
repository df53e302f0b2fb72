#pragma once
#include "platform/win/WinTypes.h"

#include <string>
#include <vector>

class CWnd;

// A menu from a menu resource, or one of its popups.
class CMenu
{
public:
    // Loads the menu resource; false when there is none.
    BOOL LoadMenu(unsigned resourceId);
    BOOL DestroyMenu();
    // The popup at this position of a loaded menu, or null. It lives as long as this menu.
    CMenu* GetSubMenu(int position);

    // Shows the popup at the screen point. The chosen command goes to owner's
    // OnCommand, or is returned with TPM_RETURNCMD; otherwise the result tells
    // whether an item was chosen.
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner);

private:
    struct Item
    {
        UINT id;
        std::wstring text;
    };
    std::wstring m_title;
    std::vector<Item> m_items;
    std::vector<CMenu> m_popups;
};

#pragma once
#include <span>

// One command item of a popup menu.
struct MenuItemTemplate
{
    unsigned id;
    const wchar_t* text;
};

// A popup of a menu resource with its items.
struct PopupTemplate
{
    const wchar_t* text;
    std::span<const MenuItemTemplate> items;
};

// A menu resource: a bar of popups.
struct MenuTemplate
{
    unsigned id;
    std::span<const PopupTemplate> popups;
};

// The menu with this id, or null when there is none.
const MenuTemplate* FindMenuTemplate(unsigned id);

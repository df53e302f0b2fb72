#pragma once
#include "resources/WindowStyles.h"

#include <span>

// The window class a template control is made from; the style picks the variant.
enum class ControlClass { Button, Static, Trackbar, TreeView, Edit };

// One control of a dialog template; the rectangle is in dialog units.
struct ControlTemplate
{
    int id;
    ControlClass windowClass;
    const wchar_t* text;
    StyleBits style;
    int x;
    int y;
    int cx;
    int cy;
};

// A dialog as its resource describes it; the size is in dialog units of its font.
struct DialogTemplate
{
    unsigned id;
    const wchar_t* caption;
    StyleBits style;
    StyleBits exStyle;
    int cx;
    int cy;
    const wchar_t* fontFace;
    int fontPointSize;
    std::span<const ControlTemplate> controls;
};

// The template with this id, or null when there is none.
const DialogTemplate* FindDialogTemplate(unsigned id);

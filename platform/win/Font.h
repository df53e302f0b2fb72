#pragma once
#include <string>

// A font as the window system describes it: face and point size.
class CFont
{
public:
    std::wstring m_face;
    int m_pointSize = 0;
    bool m_bold = false;
    bool m_italic = false;
};

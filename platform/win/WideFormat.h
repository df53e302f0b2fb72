#pragma once
#include <string>

// printf-style formatting into a wide string, always in the "C" numeric locale
// so " %.2f" shows a '.' whatever the user's locale. Wide strings go in with %ls.
std::wstring FormatWide(const wchar_t* format, ...);

#pragma once
#include <string>

// Conversions between the program's wide strings and the UTF-8 of files and
// file names.

// Code points that UTF-8 cannot carry (surrogates, beyond U+10FFFF) become U+FFFD.
std::string ToUtf8(const std::wstring& text);
// The text must be valid UTF-8, as the JSON parser ensures.
std::wstring FromUtf8(const std::string& text);

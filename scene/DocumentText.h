#pragma once
#include <string>

// Conversions between the program's wide strings and the UTF-8 of scene
// documents and file names, and texture paths relative to a document's folder.

// Code points that UTF-8 cannot carry (surrogates, beyond U+10FFFF) become U+FFFD.
std::string ToUtf8(const std::wstring& text);
// The text must be valid UTF-8, as the JSON parser ensures.
std::wstring FromUtf8(const std::string& text);
// A texture path as a document at documentPath stores it: relative to the
// document's folder when the file lies below that folder, absolute otherwise.
// A relative name is taken relative to the current directory first.
std::string StoredTexturePath(const std::wstring& texture, const std::wstring& documentPath);
// The texture name a stored path stands for: relative paths are resolved
// against the document's folder; an empty path stays empty.
std::wstring LoadedTexturePath(const std::string& stored, const std::wstring& documentPath);

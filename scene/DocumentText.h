#pragma once
#include <string>

// Texture paths relative to a scene document's folder.

// A texture path as a document at documentPath stores it: relative to the
// document's folder when the file lies below that folder, absolute otherwise.
// A relative name is taken relative to the current directory first.
std::string StoredTexturePath(const std::wstring& texture, const std::wstring& documentPath);
// The texture name a stored path stands for: relative paths are resolved
// against the document's folder; an empty path stays empty.
std::wstring LoadedTexturePath(const std::string& stored, const std::wstring& documentPath);

#include "scene/DocumentText.h"

#include "core/Utf8.h"

#include <filesystem>
#include <system_error>

namespace {

std::filesystem::path FolderOf(const std::wstring& documentPath)
{
    std::error_code error;
    const std::filesystem::path document = std::filesystem::absolute(ToUtf8(documentPath), error);
    return document.lexically_normal().parent_path();
}

} // namespace

std::string StoredTexturePath(const std::wstring& texture, const std::wstring& documentPath)
{
    if (texture.empty())
        return std::string();
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(ToUtf8(texture), error);
    if (error)
        return ToUtf8(texture);
    const std::filesystem::path relative =
        absolute.lexically_normal().lexically_relative(FolderOf(documentPath));
    if (relative.empty() || *relative.begin() == "..")
        return absolute.lexically_normal().string();
    return relative.string();
}

std::wstring LoadedTexturePath(const std::string& stored, const std::wstring& documentPath)
{
    if (stored.empty())
        return std::wstring();
    const std::filesystem::path path(stored);
    if (path.is_absolute())
        return FromUtf8(stored);
    return FromUtf8((FolderOf(documentPath) / path).lexically_normal().string());
}

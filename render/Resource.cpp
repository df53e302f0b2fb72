#include "render/Resource.h"

#include "core/Echo.h"

#include <fcntl.h>
#include <unistd.h>

namespace {

// Tried in order after the bare name (the leading empty entry); the trailing
// empty entry ends the search.
const wchar_t* const kSearchDirectories[] = {L"", L"./Textures", L"Textures", L"./MeshFiles", L"MeshFiles",
                                             L""};

// Paths are wide inside the program and UTF-8 at the file system.
std::string Utf8(const std::wstring& text)
{
    std::string out;
    for (const wchar_t wide : text) {
        auto c = static_cast<std::uint32_t>(wide);
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            c = 0xFFFD;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// Opened without blocking, so a pipe that has no writer counts as found instead of
// hanging the search; loading then refuses anything that is not a regular file.
bool OpensForReading(const std::wstring& path)
{
    const int descriptor = ::open(Utf8(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    ::close(descriptor);
    return true;
}

} // namespace

TAVD3D_Resource::~TAVD3D_Resource()
{
    TAVD3D_Resource::Unload();
}

bool TAVD3D_Resource::Load(IDirect3DDevice9* device, const std::wstring& name)
{
    Unload();
    device_ = InterfaceRef<IDirect3DDevice9>::Share(device);
    if (!device_)
        return false;
    fileName_ = name;

    std::wstring path;
    FindFile(name, path);
    if (path.empty()) {
        EchoMessage(L"**ERROR** [" + name + L"]: file not found!");
        return false;
    }
    if (CreateFromFile(path))
        return true;
    EchoMessage(L"**ERROR** [" + name + L"]: open for loading failed!");
    return false;
}

void TAVD3D_Resource::Unload()
{
    device_.Reset();
    fileName_.clear();
}

void TAVD3D_Resource::FindFile(const std::wstring& name, std::wstring& path) const
{
    path.clear();
    std::wstring candidate = name;
    int i = 0;
    do {
        if (OpensForReading(candidate))
            path = candidate;
        ++i;
        candidate = std::wstring(kSearchDirectories[i]) + L"/" + name;
    } while (path.empty() && kSearchDirectories[i][0] != L'\0');
}

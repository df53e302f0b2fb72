#include "render/Resource.h"

#include "core/Echo.h"
#include "core/Utf8.h"

#include <fcntl.h>
#include <unistd.h>

namespace {

// Tried in order after the bare name (the leading empty entry); the trailing
// empty entry ends the search.
const wchar_t* const kSearchDirectories[] = {L"", L"./Textures", L"Textures", L"./MeshFiles", L"MeshFiles",
                                             L""};

// Opened without blocking, so a pipe that has no writer counts as found instead of
// hanging the search; loading then refuses anything that is not a regular file.
bool OpensForReading(const std::wstring& path)
{
    const int descriptor = ::open(ToUtf8(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
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

#pragma once
#include "platform/d3d9/d3d9.h"
#include "render/InterfaceRef.h"

#include <string>

// A graphics resource backed by a file, found along a short list of search
// directories and loaded onto a device.
class TAVD3D_Resource
{
public:
    TAVD3D_Resource() = default;
    TAVD3D_Resource(const TAVD3D_Resource&) = delete;
    TAVD3D_Resource& operator=(const TAVD3D_Resource&) = delete;
    virtual ~TAVD3D_Resource();

    // Forgets any earlier load, keeps a reference to the device and the name,
    // finds the file and creates the resource from it. Failures are echoed; the
    // device and name stay set after a failed load.
    virtual bool Load(IDirect3DDevice9* device, const std::wstring& name);
    // Releases the device reference and forgets the name.
    virtual void Unload();
    virtual bool CreateFromFile(const std::wstring& path) = 0;

    // The first candidate that opens for reading: the name itself, then the name
    // under each search directory. Empty path when none opens.
    void FindFile(const std::wstring& name, std::wstring& path) const;
    // The name as passed to Load, not the path found on disk.
    const std::wstring& GetName() const { return fileName_; }

protected:
    InterfaceRef<IDirect3DDevice9> device_; // taken by Load
    std::wstring fileName_;
};

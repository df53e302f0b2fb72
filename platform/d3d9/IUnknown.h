#pragma once
#include "platform/d3d9/D3DTypes.h"

// Base of every interface: reference counted. A new object starts with one
// reference owned by whoever created it; the last Release deletes it.
class IUnknown
{
public:
    // Both return the new count.
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    virtual ~IUnknown() = default;
};

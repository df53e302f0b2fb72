#pragma once
#include "platform/d3d9/IUnknown.h"

// Implements the reference count of an interface: starts at one, the last
// Release deletes the object.
template <typename Interface> class RefCounted : public Interface
{
public:
    RefCounted() = default;
    RefCounted(const RefCounted&) = delete;
    RefCounted& operator=(const RefCounted&) = delete;

    ULONG AddRef() override { return ++references_; }
    ULONG Release() override
    {
        const ULONG left = --references_;
        if (left == 0)
            delete this;
        return left;
    }

protected:
    ~RefCounted() override = default;

private:
    ULONG references_ = 1;
};

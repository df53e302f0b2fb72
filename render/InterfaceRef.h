#pragma once
#include <utility>

// Holds one reference to a reference-counted device interface and gives it back
// when it is replaced or goes, so no AddRef is left without its Release. Moves,
// never copies.
template <class Interface> class InterfaceRef
{
public:
    InterfaceRef() = default;
    ~InterfaceRef() { Reset(); }
    InterfaceRef(InterfaceRef&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    InterfaceRef& operator=(InterfaceRef&& other) noexcept
    {
        if (this != &other) {
            Reset();
            pointer_ = std::exchange(other.pointer_, nullptr);
        }
        return *this;
    }
    InterfaceRef(const InterfaceRef&) = delete;
    InterfaceRef& operator=(const InterfaceRef&) = delete;

    // Takes over the reference a creating call handed to the caller.
    static InterfaceRef Adopt(Interface* pointer)
    {
        InterfaceRef held;
        held.pointer_ = pointer;
        return held;
    }
    // Takes a reference of its own to an interface somebody else holds.
    static InterfaceRef Share(Interface* pointer)
    {
        if (pointer)
            pointer->AddRef();
        return Adopt(pointer);
    }

    // Gives the reference back; holds nothing afterwards.
    void Reset()
    {
        if (Interface* pointer = std::exchange(pointer_, nullptr))
            pointer->Release();
    }
    // Gives the held reference back and lends the empty slot to a call that
    // hands out a new reference through an out-parameter.
    Interface** Receive()
    {
        Reset();
        return &pointer_;
    }

    Interface* Get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }

private:
    Interface* pointer_ = nullptr;
};

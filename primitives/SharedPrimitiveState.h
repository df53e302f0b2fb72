#pragma once
#include "core/Vector3.h"
#include "primitives/PrimitiveAttributes.h"

#include <cstdint>

// A primitive's attributes and velocity. A large scene holds many primitives but
// few distinct states, so equal states are stored once, counted, and freed with
// the last primitive that holds them; each primitive keeps only a pointer.
// Changing a state moves its holder to the stored copy of the new value. A
// holder keeps four bytes, so a shape's own members can fill the rest of the word.
class SharedPrimitiveState
{
public:
    struct Value
    {
        TAV_PrimitiveAttributes attributes;
        TAV_Vector3 velocity;
    };

    // Holds the default attributes and no velocity.
    SharedPrimitiveState();
    ~SharedPrimitiveState();
    SharedPrimitiveState(const SharedPrimitiveState&) = delete;
    SharedPrimitiveState& operator=(const SharedPrimitiveState&) = delete;

    // Valid until the state changes or its holder dies.
    const Value& Get() const;
    void Set(const Value& value);
    // Applies change to a copy of the value and holds the result.
    template <typename F> void Change(F change)
    {
        Value value = Get();
        change(value);
        Set(value);
    }

private:
    // Numbers the stored value.
    std::uint32_t number_;
};

#pragma once
#include <cstdint>

// The names nodes carry, each distinct name stored once: a large scene repeats a
// handful of names, so a node keeps a small number instead of its own string.
// Names are never dropped; there are as many as distinct names ever given.
class NodeNames
{
public:
    // The number of name (null counts as the empty name), the same for equal names.
    static std::uint32_t Intern(const wchar_t* name);
    // The name of a number Intern gave; valid for the life of the process.
    static const wchar_t* Text(std::uint32_t number);
};

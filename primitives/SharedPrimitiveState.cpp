#include "primitives/SharedPrimitiveState.h"

#include <bit>
#include <cstdint>
#include <functional>
#include <unordered_map>

namespace {

// Velocities compare by their bits, so every value, NaN included, finds its own entry.
bool SameBits(const TAV_Vector3& a, const TAV_Vector3& b)
{
    return std::bit_cast<std::uint32_t>(a.x) == std::bit_cast<std::uint32_t>(b.x) &&
           std::bit_cast<std::uint32_t>(a.y) == std::bit_cast<std::uint32_t>(b.y) &&
           std::bit_cast<std::uint32_t>(a.z) == std::bit_cast<std::uint32_t>(b.z);
}

struct SameValue
{
    bool operator()(const SharedPrimitiveState::Value& a, const SharedPrimitiveState::Value& b) const
    {
        return a.attributes == b.attributes && SameBits(a.velocity, b.velocity);
    }
};

struct HashValue
{
    std::size_t operator()(const SharedPrimitiveState::Value& value) const
    {
        const TAV_PrimitiveAttributes& a = value.attributes;
        std::size_t hash = std::hash<std::wstring>()(a.textureName);
        const auto mix = [&hash](std::uint64_t part) { hash = (hash ^ part) * 0x100000001b3ull; };
        mix(a.color.GetARGB());
        mix(a.shadeColor.GetARGB());
        mix(static_cast<std::uint32_t>(a.fillMode));
        mix(static_cast<std::uint32_t>(a.shadeMode));
        mix(static_cast<std::uint64_t>(a.visible) | static_cast<std::uint64_t>(a.drawBoundingVolume) << 1 |
            static_cast<std::uint64_t>(a.blending) << 2 | static_cast<std::uint64_t>(a.texturing) << 3);
        mix(std::bit_cast<std::uint32_t>(value.velocity.x));
        mix(std::bit_cast<std::uint32_t>(value.velocity.y));
        mix(std::bit_cast<std::uint32_t>(value.velocity.z));
        return hash;
    }
};

// Stored states with the number of holders. Never destroyed, so primitives that
// die during static destruction still find it.
using Table = std::unordered_map<SharedPrimitiveState::Value, long, HashValue, SameValue>;

Table& Stored()
{
    static auto* table = new Table;
    return *table;
}

SharedPrimitiveState::Entry* Acquire(const SharedPrimitiveState::Value& value)
{
    SharedPrimitiveState::Entry& stored = *Stored().try_emplace(value, 0).first;
    ++stored.second;
    return &stored;
}

void Release(SharedPrimitiveState::Entry* entry)
{
    if (--entry->second == 0)
        Stored().erase(Stored().find(entry->first));
}

} // namespace

// The default state is looked up once and kept for good, as every primitive starts with it.
SharedPrimitiveState::SharedPrimitiveState()
{
    static Entry* const defaultEntry = Acquire(Value{});
    ++defaultEntry->second;
    entry_ = defaultEntry;
}

SharedPrimitiveState::~SharedPrimitiveState()
{
    Release(entry_);
}

const SharedPrimitiveState::Value& SharedPrimitiveState::Get() const
{
    return entry_->first;
}

void SharedPrimitiveState::Set(const Value& value)
{
    if (SameValue()(value, entry_->first))
        return;
    Entry* next = Acquire(value);
    Release(entry_);
    entry_ = next;
}

#include "primitives/SharedPrimitiveState.h"

#include <bit>
#include <cstdint>
#include <functional>
#include <unordered_map>
#include <utility>
#include <vector>

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

// Stored states by value and by number, with the number of holders of each.
// Numbers of states let go are used again. Never destroyed, so primitives that
// die during static destruction still find it.
struct Store
{
    std::unordered_map<SharedPrimitiveState::Value, std::uint32_t, HashValue, SameValue> numbers;
    // By number: the stored value (null when the number is free) and its holders.
    std::vector<std::pair<const SharedPrimitiveState::Value*, long>> states;
    std::vector<std::uint32_t> freeNumbers;
};

Store& Stored()
{
    static auto* store = new Store;
    return *store;
}

std::uint32_t Acquire(const SharedPrimitiveState::Value& value)
{
    Store& store = Stored();
    const auto [stored, added] = store.numbers.try_emplace(value, 0);
    if (added) {
        if (store.freeNumbers.empty()) {
            stored->second = static_cast<std::uint32_t>(store.states.size());
            store.states.emplace_back(nullptr, 0);
        } else {
            stored->second = store.freeNumbers.back();
            store.freeNumbers.pop_back();
        }
        store.states[stored->second] = {&stored->first, 0};
    }
    ++store.states[stored->second].second;
    return stored->second;
}

void Release(std::uint32_t number)
{
    Store& store = Stored();
    auto& state = store.states[number];
    if (--state.second > 0)
        return;
    store.numbers.erase(store.numbers.find(*state.first));
    state.first = nullptr;
    store.freeNumbers.push_back(number);
}

} // namespace

// The default state is looked up once and kept for good, as every primitive starts with it.
SharedPrimitiveState::SharedPrimitiveState()
{
    static const std::uint32_t defaultNumber = Acquire(Value{});
    ++Stored().states[defaultNumber].second;
    number_ = defaultNumber;
}

SharedPrimitiveState::~SharedPrimitiveState()
{
    Release(number_);
}

const SharedPrimitiveState::Value& SharedPrimitiveState::Get() const
{
    return *Stored().states[number_].first;
}

void SharedPrimitiveState::Set(const Value& value)
{
    if (SameValue()(value, Get()))
        return;
    const std::uint32_t next = Acquire(value);
    Release(number_);
    number_ = next;
}

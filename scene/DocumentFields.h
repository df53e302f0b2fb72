#pragma once
#include "core/Color.h"
#include "core/Vector3.h"

#include <cstddef>
#include <nlohmann/json.hpp>
#include <string>
#include <utility>

// Checked access to the fields of a JSON object: each getter fails when the
// field is missing or holds a value of the wrong type or out of range, and the
// first failure is kept as a message naming the place and the field.
class DocumentFields
{
public:
    using json = nlohmann::json;

    // The first failure, prefixed with the place that was set when it happened; empty while none.
    const std::string& Error() const { return error_; }

protected:
    // Prefixed to the messages of later failures, for instance "node 3: ".
    void SetPlace(std::string place) { where_ = std::move(place); }
    bool Fail(const std::string& what);
    // Fails and returns null, for getters that hand out pointers.
    std::nullptr_t Refuse(const std::string& what);

    const json* Member(const json& object, const char* key);
    bool Flag(const json& object, const char* key, bool& out);
    // An integer from low to high; the bounds must be exact as doubles (below 2^53).
    bool Whole(const json& object, const char* key, long long low, long long high, long long& out);
    // A finite number that a float can hold.
    bool FloatValue(const json& value, const char* key, float& out);
    bool Float(const json& object, const char* key, float& out);
    bool Vector(const json& object, const char* key, TAV_Vector3& out);
    // Packed ARGB, from 0 to 0xFFFFFFFF.
    bool Color(const json& object, const char* key, TAV_Color& out);

private:
    std::string where_;
    std::string error_;
};

#include "scene/DocumentFields.h"

#include <cfloat>
#include <cmath>

bool DocumentFields::Fail(const std::string& what)
{
    if (error_.empty())
        error_ = where_ + what;
    return false;
}

std::nullptr_t DocumentFields::Refuse(const std::string& what)
{
    Fail(what);
    return nullptr;
}

const DocumentFields::json* DocumentFields::Member(const json& object, const char* key)
{
    const auto found = object.find(key);
    if (found == object.end())
        return Refuse(std::string("\"") + key + "\" is missing");
    return &*found;
}

bool DocumentFields::Flag(const json& object, const char* key, bool& out)
{
    const json* value = Member(object, key);
    if (value == nullptr || !value->is_boolean())
        return Fail(std::string("\"") + key + "\" must be true or false");
    out = value->get<bool>();
    return true;
}

bool DocumentFields::Whole(const json& object, const char* key, long long low, long long high, long long& out)
{
    const json* value = Member(object, key);
    // Compared as doubles, which hold every bound used exactly, whether the parser
    // kept the number signed or unsigned, and however large it is.
    if (value == nullptr || !value->is_number_integer() || value->get<double>() < static_cast<double>(low) ||
        value->get<double>() > static_cast<double>(high))
        return Fail(std::string("\"") + key + "\" must be a whole number from " + std::to_string(low) +
                    " to " + std::to_string(high));
    out = value->get<long long>();
    return true;
}

bool DocumentFields::FloatValue(const json& value, const char* key, float& out)
{
    if (!value.is_number() || !std::isfinite(value.get<double>()) || std::fabs(value.get<double>()) > FLT_MAX)
        return Fail(std::string("\"") + key + "\" must be a finite number within float range");
    out = static_cast<float>(value.get<double>());
    return true;
}

bool DocumentFields::Float(const json& object, const char* key, float& out)
{
    const json* value = Member(object, key);
    return value != nullptr && FloatValue(*value, key, out);
}

bool DocumentFields::Vector(const json& object, const char* key, TAV_Vector3& out)
{
    const json* value = Member(object, key);
    if (value == nullptr || !value->is_array() || value->size() != 3)
        return Fail(std::string("\"") + key + "\" must be a list of three numbers");
    return FloatValue((*value)[0], key, out.x) && FloatValue((*value)[1], key, out.y) &&
           FloatValue((*value)[2], key, out.z);
}

bool DocumentFields::Color(const json& object, const char* key, TAV_Color& out)
{
    long long argb = 0;
    if (!Whole(object, key, 0, 0xFFFFFFFFLL, argb))
        return false;
    out = TAV_Color(static_cast<int>((argb >> 16) & 0xFF), static_cast<int>((argb >> 8) & 0xFF),
                    static_cast<int>(argb & 0xFF), static_cast<int>(argb >> 24));
    return true;
}

#include "scene/ModelLine.h"

#include <array>
#include <charconv>
#include <cmath>

namespace {

// Wide enough for any float in fixed notation with one decimal.
constexpr std::size_t NumberBufferSize = 64;

void AppendNumber(std::string& text, float value)
{
    std::array<char, NumberBufferSize> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 1);
    text.append(buffer.data(), result.ptr);
    text.push_back(' ');
}

// An optional '+' like the C library's readers take, then digits; the whole field must be used.
template <typename T> bool ParseNumber(std::string_view field, T& value)
{
    if (field.size() > 1 && field.front() == '+' && field[1] != '-')
        field.remove_prefix(1);
    const char* end = field.data() + field.size();
    const auto result = std::from_chars(field.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

bool ParseFinite(std::string_view field, float& value)
{
    return ParseNumber(field, value) && std::isfinite(value);
}

} // namespace

void ModelLine::AppendTo(std::string& text) const
{
    text.push_back(typeCode);
    text.push_back(' ');
    for (const TAV_Vector3& v : {xform.GetTranslation(), xform.GetPivot(), xform.GetScale()}) {
        AppendNumber(text, v.x);
        AppendNumber(text, v.y);
        AppendNumber(text, v.z);
    }
    AppendNumber(text, xform.GetRotationInRadians());
    std::array<char, NumberBufferSize> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), childCount);
    text.append(buffer.data(), result.ptr);
    text.append(" \r\n");
}

// Fields 1 to 9 are translation, pivot and scale, x before y before z; 10 the rotation.
bool ModelLine::SetField(int index, std::string_view field)
{
    if (index == 0) {
        if (field.size() != 1)
            return false;
        typeCode = field[0];
        return true;
    }
    if (index == FieldCount - 1) {
        int count = 0;
        if (!ParseNumber(field, count) || count < 0)
            return false;
        childCount = count;
        return true;
    }
    float value = 0.0f;
    if (index < 1 || index >= FieldCount || !ParseFinite(field, value))
        return false;
    if (index == 10) {
        xform.SetRotationInRadians(value);
        return true;
    }
    const int vector = (index - 1) / 3;
    TAV_Vector3 v = vector == 0 ? xform.GetTranslation() : vector == 1 ? xform.GetPivot() : xform.GetScale();
    v[(index - 1) % 3] = value;
    if (vector == 0)
        xform.SetTranslation(v.x, v.y, v.z);
    else if (vector == 1)
        xform.SetPivot(v.x, v.y, v.z);
    else
        xform.SetScale(v.x, v.y, v.z);
    return true;
}

#include "scene/ModelLine.h"

#include <array>
#include <charconv>
#include <cmath>

namespace {

constexpr int FieldCount = 12;
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

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

// Splits at runs of blanks; false when the count is not FieldCount.
bool SplitFields(std::string_view line, std::array<std::string_view, FieldCount>& fields)
{
    int count = 0;
    std::size_t i = 0;
    while (i < line.size()) {
        if (IsBlank(line[i])) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < line.size() && !IsBlank(line[i]))
            ++i;
        if (count == FieldCount)
            return false;
        fields[count++] = line.substr(start, i - start);
    }
    return count == FieldCount;
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

bool ParseVector(const std::array<std::string_view, FieldCount>& fields, int first, TAV_Vector3& v)
{
    return ParseFinite(fields[first], v.x) && ParseFinite(fields[first + 1], v.y) &&
           ParseFinite(fields[first + 2], v.z);
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

std::optional<ModelLine> ModelLine::Parse(std::string_view text)
{
    std::array<std::string_view, FieldCount> fields;
    if (!SplitFields(text, fields) || fields[0].size() != 1)
        return std::nullopt;
    TAV_Vector3 translation, pivot, scale;
    float rotation = 0.0f;
    ModelLine line;
    if (!ParseVector(fields, 1, translation) || !ParseVector(fields, 4, pivot) ||
        !ParseVector(fields, 7, scale) || !ParseFinite(fields[10], rotation) ||
        !ParseNumber(fields[11], line.childCount) || line.childCount < 0)
        return std::nullopt;
    line.typeCode = fields[0][0];
    line.xform.SetTranslation(translation.x, translation.y, translation.z);
    line.xform.SetPivot(pivot.x, pivot.y, pivot.z);
    line.xform.SetScale(scale.x, scale.y, scale.z);
    line.xform.SetRotationInRadians(rotation);
    return line;
}

#pragma once
#include "scene/XformInfo.h"

#include <optional>
#include <string>
#include <string_view>

// One node's line of a model file: type code, translation, pivot, scale,
// rotation in radians and child count, separated by single spaces and ended by
// a space, CR and LF. Numbers always use '.' as decimal separator, whatever the
// process locale.
struct ModelLine
{
    char typeCode = 0;
    TAV_XformInfo xform;
    int childCount = 0;

    // Appends the line, line break included; numbers get one decimal.
    void AppendTo(std::string& text) const;
    // Reads a line given without its line break: exactly twelve fields, a
    // one-character type code, finite numbers and a child count of at least 0.
    static std::optional<ModelLine> Parse(std::string_view line);
};

#pragma once
#include "scene/XformInfo.h"

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

    static constexpr int FieldCount = 12;

    // Appends the line, line break included; numbers get one decimal.
    void AppendTo(std::string& text) const;
    // Sets field index (0 .. FieldCount - 1) from its text: a one-character type
    // code, finite numbers and a child count of at least 0. False, and the line
    // unchanged, when the text is not such a value.
    bool SetField(int index, std::string_view field);
};

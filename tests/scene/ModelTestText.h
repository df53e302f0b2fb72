#pragma once
#include "scene/World.h"

#include <sstream>
#include <string>

// A model line as the editor writes it, with the default pivot, scale and rotation.
inline std::string Line(char code, const char* translation, int children, const char* end = " \r\n")
{
    return std::string(1, code) + ' ' + translation + " 0.0 0.0 0.0 1.0 1.0 1.0 0.0 " +
           std::to_string(children) + end;
}

inline std::string Narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end());
}

inline ModelLoadResult Load(CWorld& world, const std::string& text)
{
    std::istringstream stream(text);
    return world.LoadModel(stream);
}

inline std::string Save(const CWorld& world)
{
    return Narrow(world.SaveModel());
}

#pragma once
#include "render/DrawHelper.h"

#include <cstdint>
#include <string>
#include <vector>

// A drawing interface that records every shape, reset and enable call it receives,
// with the attributes in force at that moment, so tests can read the exact sequence.
class RecordingDrawHelper : public TAV_DrawHelper
{
public:
    struct Call
    {
        std::string name;
        std::vector<float> args;
        std::uint32_t color, shadeColor;
        ShadeMode shadeMode;
        FillMode fillMode;
        int lod;
        bool blending, texturing;
    };
    std::vector<Call> calls;

    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const Call& call : calls)
            names.push_back(call.name);
        return names;
    }

    bool DrawPoint(float x, float y, float z) override { return Record("DrawPoint", {x, y, z}); }
    bool DrawLine(float x1, float y1, float z1, float x2, float y2, float z2) override
    {
        return Record("DrawLine", {x1, y1, z1, x2, y2, z2});
    }
    bool DrawCircle(float cx, float cy, float cz, float r) override
    {
        return Record("DrawCircle", {cx, cy, cz, r});
    }
    bool DrawRectangle(float x1, float y1, float z1, float x2, float y2, float z2) override
    {
        return Record("DrawRectangle", {x1, y1, z1, x2, y2, z2});
    }
    void ResetAttributes() override
    {
        Record("ResetAttributes", {});
        TAV_DrawHelper::ResetAttributes();
    }
    bool EnableBlending(bool on) override
    {
        blending_ = on;
        return Record("EnableBlending", {});
    }
    bool EnableTexture(bool on) override
    {
        texturing_ = on;
        return Record("EnableTexture", {});
    }

private:
    bool Record(const char* name, std::vector<float> args)
    {
        calls.push_back({name, std::move(args), GetColor().GetARGB(), GetShadeColor().GetARGB(),
                         GetShadeMode(), GetFillMode(), GetLod(), blending_, texturing_});
        return true;
    }
    bool blending_ = false, texturing_ = false;
};

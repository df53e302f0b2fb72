#include "scene/SceneWriter.h"

#include "core/Utf8.h"
#include "primitives/PrimitiveCircle.h"
#include "primitives/PrimitiveLine.h"
#include "primitives/PrimitiveList.h"
#include "primitives/PrimitiveRectangleXY.h"
#include "scene/DocumentText.h"
#include "scene/SceneNode.h"

#include <array>
#include <charconv>
#include <nlohmann/json.hpp>
#include <vector>

using json = nlohmann::ordered_json;

namespace {

// The shortest decimal that reads back as value, as a double: "0.1" rather than
// the 0.10000000149011612 that widening the float gives. Where the double nearest
// to that decimal would round to a different float, the widened float is kept.
json Number(float value)
{
    std::array<char, 32> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    double shortest = 0.0;
    std::from_chars(buffer.data(), written.ptr, shortest);
    return static_cast<float>(shortest) == value ? shortest : static_cast<double>(value);
}

json Vector(TAV_Vector3 v)
{
    return json::array({Number(v.x), Number(v.y), Number(v.z)});
}

class DocumentBuilder
{
public:
    explicit DocumentBuilder(const std::wstring& documentPath) : documentPath_(documentPath) {}

    json Node(const TAV_SceneNode& node) const
    {
        const TAV_XformInfo xform = node.GetXformInfo();
        int children = 0;
        for (int i = 0; i < node.NumChildren(); ++i)
            children += node.GetChild(i) != nullptr ? 1 : 0;
        return json{{"type", std::string(1, node.GetTypeCode())},
                    {"name", ToUtf8(node.GetName())},
                    {"translation", Vector(xform.GetTranslation())},
                    {"pivot", Vector(xform.GetPivot())},
                    {"scale", Vector(xform.GetScale())},
                    {"rotation", Number(xform.GetRotationInRadians())},
                    {"showPivot", node.IsPivotVisible()},
                    {"primitive", Primitive(node.GetPrimitive())},
                    {"children", children}};
    }

private:
    json Primitive(const TAV_Primitive* primitive) const
    {
        if (primitive == nullptr)
            return nullptr;
        json out{{"visible", primitive->IsVisible()},
                 {"boundingVolume", primitive->IsDrawBoundingVolume()},
                 {"texturing", primitive->IsTexturing()},
                 {"texture", StoredTexturePath(primitive->GetTextureName(), documentPath_)},
                 {"shadeMode", static_cast<int>(primitive->GetShadeMode())},
                 {"fillMode", static_cast<int>(primitive->GetFillMode())},
                 {"blending", primitive->IsBlending()},
                 {"color", primitive->GetColor().GetARGB()},
                 {"shadeColor", primitive->GetShadeColor().GetARGB()}};
        if (const auto* list = dynamic_cast<const TAV_PrimitiveList*>(primitive)) {
            json entries = json::array();
            for (int i = 0; i < list->NumPrimitives(); ++i)
                entries.push_back(Primitive(list->GetPrimitive(i)));
            out["shape"] = "list";
            out["entries"] = std::move(entries);
        } else if (const auto* circle = dynamic_cast<const TAV_PrimitiveCircle*>(primitive)) {
            out["shape"] = "circle";
            out["center"] = Vector(circle->GetCenter());
            out["radius"] = Number(circle->GetRadius());
        } else if (const auto* rectangle = dynamic_cast<const TAV_PrimitiveRectangleXY*>(primitive)) {
            out["shape"] = "rectangle";
            out["min"] = Vector(rectangle->GetBox().GetMin());
            out["max"] = Vector(rectangle->GetBox().GetMax());
        } else if (const auto* line = dynamic_cast<const TAV_PrimitiveLine*>(primitive)) {
            out["shape"] = "line";
            out["start"] = Vector(line->GetStartPoint());
            out["end"] = Vector(line->GetEndPoint());
        }
        return out;
    }

    const std::wstring& documentPath_;
};

} // namespace

// Pre-order with its own stack: children are pushed last to first so they come out in index order.
std::string SceneWriter::Write(const TAV_SceneNode& root, const std::wstring& documentPath)
{
    const DocumentBuilder builder(documentPath);
    std::string text =
        "{\"format\": \"Quorvel scene\", \"version\": " + std::to_string(Version) + ", \"nodes\": [\n";
    std::vector<const TAV_SceneNode*> pending{&root};
    while (!pending.empty()) {
        const TAV_SceneNode* node = pending.back();
        pending.pop_back();
        text += builder.Node(*node).dump();
        for (int i = node->NumChildren() - 1; i >= 0; --i) {
            if (const TAV_SceneNode* child = node->GetChild(i))
                pending.push_back(child);
        }
        text += pending.empty() ? "\n" : ",\n";
    }
    return text + "]}\n";
}

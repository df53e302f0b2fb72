#include "scene/SceneReader.h"

#include "core/Utf8.h"
#include "primitives/PrimitiveCircle.h"
#include "primitives/PrimitiveLine.h"
#include "primitives/PrimitiveList.h"
#include "primitives/PrimitiveRectangleXY.h"
#include "scene/DocumentFields.h"
#include "scene/DocumentText.h"
#include "scene/ModelReader.h"
#include "scene/NodeFactory.h"
#include "scene/SceneNode.h"
#include "scene/SceneWriter.h"
#include "scene/World.h"

#include <algorithm>
#include <memory>
#include <nlohmann/json.hpp>
#include <utility>
#include <vector>

using json = nlohmann::json;

namespace {

// Lists inside lists are never made by the editor; a few levels are allowed, no more.
constexpr int MaxListNesting = 16;

// Line and column (both 1-based) of a byte offset, from the line breaks before it.
std::string SyntaxMessage(const std::string& text, const json::parse_error& error)
{
    const std::size_t offset = std::min<std::size_t>(error.byte > 0 ? error.byte - 1 : 0, text.size());
    const std::size_t lineStart = text.rfind('\n', offset == 0 ? 0 : offset - 1);
    const auto line = 1 + std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(offset), '\n');
    const std::size_t column =
        lineStart == std::string::npos || offset == 0 ? offset + 1 : offset - lineStart;
    std::string message =
        "syntax error at line " + std::to_string(line) + ", column " + std::to_string(column);
    // The library's own description follows its "syntax error while parsing ... - ".
    const std::string what = error.what();
    const std::size_t reason = what.find(" - ");
    if (reason != std::string::npos)
        message += ": " + what.substr(reason + 3);
    return message;
}

class DocumentReader : private DocumentFields
{
public:
    explicit DocumentReader(const std::wstring& documentPath) : documentPath_(documentPath) {}

    // The root stand-in with the whole tree under it; null with error set when a value is unusable.
    std::unique_ptr<TAV_SceneNode> Tree(const json& nodes)
    {
        if (!nodes.is_array() || nodes.empty())
            return Refuse("\"nodes\" must be a list holding the root node first");
        maxChildren_ = static_cast<long long>(nodes.size());
        struct Frame
        {
            TAV_SceneNode* node;
            long long remaining;
        };
        std::unique_ptr<TAV_SceneNode> root;
        std::vector<Frame> frames;
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            SetPlace("node " + std::to_string(i + 1) + ": ");
            while (!frames.empty() && frames.back().remaining == 0)
                frames.pop_back();
            if (i > 0 && frames.empty())
                return Refuse("it follows the end of the tree");
            if (static_cast<int>(frames.size()) > ModelReader::MaxNesting)
                return Refuse("it is nested too deeply");
            long long children = 0;
            std::unique_ptr<TAV_SceneNode> node = Node(nodes[i], i == 0, children);
            if (!node)
                return nullptr;
            TAV_SceneNode* placed = node.get();
            if (i == 0) {
                root = std::move(node);
            } else {
                --frames.back().remaining;
                frames.back().node->AddChild(node.release());
            }
            frames.push_back(Frame{placed, children});
        }
        long long missing = 0;
        for (const Frame& frame : frames)
            missing += frame.remaining;
        if (missing > 0) {
            SetPlace(std::string());
            return Refuse("the nodes end before all announced children, " + std::to_string(missing) +
                          " missing");
        }
        return root;
    }

    using DocumentFields::Error;
    std::unique_ptr<TAV_Primitive> TakeRootPrimitive() { return std::move(rootPrimitive_); }

private:
    std::unique_ptr<TAV_SceneNode> Node(const json& object, bool isRoot, long long& children)
    {
        if (!object.is_object())
            return Refuse("a node must be an object");
        const json* type = Member(object, "type");
        const json* name = Member(object, "name");
        if (type == nullptr || name == nullptr)
            return nullptr;
        if (!type->is_string() || type->get_ref<const std::string&>().size() != 1)
            return Refuse("\"type\" must be a one-character type code");
        if (!name->is_string())
            return Refuse("\"name\" must be a text");
        const char code = type->get_ref<const std::string&>()[0];
        const std::wstring wideName = FromUtf8(name->get<std::string>());
        std::unique_ptr<TAV_SceneNode> node;
        if (isRoot && code == CWorld::RootTypeCode) {
            node = std::make_unique<TAV_SceneNode>(wideName.c_str());
            node->SetTypeCode(code);
        } else if (!isRoot) {
            node.reset(CreateNodeOfKind(code, TAV_Vector3(), wideName.c_str()));
        }
        if (!node)
            return Refuse(isRoot ? "the first node must be the root, of type \"x\""
                                 : "\"type\" \"" + std::string(1, code) + "\" is no kind of node");
        // The document lists every part itself; the ones the constructor built go.
        node->ReleaseChildren();

        TAV_XformInfo xform;
        TAV_Vector3 translation, pivot, scale;
        float rotation = 0.0f;
        bool showPivot = false;
        if (!Vector(object, "translation", translation) || !Vector(object, "pivot", pivot) ||
            !Vector(object, "scale", scale) || !Float(object, "rotation", rotation) ||
            !Flag(object, "showPivot", showPivot) || !Whole(object, "children", 0, maxChildren_, children))
            return nullptr;
        xform.SetTranslation(translation.x, translation.y, translation.z);
        xform.SetPivot(pivot.x, pivot.y, pivot.z);
        xform.SetScale(scale.x, scale.y, scale.z);
        xform.SetRotationInRadians(rotation);
        node->SetXformInfo(xform);
        node->SetPivotVisible(showPivot);

        const json* primitive = Member(object, "primitive");
        if (primitive == nullptr)
            return nullptr;
        std::unique_ptr<TAV_Primitive> built;
        if (!primitive->is_null() && !(built = Primitive(*primitive, 0)))
            return nullptr;
        // The root's primitive is handed over on its own: a node cannot give its primitive away.
        if (isRoot)
            rootPrimitive_ = std::move(built);
        else
            node->SetPrimitive(built.release());
        return node;
    }

    std::unique_ptr<TAV_Primitive> Primitive(const json& object, int depth)
    {
        if (!object.is_object())
            return Refuse("a primitive must be an object or null");
        const json* shape = Member(object, "shape");
        if (shape == nullptr)
            return nullptr;
        const std::string kind = shape->is_string() ? shape->get<std::string>() : std::string();
        std::unique_ptr<TAV_Primitive> primitive;
        if (kind == "list")
            primitive = List(object, depth);
        else if (kind == "circle")
            primitive = Circle(object);
        else if (kind == "rectangle")
            primitive = Rectangle(object);
        else if (kind == "line")
            primitive = Line(object);
        else
            Fail("\"shape\" must be \"list\", \"circle\", \"rectangle\" or \"line\"");
        if (!primitive || !Attributes(object, *primitive))
            return nullptr;
        return primitive;
    }

    bool Attributes(const json& object, TAV_Primitive& primitive)
    {
        bool visible = true, outline = false, texturing = false, blending = false;
        long long shadeMode = 0, fillMode = 0;
        TAV_Color color, shadeColor;
        const json* texture = Member(object, "texture");
        if (!Flag(object, "visible", visible) || !Flag(object, "boundingVolume", outline) ||
            !Flag(object, "texturing", texturing) || !Flag(object, "blending", blending) ||
            !Whole(object, "shadeMode", 0, 1, shadeMode) || !Whole(object, "fillMode", 1, 2, fillMode) ||
            !Color(object, "color", color) || !Color(object, "shadeColor", shadeColor) || texture == nullptr)
            return false;
        if (!texture->is_string())
            return Fail("\"texture\" must be a text");
        primitive.SetVisible(visible);
        primitive.SetDrawBoundingVolume(outline);
        primitive.SetTexturing(texturing);
        primitive.SetBlending(blending);
        primitive.SetShadeMode(static_cast<ShadeMode>(shadeMode));
        primitive.SetFillMode(static_cast<FillMode>(fillMode));
        primitive.SetColor(color);
        primitive.SetShadeColor(shadeColor);
        primitive.SetTextureName(LoadedTexturePath(texture->get<std::string>(), documentPath_));
        return true;
    }

    std::unique_ptr<TAV_Primitive> List(const json& object, int depth)
    {
        if (depth >= MaxListNesting)
            return Refuse("lists are nested too deeply");
        const json* entries = Member(object, "entries");
        if (entries == nullptr || !entries->is_array())
            return Refuse("\"entries\" must be a list");
        auto list = std::make_unique<TAV_PrimitiveList>();
        for (const json& entry : *entries) {
            std::unique_ptr<TAV_Primitive> built;
            if (!entry.is_null() && !(built = Primitive(entry, depth + 1)))
                return nullptr;
            list->AddPrimitive(built.release());
        }
        return list;
    }

    std::unique_ptr<TAV_Primitive> Circle(const json& object)
    {
        TAV_Vector3 center;
        float radius = 0.0f;
        if (!Vector(object, "center", center) || !Float(object, "radius", radius))
            return nullptr;
        auto circle = std::make_unique<TAV_PrimitiveCircle>();
        circle->SetCenter(center.x, center.y, center.z);
        circle->SetRadius(radius);
        return circle;
    }

    std::unique_ptr<TAV_Primitive> Rectangle(const json& object)
    {
        TAV_Vector3 min, max;
        if (!Vector(object, "min", min) || !Vector(object, "max", max))
            return nullptr;
        auto rectangle = std::make_unique<TAV_PrimitiveRectangleXY>();
        rectangle->SetCorners(min.x, min.y, min.z, max.x, max.y, max.z);
        return rectangle;
    }

    std::unique_ptr<TAV_Primitive> Line(const json& object)
    {
        TAV_Vector3 start, end;
        if (!Vector(object, "start", start) || !Vector(object, "end", end))
            return nullptr;
        auto line = std::make_unique<TAV_PrimitiveLine>();
        line->SetStartPoint(start.x, start.y, start.z);
        line->SetEndPoint(end.x, end.y, end.z);
        return line;
    }

    const std::wstring& documentPath_;
    std::unique_ptr<TAV_Primitive> rootPrimitive_;
    // No node can have more children than the document has nodes.
    long long maxChildren_ = 0;
};

// Checks what the document says it is before anything of its content is read.
std::string HeaderProblem(const json& document)
{
    if (!document.is_object() || !document.contains("format") || document["format"] != "Quorvel scene")
        return "the file is not a Quorvel scene";
    const json& version = document.contains("version") ? document["version"] : json();
    if (!version.is_number_integer())
        return "\"version\" must be a whole number";
    if (version.is_number_unsigned() ? version.get<unsigned long long>() > SceneWriter::Version
                                     : version.get<long long>() > SceneWriter::Version)
        return "the file was written by a newer version of Quorvel (scene version " + version.dump() +
               "; this one reads up to " + std::to_string(SceneWriter::Version) + ")";
    if (version.get<long long>() < 1)
        return "\"version\" must be at least 1";
    if (!document.contains("nodes"))
        return "\"nodes\" is missing";
    return std::string();
}

ModelLoadResult Refused(std::string detail)
{
    ModelLoadResult result;
    result.outcome = ModelLoadResult::Outcome::Refused;
    result.stopLine = 1;
    result.detail = std::move(detail);
    return result;
}

} // namespace

ModelLoadResult SceneReader::Read(const std::string& text, const std::wstring& documentPath,
                                  TAV_SceneNode& root)
{
    json document;
    try {
        document = json::parse(text);
    } catch (const json::parse_error& error) {
        return Refused(SyntaxMessage(text, error));
    } catch (const json::exception& error) {
        return Refused(error.what());
    }
    const std::string problem = HeaderProblem(document);
    if (!problem.empty())
        return Refused(problem);
    DocumentReader reader(documentPath);
    std::unique_ptr<TAV_SceneNode> tree = reader.Tree(document["nodes"]);
    if (!tree)
        return Refused(reader.Error());

    ModelLoadResult result;
    bool empty = true;
    for (int i = 0; i < root.NumChildren(); ++i)
        empty = empty && root.GetChild(i) == nullptr;
    if (empty) {
        root.SetXformInfo(tree->GetXformInfo());
        root.SetPivotVisible(tree->IsPivotVisible());
        root.SetPrimitive(reader.TakeRootPrimitive().release());
    }
    TAV_PointerArray<TAV_SceneNode> objects = tree->ReleaseChildren();
    for (int i = 0; i < objects.Count(); ++i) {
        root.AddChild(std::exchange(objects.GetAt(i), nullptr));
        ++result.objectsAdded;
    }
    result.nodesAdded = static_cast<int>(document["nodes"].size()) - 1;
    return result;
}

#include "scene/ModelReader.h"

#include "scene/BodyArm.h"
#include "scene/Box.h"
#include "scene/Circle.h"
#include "scene/Claw.h"
#include "scene/ClawArm.h"
#include "scene/Crab.h"
#include "scene/ModelLine.h"
#include "scene/World.h"

#include <optional>
#include <utility>

namespace {

// No line that a model file holds comes near this; longer lines are not read.
constexpr std::size_t MaxLineLength = 4096;

// The node a line's type code stands for, built at the line's translation; null
// for the root's code and for codes no node has.
TAV_SceneNode* CreateNode(char typeCode, TAV_Vector3 at)
{
    switch (typeCode) {
    case CBox::TypeCode:
        return new CBox(at.x, at.y, at.z);
    case CCircle::TypeCode:
        return new CCircle(at.x, at.y, at.z);
    case CCrab::TypeCode:
        return new CCrab(at.x, at.y, at.z);
    case CBodyArm::TypeCode:
        return new CBodyArm(at.x, at.y, at.z, L"bodyArm");
    case CClawArm::TypeCode:
        return new CClawArm(at.x, at.y, at.z, L"ClawArm");
    case CClaw::TypeCode:
        return new CClaw(at.x, at.y, at.z, L"Claw");
    default:
        return nullptr;
    }
}

bool IsBlankLine(const std::string& line)
{
    return line.find_first_not_of(" \t\v\f") == std::string::npos;
}

} // namespace

ModelLoadResult ModelReader::Read(TAV_SceneNode* parent)
{
    ModelLoadResult result;
    std::vector<Frame> frames;
    frames.push_back(Frame{parent, 1});
    while (!frames.empty()) {
        if (frames.back().remaining == 0) {
            frames.pop_back();
            continue;
        }
        if (!NextRecord())
            return result;
        if (static_cast<int>(frames.size()) - 1 > MaxNesting)
            return Stop(result, ModelLoadResult::Outcome::NestedTooDeep);
        const std::optional<ModelLine> line =
            line_.size() > MaxLineLength ? std::nullopt : ModelLine::Parse(line_);
        if (!line)
            return Stop(result, ModelLoadResult::Outcome::UnreadableLine);

        Frame& top = frames.back();
        --top.remaining;
        const int index = top.nextLine++;
        // A root line inside a model hands its children to the node it stands in.
        if (line->typeCode == CWorld::RootTypeCode) {
            frames.push_back(Frame{top.parent, line->childCount});
            continue;
        }
        // A code no node has makes nothing; its children are read as further lines of top.
        TAV_SceneNode* node = PlaceNode(top, index, *line);
        if (node == nullptr)
            continue;
        ++result.nodesAdded;
        if (top.parent == parent)
            ++result.objectsAdded;
        // The node's constructor parts wait to be claimed by its child lines.
        Frame children{node, line->childCount, node->ReleaseChildren()};
        if (children.remaining > 0)
            frames.push_back(std::move(children));
    }
    if (NextRecord())
        return Stop(result, ModelLoadResult::Outcome::LinesAfterModel);
    return result;
}

// Child line index reuses the part of the same index that the parent's
// constructor built when it has the line's type code, so compound nodes keep the
// geometry and names of their parts; otherwise the line makes a new node.
TAV_SceneNode* ModelReader::PlaceNode(Frame& top, int index, const ModelLine& line)
{
    TAV_SceneNode* node = nullptr;
    if (index < top.parts.Count() && top.parts.GetAt(index) != nullptr &&
        top.parts.GetAt(index)->GetTypeCode() == line.typeCode)
        node = std::exchange(top.parts.GetAt(index), nullptr);
    else
        node = CreateNode(line.typeCode, line.xform.GetTranslation());
    if (node == nullptr)
        return nullptr;
    node->SetXformInfo(line.xform);
    top.parent->AddChild(node);
    return node;
}

ModelLoadResult ModelReader::Stop(ModelLoadResult result, ModelLoadResult::Outcome outcome) const
{
    result.outcome = outcome;
    result.stopLine = lineNumber_;
    return result;
}

bool ModelReader::NextRecord()
{
    while (NextLine()) {
        if (!IsBlankLine(line_))
            return true;
    }
    return false;
}

// Keeps at most one character past MaxLineLength, so an endless line costs no memory.
bool ModelReader::NextLine()
{
    line_.clear();
    std::streambuf* buffer = stream_.rdbuf();
    if (!stream_ || buffer == nullptr)
        return false;
    int c = buffer->sbumpc();
    if (c == std::char_traits<char>::eof())
        return false;
    ++lineNumber_;
    while (c != std::char_traits<char>::eof() && c != '\n' && c != '\r') {
        if (line_.size() <= MaxLineLength)
            line_.push_back(static_cast<char>(c));
        c = buffer->sbumpc();
    }
    if (c == '\r' && buffer->sgetc() == '\n')
        buffer->sbumpc();
    return true;
}

#include "scene/ModelReader.h"

#include "scene/ModelLine.h"
#include "scene/NodeFactory.h"
#include "scene/SceneNode.h"
#include "scene/World.h"

#include <utility>

namespace {

// No line that a model file holds comes near this; longer lines are not read.
constexpr std::size_t MaxLineLength = 4096;

bool IsBlank(int c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
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
        if (!NextField()) {
            if (overlong_)
                return Stop(result, ModelLoadResult::Outcome::UnreadableLine, lineNumber_);
            return AtEnd(result, frames, fieldLine_);
        }
        if (static_cast<int>(frames.size()) - 1 > MaxNesting)
            return Stop(result, ModelLoadResult::Outcome::NestedTooDeep, fieldLine_);
        ModelLine line;
        if (!ReadRecord(line, result))
            return result;

        Frame& top = frames.back();
        --top.remaining;
        const int index = top.nextLine++;
        // A root line inside a model hands its children to the node it stands in.
        if (line.typeCode == CWorld::RootTypeCode) {
            frames.push_back(Frame{top.parent, line.childCount});
            continue;
        }
        // A code no node has makes nothing; its children are read as further lines of top.
        TAV_SceneNode* node = PlaceNode(top, index, line);
        if (node == nullptr)
            continue;
        ++result.nodesAdded;
        if (top.parent == parent)
            ++result.objectsAdded;
        // The node's constructor parts wait to be claimed by its child lines.
        Frame children{node, line.childCount, node->ReleaseChildren()};
        if (children.remaining > 0)
            frames.push_back(std::move(children));
    }
    if (NextField())
        return Stop(result, ModelLoadResult::Outcome::LinesAfterModel, fieldLine_);
    if (overlong_)
        return Stop(result, ModelLoadResult::Outcome::UnreadableLine, lineNumber_);
    return result;
}

// A record cut short by the end of the stream stops at the line of its last field.
bool ModelReader::ReadRecord(ModelLine& line, ModelLoadResult& result)
{
    for (int index = 0; index < ModelLine::FieldCount; ++index) {
        if (index > 0 && !NextField()) {
            result =
                Stop(result, ModelLoadResult::Outcome::UnreadableLine, overlong_ ? lineNumber_ : fieldLine_);
            return false;
        }
        if (!line.SetField(index, field_)) {
            result = Stop(result, ModelLoadResult::Outcome::UnreadableLine, fieldLine_);
            return false;
        }
    }
    return true;
}

// The first frame still waiting for its record means the stream held no field at all.
ModelLoadResult ModelReader::AtEnd(ModelLoadResult result, const std::vector<Frame>& frames, int line)
{
    if (frames.size() == 1 && frames.front().nextLine == 0)
        return Stop(result, ModelLoadResult::Outcome::NoModel, 1);
    for (const Frame& frame : frames)
        result.missing += frame.remaining;
    return Stop(result, ModelLoadResult::Outcome::EndsEarly, line);
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
        node = CreateNodeOfKind(line.typeCode, line.xform.GetTranslation(), nullptr);
    if (node == nullptr)
        return nullptr;
    node->SetXformInfo(line.xform);
    top.parent->AddChild(node);
    return node;
}

ModelLoadResult ModelReader::Stop(ModelLoadResult result, ModelLoadResult::Outcome outcome, int line)
{
    result.outcome = outcome;
    result.stopLine = line;
    return result;
}

// Keeps at most one line's worth of characters, so an endless line costs no memory.
bool ModelReader::NextField()
{
    field_.clear();
    std::streambuf* buffer = stream_.rdbuf();
    if (!stream_ || buffer == nullptr || overlong_)
        return false;
    for (int c = buffer->sbumpc(); c != std::char_traits<char>::eof(); c = buffer->sbumpc()) {
        if (c == '\n' || c == '\r') {
            if (c == '\r' && buffer->sgetc() == '\n')
                buffer->sbumpc();
            ++lineNumber_;
            column_ = 0;
            if (!field_.empty())
                return true;
            continue;
        }
        if (++column_ > MaxLineLength) {
            overlong_ = true;
            return false;
        }
        if (!IsBlank(c)) {
            if (field_.empty())
                fieldLine_ = lineNumber_;
            field_.push_back(static_cast<char>(c));
        } else if (!field_.empty()) {
            return true;
        }
    }
    return !field_.empty();
}

#pragma once
#include "core/PointerArray.h"
#include "scene/ModelLoadResult.h"

#include <istream>
#include <string>
#include <vector>

class TAV_SceneNode;
struct ModelLine;

// Reads one record tree of a model file (one line per node, pre-order) under a
// parent node. It walks the lines with its own stack instead of recursing, so no
// nesting runs it out of stack, and stops at the first line it cannot use; what
// was made before that line stays in the scene. Line ends may be LF, CR LF or CR.
class ModelReader
{
public:
    // A model may nest this many levels below its first line.
    static constexpr int MaxNesting = 10000;

    explicit ModelReader(std::istream& stream) : stream_(stream) {}

    ModelLoadResult Read(TAV_SceneNode* parent);

private:
    // A node whose child lines are being read.
    struct Frame
    {
        TAV_SceneNode* parent;
        // Child lines still expected.
        int remaining;
        // Parts its constructor built that no child line has claimed yet.
        TAV_PointerArray<TAV_SceneNode> parts{true};
        // Index of the next child line.
        int nextLine = 0;
    };

    // Reads the next line that holds more than blanks; false at the end of the stream.
    bool NextRecord();
    bool NextLine();
    // Makes or reuses the node of one child line of top and attaches it to top's parent.
    TAV_SceneNode* PlaceNode(Frame& top, int index, const ModelLine& line);
    ModelLoadResult Stop(ModelLoadResult result, ModelLoadResult::Outcome outcome) const;

    std::istream& stream_;
    std::string line_;
    int lineNumber_ = 0;
};

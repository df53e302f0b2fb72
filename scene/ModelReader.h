#pragma once
#include "core/PointerArray.h"
#include "scene/ModelLoadResult.h"

#include <istream>
#include <string>
#include <vector>

class TAV_SceneNode;
struct ModelLine;

// Reads one record tree of a model file (one record of twelve blank-separated
// fields per node, pre-order) under a parent node. Records may be wrapped over
// lines or share one; errors name the line of the field that could not be used.
// It walks the records with its own stack instead of recursing, so no nesting
// runs it out of stack, and stops at the first field it cannot use; what was
// made before that stays in the scene. Line ends may be LF, CR LF or CR.
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

    // Reads the next field into field_ and its line into fieldLine_; false at the
    // end of the stream and at a line longer than the limit (overlong_ set).
    bool NextField();
    // Fills line from the field already read and the eleven that follow.
    bool ReadRecord(ModelLine& line, ModelLoadResult& result);
    // Makes or reuses the node of one child line of top and attaches it to top's parent.
    TAV_SceneNode* PlaceNode(Frame& top, int index, const ModelLine& line);
    // The outcome for a stream that ends while frames still expect records.
    static ModelLoadResult AtEnd(ModelLoadResult result, const std::vector<Frame>& frames, int line);
    static ModelLoadResult Stop(ModelLoadResult result, ModelLoadResult::Outcome outcome, int line);

    std::istream& stream_;
    std::string field_;
    // Line of the field last read, 0 before the first.
    int fieldLine_ = 0;
    // The line being read and the characters read of it so far.
    int lineNumber_ = 1;
    std::size_t column_ = 0;
    bool overlong_ = false;
};

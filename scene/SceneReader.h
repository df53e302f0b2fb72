#pragma once
#include "scene/ModelLoadResult.h"

#include <string>

class TAV_SceneNode;

// Reads a scene document as SceneWriter writes it. The whole tree is built off
// to the side first and attached only when every value was read, so a document
// that is refused adds nothing.
class SceneReader
{
public:
    // Appends the document's top-level objects under root, after those already
    // there. A root without children also takes the document root's transform,
    // "Show Pivot" and primitive; a root that holds objects keeps its own, so
    // they do not move. Relative texture paths are resolved against the folder of
    // documentPath. On refusal the outcome is Refused and detail says why: a
    // syntax error with its line and column, a newer version, or the node and
    // field holding a value of the wrong type or out of range.
    static ModelLoadResult Read(const std::string& text, const std::wstring& documentPath,
                                TAV_SceneNode& root);
};

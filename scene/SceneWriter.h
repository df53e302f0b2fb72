#pragma once
#include <string>

class TAV_SceneNode;

// Writes a scene document (".qvs"): JSON that keeps everything the editor can
// change. Its "nodes" array holds the tree under the root, root included, in
// pre-order like a model file, one node per line: kind, name, transform, "Show
// Pivot", primitive (list entries included, with all drawing attributes and
// geometry) and the number of children whose nodes follow; empty child slots
// are left out. A flat list keeps deep trees cheap to write and read. Numbers
// are written so that they read back as the same float bits.
class SceneWriter
{
public:
    // Raised whenever a reader of an older version could no longer read the documents written.
    static constexpr int Version = 1;

    // The document text. Texture files below the folder of documentPath are
    // stored relative to it, so a document moved with its textures keeps them.
    static std::string Write(const TAV_SceneNode& root, const std::wstring& documentPath);
};

#pragma once
#include "scene/ModelLoadResult.h"

#include <QString>

class CWorld;

// Reading and writing model files (".qvl") and scene documents (".qvs") for the
// editor and the command line; the file's extension chooses the format.
class ModelFile
{
public:
    struct LoadReport
    {
        bool opened = false;
        ModelLoadResult result;
    };

    // True for a name ending in ".qvs" (any case): a scene document; anything else is a model file.
    static bool IsSceneDocument(const QString& path);
    // Adds the file's objects to the world. A model file that stops part-way
    // keeps what was read before the bad line; a scene document that cannot be
    // read completely adds nothing. Only regular files are opened.
    static LoadReport Load(CWorld& world, const QString& path);
    // Writes the world in the format of the path's extension through a temporary
    // file that replaces the old one only when everything was written; on failure
    // error names the reason (the system's, such as "No space left on device")
    // and any existing file is left as it was.
    static bool Save(const CWorld& world, const QString& path, QString* error);
    // The name a save writes to: extension is added unless the name already ends
    // in ".qvl" or ".qvs".
    static QString WithExtension(const QString& path, const QString& extension = QStringLiteral(".qvl"));
    // The echo-line text for a load that did not complete; empty when it did.
    static QString DescribeProblem(const QString& path, const LoadReport& report);
};

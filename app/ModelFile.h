#pragma once
#include "scene/ModelLoadResult.h"

#include <QString>

class CWorld;

// Reading and writing model files for the editor and the command line.
class ModelFile
{
public:
    struct LoadReport
    {
        bool opened = false;
        ModelLoadResult result;
    };

    // Adds the file's model to the world. A file that stops part-way keeps what
    // was read before the bad line.
    static LoadReport Load(CWorld& world, const QString& path);
    // Writes the world's model through a temporary file that replaces the old one
    // only when everything was written; on failure error names the reason and any
    // existing file is left as it was.
    static bool Save(const CWorld& world, const QString& path, QString* error);
    // The name a save writes to: ".qvl" is added unless the name already ends so.
    static QString WithExtension(const QString& path);
    // The echo-line text for a load that did not complete; empty when it did.
    static QString DescribeProblem(const QString& path, const LoadReport& report);
};

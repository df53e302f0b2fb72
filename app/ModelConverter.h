#pragma once
#include <QString>

// Converts between model files (".qvl") and scene documents (".qvs"), each
// file's extension choosing its format, without showing a window.
class ModelConverter
{
public:
    // 0 when the output was written; 2 when the input cannot be opened or read
    // completely (nothing is written then); 1 when the output cannot be written.
    // Messages go to standard error, with a warning naming what a model file
    // output does not keep.
    static int Convert(const QString& inputPath, const QString& outputPath);
};

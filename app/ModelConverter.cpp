#include "app/ModelConverter.h"

#include "app/ModelFile.h"
#include "scene/ModelFileLosses.h"
#include "scene/World.h"

#include <QTextStream>

int ModelConverter::Convert(const QString& inputPath, const QString& outputPath)
{
    QTextStream errors(stderr);
    CWorld world;
    const ModelFile::LoadReport report = ModelFile::Load(world, inputPath);
    if (!report.opened) {
        errors << "quorvel: cannot open model file " << inputPath << Qt::endl;
        return 2;
    }
    // A conversion that dropped part of the input would lose it without anyone noticing.
    if (!report.result.IsComplete()) {
        errors << "quorvel: cannot convert: " << ModelFile::DescribeProblem(inputPath, report) << Qt::endl;
        return 2;
    }
    QString reason;
    if (!ModelFile::Save(world, outputPath, &reason)) {
        errors << "quorvel: cannot write " << outputPath << ": " << reason << Qt::endl;
        return 1;
    }
    if (!ModelFile::IsSceneDocument(outputPath)) {
        const std::string lost = ModelFileLosses::Describe(*world.Root);
        if (!lost.empty())
            errors << "quorvel: warning: " << outputPath << " does not keep the scene's "
                   << QString::fromStdString(lost) << "; a .qvs scene keeps them" << Qt::endl;
    }
    return 0;
}

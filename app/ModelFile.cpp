#include "app/ModelFile.h"

#include "scene/World.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <fstream>

ModelFile::LoadReport ModelFile::Load(CWorld& world, const QString& path)
{
    LoadReport report;
    std::ifstream stream(QFile::encodeName(path).toStdString());
    // A folder opens as a stream on Linux but cannot be read; treat it as unopenable.
    if (!stream.is_open() || QFileInfo(path).isDir())
        return report;
    report.opened = true;
    report.result = world.LoadModel(stream);
    return report;
}

bool ModelFile::Save(const CWorld& world, const QString& path, QString* error)
{
    // Every character of the model text is plain ASCII.
    const QByteArray bytes = QString::fromStdWString(world.SaveModel()).toLatin1();
    QSaveFile file(path);
    // Unbuffered, so a short write (a full disk) shows in write()'s result.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(bytes) != bytes.size() ||
        !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

QString ModelFile::WithExtension(const QString& path)
{
    const QString extension = QStringLiteral(".qvl");
    return path.endsWith(extension, Qt::CaseInsensitive) ? path : path + extension;
}

QString ModelFile::DescribeProblem(const QString& path, const LoadReport& report)
{
    const QString prefix = QStringLiteral("**ERROR** [%1]: ").arg(QFileInfo(path).fileName());
    if (!report.opened)
        return prefix + QStringLiteral("could not open model file!");
    const ModelLoadResult& result = report.result;
    const QString loaded = QStringLiteral("%1 objects loaded").arg(result.nodesAdded);
    switch (result.outcome) {
    case ModelLoadResult::Outcome::Complete:
        return QString();
    case ModelLoadResult::Outcome::UnreadableLine:
        return prefix + QStringLiteral("line %1 could not be read, %2").arg(result.stopLine).arg(loaded);
    case ModelLoadResult::Outcome::NestedTooDeep:
        return prefix + QStringLiteral("line %1 is nested too deeply, %2").arg(result.stopLine).arg(loaded);
    case ModelLoadResult::Outcome::LinesAfterModel:
        return prefix +
               QStringLiteral("line %1 follows the end of the model, %2").arg(result.stopLine).arg(loaded);
    }
    return QString();
}

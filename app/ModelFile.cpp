#include "app/ModelFile.h"

#include "core/Echo.h"
#include "scene/SceneReader.h"
#include "scene/SceneWriter.h"
#include "scene/World.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <unistd.h>

namespace {

const QString SceneExtension = QStringLiteral(".qvs");
const QString ModelExtension = QStringLiteral(".qvl");

// Writes everything to the descriptor; 0, or the errno of the write that failed.
int WriteAll(int descriptor, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor, data, static_cast<std::size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        if (written == 0)
            return ENOSPC;
        data += written;
        left -= written;
    }
    return 0;
}

QByteArray FileBytes(const CWorld& world, const QString& path)
{
    if (ModelFile::IsSceneDocument(path))
        return QByteArray::fromStdString(
            SceneWriter::Write(*world.Root, QFileInfo(path).absoluteFilePath().toStdWString()));
    // Every character of the model text is plain ASCII.
    return QString::fromStdWString(world.SaveModel()).toLatin1();
}

} // namespace

bool ModelFile::IsSceneDocument(const QString& path)
{
    return path.endsWith(SceneExtension, Qt::CaseInsensitive);
}

ModelFile::LoadReport ModelFile::Load(CWorld& world, const QString& path)
{
    LoadReport report;
    // A folder, a pipe or a device would fail to read or block the reader.
    if (!QFileInfo(path).isFile())
        return report;
    if (!IsSceneDocument(path)) {
        // Streamed: the reader keeps no more than a line of an endless file.
        std::ifstream stream(QFile::encodeName(path).toStdString());
        report.opened = stream.is_open();
        if (report.opened)
            report.result = world.LoadModel(stream);
        return report;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return report;
    report.opened = true;
    const QByteArray bytes = file.readAll();
    report.result = SceneReader::Read(bytes.toStdString(), QFileInfo(path).absoluteFilePath().toStdWString(),
                                      *world.Root);
    if (report.result.IsComplete())
        EchoMessage(L"Model Loaded...");
    return report;
}

bool ModelFile::Save(const CWorld& world, const QString& path, QString* error)
{
    const QByteArray bytes = FileBytes(world, path);
    QSaveFile file(path);
    // Written straight to the descriptor: QSaveFile reports a short write on a
    // full disk without its reason, while the failing write's errno names it.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const int failure = WriteAll(file.handle(), bytes);
    if (failure != 0 || !file.commit()) {
        if (error)
            *error = failure != 0 ? QString::fromLocal8Bit(std::strerror(failure)) : file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

QString ModelFile::WithExtension(const QString& path, const QString& extension)
{
    if (path.endsWith(ModelExtension, Qt::CaseInsensitive) || IsSceneDocument(path))
        return path;
    return path + extension;
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
    case ModelLoadResult::Outcome::EndsEarly:
        return prefix + QStringLiteral("the file ends before all objects were read, %1").arg(loaded);
    case ModelLoadResult::Outcome::NoModel:
        return prefix + QStringLiteral("the file holds no model");
    case ModelLoadResult::Outcome::Refused:
        return prefix + QString::fromStdString(result.detail) + QStringLiteral("; nothing was loaded");
    }
    return QString();
}

#include "app/ModelFile.h"
#include "scene/SceneNode.h"
#include "scene/World.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const QString kExamples = QStringLiteral(QUORVEL_EXAMPLES);

struct ProcessRun
{
    int exitCode = -1;
    QString errors;
};

ProcessRun Quorvel(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(QUORVEL_EXECUTABLE), arguments);
    ProcessRun run;
    if (process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    run.errors = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The root announces three objects; only the box's line follows.
const QByteArray CutModel = "x 0.0 0.0 0.0 0.0 0.0 0.0 1.0 1.0 1.0 0.0 3 \r\n"
                            "B 3.0 4.0 0.0 3.0 4.0 0.0 1.0 1.0 1.0 0.0 0 \r\n";

} // namespace

TEST(ConvertCommand, ModelToSceneAndBackIsByteIdenticalAndRendersTheSame)
{
    QTemporaryDir dir;
    const QString model = kExamples + QStringLiteral("/hanging.qvl");
    const QString scene = dir.filePath(QStringLiteral("hanging.qvs"));
    const QString back = dir.filePath(QStringLiteral("back.qvl"));
    ASSERT_EQ(Quorvel({QStringLiteral("--convert"), model, scene}).exitCode, 0);
    EXPECT_TRUE(ReadAll(scene).startsWith("{\"format\": \"Quorvel scene\""));
    const ProcessRun run = Quorvel({QStringLiteral("--convert"), scene, back});
    ASSERT_EQ(run.exitCode, 0);
    // A scene that came from a model file loses nothing on the way back.
    EXPECT_FALSE(run.errors.contains(QStringLiteral("does not keep"))) << run.errors.toStdString();
    EXPECT_EQ(ReadAll(back), ReadAll(model));

    const QString fromModel = dir.filePath(QStringLiteral("model.png"));
    const QString fromScene = dir.filePath(QStringLiteral("scene.png"));
    ASSERT_EQ(Quorvel({QStringLiteral("--render"), fromModel, model}).exitCode, 0);
    ASSERT_EQ(Quorvel({QStringLiteral("--render"), fromScene, scene}).exitCode, 0);
    EXPECT_EQ(QImage(fromScene), QImage(fromModel));

    // A colour that a model file has no field for is named when converting back.
    QByteArray coloured = ReadAll(scene);
    coloured.replace("\"color\":4278190280", "\"color\":4278190281");
    WriteAll(scene, coloured);
    EXPECT_TRUE(
        Quorvel({QStringLiteral("--convert"), scene, back})
            .errors.contains(QStringLiteral("does not keep the scene's colours; a .qvs scene keeps them")));
}

TEST(ConvertCommand, UnreadableInputExitsTwoAndUnwritableOutputOne)
{
    QTemporaryDir dir;
    const QString cut = dir.filePath(QStringLiteral("cut.qvl"));
    WriteAll(cut, CutModel);
    const QString out = dir.filePath(QStringLiteral("out.qvs"));
    ProcessRun run = Quorvel({QStringLiteral("--convert"), dir.filePath(QStringLiteral("missing.qvl")), out});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("missing.qvl")));
    run = Quorvel({QStringLiteral("--convert"), cut, out});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("the file ends before all objects were read")));
    EXPECT_FALSE(QFile::exists(out));

    run = Quorvel({QStringLiteral("--convert"), kExamples + QStringLiteral("/crab.qvl"),
                   dir.filePath(QStringLiteral("no/folder/out.qvs"))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("no/folder/out.qvs")));
    EXPECT_EQ(Quorvel({QStringLiteral("--convert"), cut}).exitCode, 2);
    // A pipe is refused at once instead of waiting for a writer.
    ASSERT_EQ(mkfifo(dir.filePath(QStringLiteral("pipe.qvl")).toLocal8Bit().constData(), 0600), 0);
    EXPECT_EQ(Quorvel({QStringLiteral("--convert"), dir.filePath(QStringLiteral("pipe.qvl")), out}).exitCode,
              2);
}

TEST(RenderCommand, AFileEndingEarlyWarnsWithTheMissingCountAndAnEmptyOneExitsTwo)
{
    QTemporaryDir dir;
    const QString cut = dir.filePath(QStringLiteral("cut.qvl"));
    WriteAll(cut, CutModel);
    const QString out = dir.filePath(QStringLiteral("out.png"));
    ProcessRun run = Quorvel({QStringLiteral("--render"), out, cut});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains(QStringLiteral(
        "warning: **ERROR** [cut.qvl]: the file ends before all objects were read, 1 objects loaded; "
        "2 announced objects are missing")))
        << run.errors.toStdString();
    EXPECT_TRUE(QFile::exists(out));

    for (const QByteArray& blank : {QByteArray(), QByteArray(" \r\n\t\n")}) {
        const QString empty = dir.filePath(QStringLiteral("empty.qvl"));
        WriteAll(empty, blank);
        run = Quorvel({QStringLiteral("--render"), dir.filePath(QStringLiteral("empty.png")), empty});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.errors.contains(QStringLiteral("**ERROR** [empty.qvl]: the file holds no model")));
    }
}

TEST(ModelFileEcho, PartialAndEmptyFilesAreNamedOnTheMessageLine)
{
    QTemporaryDir dir;
    const QString cut = dir.filePath(QStringLiteral("cut.qvl"));
    const QString empty = dir.filePath(QStringLiteral("empty.qvl"));
    const QString scene = dir.filePath(QStringLiteral("bad.qvs"));
    WriteAll(cut, CutModel);
    WriteAll(empty, "\n\n");
    WriteAll(scene, "{\"format\": \"Quorvel scene\", \"version\": 7, \"nodes\": []}");
    CWorld world;
    EXPECT_EQ(
        ModelFile::DescribeProblem(cut, ModelFile::Load(world, cut)),
        QStringLiteral("**ERROR** [cut.qvl]: the file ends before all objects were read, 1 objects loaded"));
    EXPECT_EQ(ModelFile::DescribeProblem(empty, ModelFile::Load(world, empty)),
              QStringLiteral("**ERROR** [empty.qvl]: the file holds no model"));
    EXPECT_EQ(ModelFile::DescribeProblem(scene, ModelFile::Load(world, scene)),
              QStringLiteral("**ERROR** [bad.qvs]: the file was written by a newer version of Quorvel (scene "
                             "version 7; this one reads up to 1); nothing was loaded"));
    EXPECT_EQ(world.Root->NumChildren(), 1);
}

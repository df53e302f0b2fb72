#include "FileBytes.h"

#include <QColor>
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

// The root announces three objects; only the box's line, over (3, 4)-(8, 7), follows.
const QByteArray CutModel = "x 0.0 0.0 0.0 0.0 0.0 0.0 1.0 1.0 1.0 0.0 3 \r\n"
                            "B 3.0 4.0 0.0 3.0 4.0 0.0 1.0 1.0 1.0 0.0 0 \r\n";

class CommandLine : public ::testing::Test
{
protected:
    QString In(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir;
};

} // namespace

TEST_F(CommandLine, AModelRoundTripThroughASceneFileIsByteIdentical)
{
    const QString model = kExamples + QStringLiteral("/hanging.qvl");
    ASSERT_EQ(Quorvel({"--convert", model, In("hanging.qvs")}).exitCode, 0);
    EXPECT_TRUE(ReadAll(In("hanging.qvs")).startsWith("{\"format\": \"Quorvel scene\""));
    const ProcessRun run = Quorvel({"--convert", In("hanging.qvs"), In("back.qvl")});
    ASSERT_EQ(run.exitCode, 0);
    // A scene that came from a model file loses nothing on the way back.
    EXPECT_FALSE(run.errors.contains(QStringLiteral("does not keep"))) << run.errors.toStdString();
    EXPECT_EQ(ReadAll(In("back.qvl")), ReadAll(model));

    // A colour that a model file has no field for is named when converting back.
    QByteArray coloured = ReadAll(In("hanging.qvs"));
    coloured.replace("\"color\":4278190280", "\"color\":4278190281");
    WriteAll(In("hanging.qvs"), coloured);
    EXPECT_TRUE(Quorvel({"--convert", In("hanging.qvs"), In("back.qvl")})
                    .errors.contains("does not keep the scene's colours; a .qvs scene keeps them"));
}

TEST_F(CommandLine, ConvertExitCodeTellsAnInputFaultFromAnOutputFault)
{
    WriteAll(In("cut.qvl"), CutModel);
    ProcessRun run = Quorvel({"--convert", In("missing.qvl"), In("out.qvs")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("missing.qvl")));
    run = Quorvel({"--convert", In("cut.qvl"), In("out.qvs")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("the file ends before all objects were read")));
    EXPECT_FALSE(QFile::exists(In("out.qvs")));

    run = Quorvel({"--convert", kExamples + QStringLiteral("/crab.qvl"), In("no/folder/out.qvs")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("no/folder/out.qvs")));
    // A pipe is refused at once instead of waiting for a writer.
    ASSERT_EQ(mkfifo(In("pipe.qvl").toLocal8Bit().constData(), 0600), 0);
    EXPECT_EQ(Quorvel({"--convert", In("pipe.qvl"), In("out.qvs")}).exitCode, 2);
}

TEST_F(CommandLine, RenderDrawsTheCrabExampleAsTheMainViewShowsIt)
{
    ASSERT_EQ(Quorvel({"--render", In("crab.png"), kExamples + QStringLiteral("/crab.qvl")}).exitCode, 0);
    const QImage image(In("crab.png"));
    ASSERT_EQ(image.size(), QSize(800, 600));
    // 16 pixels a world unit, the origin in the middle, y up.
    const auto pixel = [&](float wx, float wy) {
        return QColor(image.pixel(int(400 + wx * 16), int(300 - wy * 16)));
    };
    EXPECT_EQ(pixel(-20.5f, -15.5f), QColor(204, 204, 204));
    EXPECT_GT(pixel(0.0f, -1.5f).red(), pixel(0.0f, -1.5f).green() + 50); // the crab's translucent red

    ASSERT_EQ(Quorvel({"--render", In("small.png"), "--size", "400x300", kExamples + "/crab.qvl"}).exitCode,
              0);
    EXPECT_EQ(QImage(In("small.png")).size(), QSize(400, 300));
}

TEST_F(CommandLine, RenderDrawsWhatItReadOfAFileEndingEarly)
{
    WriteAll(In("cut.qvl"), CutModel);
    ProcessRun run = Quorvel({"--render", In("out.png"), In("cut.qvl")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains(QStringLiteral(
        "warning: **ERROR** [cut.qvl]: the file ends before all objects were read, 1 objects loaded; "
        "2 announced objects are missing")))
        << run.errors.toStdString();
    EXPECT_GT(QColor(QImage(In("out.png")).pixel(400 + 4 * 16, 300 - 5 * 16)).blue(), 150) << "the box";
}

TEST_F(CommandLine, RenderFailsWithoutAModelToReadOrAnImageToWrite)
{
    WriteAll(In("empty.qvl"), " \r\n\t\n");
    ProcessRun run = Quorvel({"--render", In("empty.png"), In("empty.qvl")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("**ERROR** [empty.qvl]: the file holds no model")));
    EXPECT_FALSE(QFile::exists(In("empty.png")));
    run = Quorvel({"--render", In("no/folder/out.png"), kExamples + QStringLiteral("/crab.qvl")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("no/folder/out.png")));
}

TEST_F(CommandLine, AStrayOptionExitsTwo)
{
    EXPECT_EQ(Quorvel({"--size", "12"}).exitCode, 2);
}

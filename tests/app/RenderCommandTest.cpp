#include <QColor>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kExamples = QStringLiteral(QUORVEL_EXAMPLES);

struct ProcessResult
{
    int exitCode = -1;
    QString errors;
    QString output;
};

ProcessResult Quorvel(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(QUORVEL_EXECUTABLE), arguments);
    ProcessResult run;
    if (!process.waitForFinished(30000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.errors = QString::fromLocal8Bit(process.readAllStandardError());
    run.output = QString::fromLocal8Bit(process.readAllStandardOutput());
    return run;
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(RenderCommand, RendersTheCrabExampleAsTheMainViewShowsIt)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("crab.png"));
    const ProcessResult run =
        Quorvel({QStringLiteral("--render"), out, kExamples + QStringLiteral("/crab.qvl")});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    const QImage image(out);
    ASSERT_EQ(image.size(), QSize(800, 600));
    // 16 pixels a world unit, the origin in the middle, y up.
    const auto pixel = [&](float wx, float wy) {
        return QColor(image.pixel(int(400 + wx * 16), int(300 - wy * 16)));
    };
    EXPECT_EQ(pixel(-20.5f, -15.5f), QColor(204, 204, 204));
    const QColor body = pixel(0.0f, -1.5f); // translucent red over the grey background
    EXPECT_GT(body.red(), body.green() + 50);
    EXPECT_EQ(body.green(), body.blue());

    const QString small = dir.filePath(QStringLiteral("small.png"));
    ASSERT_EQ(Quorvel({QStringLiteral("--render"), small, QStringLiteral("--size"), QStringLiteral("400x300"),
                       kExamples + QStringLiteral("/crab.qvl")})
                  .exitCode,
              0);
    EXPECT_EQ(QImage(small).size(), QSize(400, 300));
}

TEST(RenderCommand, BadModelsExitWithTwoAndUnwritableOutputsWithOne)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.png"));
    const QString garbage = dir.filePath(QStringLiteral("garbage.qvl"));
    WriteAll(garbage, "this is not a model\n");

    ProcessResult run =
        Quorvel({QStringLiteral("--render"), out, dir.filePath(QStringLiteral("missing.qvl"))});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("missing.qvl")));
    run = Quorvel({QStringLiteral("--render"), out, garbage});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_FALSE(QFile::exists(out));

    run = Quorvel({QStringLiteral("--render"), dir.filePath(QStringLiteral("no/such/folder/out.png")),
                   kExamples + QStringLiteral("/crab.qvl")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("out.png")));
}

TEST(RenderCommand, AModelThatStopsPartWayIsRenderedWithAWarning)
{
    QTemporaryDir dir;
    const QString model = dir.filePath(QStringLiteral("partial.qvl"));
    WriteAll(model, "x 0.0 0.0 0.0 0.0 0.0 0.0 1.0 1.0 1.0 0.0 2 \r\n"
                    "B 3.0 4.0 0.0 3.0 4.0 0.0 1.0 1.0 1.0 0.0 0 \r\n"
                    "B 1.0 x\r\n");
    const QString out = dir.filePath(QStringLiteral("partial.png"));
    const ProcessResult run = Quorvel({QStringLiteral("--render"), out, model});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("line 3")));
    const QImage image(out);
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(QColor(image.pixel(400 + 4 * 16, 300 - 5 * 16)).blue(), 150); // inside the box at (3, 4)-(8, 7)
}

TEST(RenderCommand, HelpAndVersion)
{
    ProcessResult run = Quorvel({QStringLiteral("--help")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.output.contains(QStringLiteral("--render")));
    run = Quorvel({QStringLiteral("--version")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.output.startsWith(QStringLiteral("quorvel ")));
    run = Quorvel({QStringLiteral("--size"), QStringLiteral("12")});
    EXPECT_EQ(run.exitCode, 2);
}

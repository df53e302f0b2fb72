#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

namespace {

CommandLine Failed(const QString& message)
{
    CommandLine result;
    result.action = CommandLine::Action::Exit;
    result.exitCode = 2;
    result.message = message;
    return result;
}

} // namespace

CommandLine CommandLine::Parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Quorvel, an editor for small 2D scene graphs.\n"
                       "Without --render it opens the editor, with MODEL loaded if one is given."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption renderOption(QStringLiteral("render"),
                                          QStringLiteral("Render MODEL into the PNG file OUT and exit."),
                                          QStringLiteral("OUT"));
    const QCommandLineOption sizeOption(QStringLiteral("size"),
                                        QStringLiteral("Image size for --render (default 800x600)."),
                                        QStringLiteral("WxH"), QStringLiteral("800x600"));
    const QCommandLineOption convertOption(
        QStringLiteral("convert"),
        QStringLiteral("Convert the model file IN into OUT and exit; each file's extension (.qvl model file, "
                       ".qvs scene) chooses its format."));
    parser.addOption(renderOption);
    parser.addOption(convertOption);
    parser.addOption(sizeOption);
    parser.addPositionalArgument(QStringLiteral("MODEL"), QStringLiteral("A .qvl model file."),
                                 QStringLiteral("[MODEL]"));

    if (!parser.parse(arguments))
        return Failed(parser.errorText());

    CommandLine result;
    if (parser.isSet(helpOption) || parser.isSet(versionOption)) {
        result.action = Action::Exit;
        result.message = parser.isSet(helpOption)
                             ? parser.helpText()
                             : QCoreApplication::applicationName() + QLatin1Char(' ') +
                                   QCoreApplication::applicationVersion() + QLatin1Char('\n');
        return result;
    }

    const QStringList models = parser.positionalArguments();
    if (parser.isSet(convertOption)) {
        if (parser.isSet(renderOption) || parser.isSet(sizeOption))
            return Failed(QStringLiteral("--convert cannot be combined with --render or --size"));
        if (models.size() != 2)
            return Failed(QStringLiteral("--convert takes two files: IN and OUT"));
        result.action = Action::Convert;
        result.modelPath = models[0];
        result.outputPath = models[1];
        return result;
    }
    if (models.size() > 1)
        return Failed(QStringLiteral("only one model file can be given"));
    if (!models.isEmpty())
        result.modelPath = models.first();

    if (parser.isSet(sizeOption)) {
        static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
        const QRegularExpressionMatch match = pattern.match(parser.value(sizeOption));
        const int width = match.hasMatch() ? match.captured(1).toInt() : 0;
        const int height = match.hasMatch() ? match.captured(2).toInt() : 0;
        if (width < 1 || height < 1 || width > 8192 || height > 8192)
            return Failed(
                QStringLiteral("--size takes WIDTHxHEIGHT, each from 1 to 8192, for instance 800x600"));
        result.size = QSize(width, height);
        if (!parser.isSet(renderOption))
            return Failed(QStringLiteral("--size is only used with --render"));
    }

    if (parser.isSet(renderOption)) {
        result.action = Action::Render;
        result.outputPath = parser.value(renderOption);
        if (result.modelPath.isEmpty())
            return Failed(QStringLiteral("--render needs a MODEL file to render"));
    }
    return result;
}

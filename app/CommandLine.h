#pragma once
#include <QSize>
#include <QString>
#include <QStringList>

// What the command line asks for: the editor, optionally with a model, a
// render of a model into a PNG file without opening a window, or a conversion
// between the model file and scene document formats.
struct CommandLine
{
    enum class Action {
        Edit,    // open the editor
        Render,  // render the model to a PNG and exit
        Convert, // write the model in the format of outputPath's extension and exit
        Exit,    // --help or --version was answered, or the arguments were wrong
    };

    Action action = Action::Edit;
    QString modelPath;  // empty: start with an empty scene; for Convert the input
    QString outputPath; // for Render and Convert
    QSize size{800, 600};
    int exitCode = 0; // for Exit
    QString message;  // for Exit: what to print (help, version or the error)

    // Parses the arguments, argv[0] included.
    static CommandLine Parse(const QStringList& arguments);
};

#include "app/CommandLine.h"
#include "app/HeapTuning.h"
#include "app/ModelConverter.h"
#include "app/ModelRenderer.h"
#include "app/QuorvelApp.h"
#include "platform/win/ModalPrompts.h"
#include "render/GraphicsSystem.h"

#include <QApplication>
#include <QTextStream>
#include <cstring>

namespace {

bool IsOption(const char* argument, const char* option)
{
    const std::size_t length = std::strlen(option);
    return std::strncmp(argument, option, length) == 0 &&
           (argument[length] == '\0' || argument[length] == '=');
}

// Rendering or converting files and answering --help or --version need no
// display, so they run on the offscreen platform.
bool NeedsNoDisplay(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"--render", "--convert", "--help", "-h", "--version", "-v"})
            if (IsOption(argv[i], option))
                return true;
    return false;
}

bool HasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char** argv)
{
    TuneHeapForLargeScenes();
    if (NeedsNoDisplay(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    } else if (!HasDisplay()) {
        QTextStream(stderr) << "quorvel: no display is available to open the editor on; "
                               "use --render OUT.png MODEL to render a model into an image\n";
        return 1;
    }
    // The graphics system comes first and goes last, after the application and its world.
    TAVD3D_GraphicsSystem::GetInstance();
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorvel"));
    // Not the display name: the platform would append it to every window's caption.
    ModalPrompts::SetDefaultCaption(L"Quorvel");
    QApplication::setApplicationVersion(QStringLiteral(QUORVEL_VERSION));

    const CommandLine command = CommandLine::Parse(QApplication::arguments());
    switch (command.action) {
    case CommandLine::Action::Exit: {
        QTextStream out(command.exitCode == 0 ? stdout : stderr);
        out << (command.exitCode == 0 ? command.message
                                      : QStringLiteral("quorvel: ") + command.message + '\n');
        return command.exitCode;
    }
    case CommandLine::Action::Render:
        return ModelRenderer::Render(command.modelPath, command.outputPath, command.size);
    case CommandLine::Action::Convert:
        return ModelConverter::Convert(command.modelPath, command.outputPath);
    case CommandLine::Action::Edit:
        break;
    }
    CQuorvelApp app;
    return app.InitInstance(command.modelPath);
}

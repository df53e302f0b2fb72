#include "app/ModelRenderer.h"

#include "app/MainHandler.h"
#include "app/ModelFile.h"
#include "platform/win/FramePresenter.h"
#include "platform/win/ModalPrompts.h"
#include "platform/win/WindowHandles.h"
#include "render/GraphicsSystem.h"
#include "scene/World.h"

#include <QImageWriter>
#include <QTextStream>
#include <QWidget>

namespace {

QTextStream& Errors()
{
    static QTextStream stream(stderr);
    return stream;
}

// Nobody is there to answer a dialog: message boxes go to standard error.
void PromptsToStandardError()
{
    ModalPrompts::SetMessageBoxAnswerer([](const ModalPrompts::MessageBoxRequest& request) {
        Errors() << "quorvel: " << QString::fromStdWString(request.text) << Qt::endl;
        return IDOK;
    });
}

bool FirstLineUnreadable(const ModelFile::LoadReport& report)
{
    return report.result.outcome == ModelLoadResult::Outcome::UnreadableLine && report.result.stopLine <= 1;
}

} // namespace

int ModelRenderer::Render(const QString& modelPath, const QString& outputPath, QSize size)
{
    PromptsToStandardError();
    CWorld world;
    const ModelFile::LoadReport report = ModelFile::Load(world, modelPath);
    if (!report.opened) {
        Errors() << "quorvel: cannot open model file " << modelPath << Qt::endl;
        return 2;
    }
    if (FirstLineUnreadable(report)) {
        Errors() << "quorvel: " << modelPath << " is not a model file: its first line cannot be read"
                 << Qt::endl;
        return 2;
    }
    if (report.result.outcome == ModelLoadResult::Outcome::NoModel ||
        report.result.outcome == ModelLoadResult::Outcome::Refused) {
        Errors() << "quorvel: " << ModelFile::DescribeProblem(modelPath, report) << Qt::endl;
        return 2;
    }
    if (report.result.outcome == ModelLoadResult::Outcome::EndsEarly)
        Errors() << "quorvel: warning: " << ModelFile::DescribeProblem(modelPath, report) << "; "
                 << report.result.missing << " announced objects are missing; rendering what was read"
                 << Qt::endl;
    else if (!report.result.IsComplete())
        Errors() << "quorvel: warning: " << ModelFile::DescribeProblem(modelPath, report)
                 << "; rendering what was read" << Qt::endl;

    // The view's window: never shown, only sized, so the device draws at the image's size.
    QWidget surface;
    surface.resize(size);
    const HWND window = WindowHandles::HandleOf(&surface);
    TAVD3D_GraphicsSystem& graphics = TAVD3D_GraphicsSystem::GetInstance();
    if (!graphics.CreateGraphicsContext(window))
        return 1;
    QImage image;
    {
        CMainHandler view(world);
        if (view.AttachToWindow(window)) {
            view.SetWorldWindow(world.WorldBounds);
            view.AdjustWorldWindows();
            view.DrawGraphics();
            image = FramePresenter::LastFrame(window);
        }
    }
    graphics.ReleaseGraphicsContext();
    if (image.isNull()) {
        Errors() << "quorvel: the model could not be rendered" << Qt::endl;
        return 1;
    }
    QImageWriter writer(outputPath, "png");
    if (!writer.write(image)) {
        Errors() << "quorvel: cannot write " << outputPath << ": " << writer.errorString() << Qt::endl;
        return 1;
    }
    return 0;
}

#pragma once
#include <QSize>
#include <QString>

// Renders a model as the main view shows it at start-up (grid on, the world
// bounds fitted to the image's shape, no zoom outline) into a PNG file,
// without showing a window.
class ModelRenderer
{
public:
    // 0 when the image was written (a model read only part-way is rendered as far
    // as it was read, with a warning that gives the missing count when the file
    // ends early); 2 when the model cannot be opened, its first line cannot be
    // read, it holds no model or a scene document is refused; 1 when the image
    // cannot be rendered or written.
    // Messages go to standard error.
    static int Render(const QString& modelPath, const QString& outputPath, QSize size);
};

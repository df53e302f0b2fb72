#include "platform/win/FramePresenter.h"

#include "platform/win/WindowHandles.h"

#include <QEvent>
#include <QObject>
#include <QPainter>
#include <QWidget>

namespace {

// Lives as a child of the widget it paints, so it dies with it.
class FramePainter : public QObject
{
public:
    explicit FramePainter(QWidget* widget) : QObject(widget), widget_(widget)
    {
        setObjectName(QStringLiteral("quorvelFramePainter"));
        widget->installEventFilter(this);
    }

    QImage frame;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != widget_ || event->type() != QEvent::Paint || frame.isNull())
            return false;
        QPainter painter(widget_);
        // A frame of the widget's size goes on pixel for pixel; only one drawn
        // before a resize is stretched, smoothly, until the next frame.
        if (frame.size() == widget_->size()) {
            painter.drawImage(0, 0, frame);
        } else {
            painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
            painter.drawImage(widget_->rect(), frame);
        }
        return true;
    }

private:
    QWidget* widget_;
};

FramePainter* PainterOf(QWidget* widget, bool create)
{
    // Only FramePainter children carry this object name.
    auto* painter = static_cast<FramePainter*>(
        widget->findChild<QObject*>(QStringLiteral("quorvelFramePainter"), Qt::FindDirectChildrenOnly));
    if (!painter && create)
        painter = new FramePainter(widget);
    return painter;
}

} // namespace

bool FramePresenter::Present(HWND window, const QImage& frame)
{
    QWidget* widget = WindowHandles::WidgetOf(window);
    if (!widget)
        return false;
    PainterOf(widget, true)->frame = frame.copy();
    widget->update();
    return true;
}

QImage FramePresenter::LastFrame(HWND window)
{
    QWidget* widget = WindowHandles::WidgetOf(window);
    FramePainter* painter = widget ? PainterOf(widget, false) : nullptr;
    return painter ? painter->frame : QImage();
}

void FramePresenter::Clear(HWND window)
{
    QWidget* widget = WindowHandles::WidgetOf(window);
    if (FramePainter* painter = widget ? PainterOf(widget, false) : nullptr) {
        painter->frame = QImage();
        widget->update();
    }
}

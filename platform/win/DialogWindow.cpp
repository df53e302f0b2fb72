#include "platform/win/DialogWindow.h"

#include "platform/win/ControlFactory.h"
#include "platform/win/WidgetTraits.h"
#include "platform/win/WindowBridge.h"

#include <QFont>
#include <QKeyEvent>

DialogWindow::DialogWindow(QWidget* parent, bool child) : QDialog(parent), child_(child) {}

DialogWindow* DialogWindow::Build(const DialogTemplate& dialog, QWidget* parent)
{
    const bool child = dialog.style & WS_CHILD;
    auto* window = new DialogWindow(parent, child);
    if (child)
        window->setWindowFlags(Qt::Widget);
    else if (!(dialog.style & WS_SYSMENU))
        window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    window->setWindowTitle(QString::fromWCharArray(dialog.caption));
    QFont font(QString::fromWCharArray(dialog.fontFace), dialog.fontPointSize);
    window->setFont(font);
    const DialogBaseUnits base = WidgetTraits::BaseUnitsOf(font);
    WidgetTraits::SetBaseUnits(window, base);
    WidgetTraits::SetStyles(window, dialog.style, dialog.exStyle);
    const RECT client = DialogUnitsToPixels(0, 0, dialog.cx, dialog.cy, base);
    window->resize(client.right, client.bottom);

    // Radio buttons belong to the group opened by the last control with WS_GROUP.
    int group = 0;
    for (const ControlTemplate& control : dialog.controls) {
        if (control.style & WS_GROUP)
            ++group;
        QWidget* widget = ControlFactory::Create(control.windowClass, control.style,
                                                 QString::fromWCharArray(control.text), control.id, window);
        WidgetTraits::SetRadioGroup(widget, group);
        const RECT r = DialogUnitsToPixels(control.x, control.y, control.cx, control.cy, base);
        widget->setGeometry(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
    return window;
}

void DialogWindow::reject()
{
    if (!WindowBridge::SendOwnCommand(this, 2))
        QDialog::reject();
}

void DialogWindow::keyPressEvent(QKeyEvent* event)
{
    // Keys a child dialog does not use go on to the dialog that contains it.
    if (child_)
        QWidget::keyPressEvent(event);
    else
        QDialog::keyPressEvent(event);
}

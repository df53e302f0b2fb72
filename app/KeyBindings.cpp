#include "app/KeyBindings.h"

#include "app/QuorvelDlg.h"
#include "platform/win/WindowHandles.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

KeyBindings::KeyBindings(CQuorvelDlg& dialog)
    : QObject(WindowHandles::WidgetOf(dialog.GetSafeHwnd())), dialog_(dialog)
{
    // Application-wide, so keys are seen before the focused button or the dialog acts on them.
    qApp->installEventFilter(this);
}

bool KeyBindings::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Close) {
        event->ignore();
        dialog_.EndDialog(IDOK);
        return true;
    }
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != parent())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() == Qt::ControlModifier) {
        switch (key->key()) {
        case Qt::Key_O:
            dialog_.OnLoadModel();
            return true;
        case Qt::Key_S:
            dialog_.OnSaveModel();
            return true;
        case Qt::Key_Q:
            dialog_.EndDialog(IDOK);
            return true;
        default:
            return false;
        }
    }
    // Escape and Enter would otherwise become button commands of the main window.
    return key->key() == Qt::Key_Escape || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

#include "app/KeyBindings.h"

#include "app/QuorvelDlg.h"
#include "platform/win/WindowHandles.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
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
        dialog_.RequestClose();
        return true;
    }
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const QWidget* window = static_cast<QWidget*>(watched)->window();
    const auto& key = *static_cast<QKeyEvent*>(event);
    // A text field keeps its editing keys, Ctrl+Z included; only the file and exit keys pass it by.
    if (qobject_cast<QLineEdit*>(watched) && !FileKey(key))
        return false;
    if (window == parent())
        return HistoryKey(key) || MainWindowKey(key);
    const HWND popup = dialog_.GetSelectionPanel().GetHierarchy().GetSafeHwnd();
    return popup && window == WindowHandles::WidgetOf(popup) && HistoryKey(key);
}

bool KeyBindings::HistoryKey(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier && key.key() == Qt::Key_Z) {
        dialog_.Undo();
        return true;
    }
    if ((modifiers == (Qt::ControlModifier | Qt::ShiftModifier) && key.key() == Qt::Key_Z) ||
        (modifiers == Qt::ControlModifier && key.key() == Qt::Key_Y)) {
        dialog_.Redo();
        return true;
    }
    return false;
}

bool KeyBindings::FileKey(const QKeyEvent& key)
{
    return key.modifiers() == Qt::ControlModifier &&
           (key.key() == Qt::Key_O || key.key() == Qt::Key_S || key.key() == Qt::Key_Q);
}

bool KeyBindings::MainWindowKey(const QKeyEvent& key)
{
    if (key.modifiers() == Qt::ControlModifier) {
        switch (key.key()) {
        case Qt::Key_O:
            dialog_.OnLoadModel();
            return true;
        case Qt::Key_S:
            dialog_.OnSaveModel();
            return true;
        case Qt::Key_Q:
            dialog_.RequestClose();
            return true;
        case Qt::Key_0:
            dialog_.GetMainHandler().ResetView();
            return true;
        default:
            return false;
        }
    }
    // The arrows pan the main view by a tenth of what it shows.
    CMainHandler& view = dialog_.GetMainHandler();
    switch (key.key()) {
    case Qt::Key_Left:
        view.PanBy(-0.1f, 0.0f);
        return true;
    case Qt::Key_Right:
        view.PanBy(0.1f, 0.0f);
        return true;
    case Qt::Key_Up:
        view.PanBy(0.0f, 0.1f);
        return true;
    case Qt::Key_Down:
        view.PanBy(0.0f, -0.1f);
        return true;
    case Qt::Key_Home:
        view.ResetView();
        return true;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        dialog_.DeleteCurrentNode();
        return true;
    // Escape and Enter would otherwise become button commands of the main window.
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        return false;
    }
}

#pragma once
#include "FileBytes.h"
#include "app/QuorvelDlg.h"
#include "core/Echo.h"
#include "platform/win/FramePresenter.h"
#include "platform/win/ModalPrompts.h"
#include "platform/win/WindowHandles.h"
#include "resources/ResourceIds.h"
#include "scene/SceneNode.h"
#include "scene/World.h"
#include "ui/SceneTreeControl.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QUndoStack>
#include <deque>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

// The real main window, created offscreen, with every prompt answered by the
// test: message boxes from a queue of answers (then OK), file dialogs with a
// queued path (or nothing, for a cancelled dialog); popup menus are recorded.
class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ModalPrompts::SetMessageBoxAnswerer([this](const ModalPrompts::MessageBoxRequest& request) {
            boxesShown.push_back(request);
            return boxAnswers.empty() ? IDOK : Next(boxAnswers);
        });
        ModalPrompts::SetFileDialogAnswerer([this](const ModalPrompts::FileDialogRequest& request) {
            fileDialogsShown.push_back(request);
            return fileAnswers.empty() ? std::nullopt : Next(fileAnswers);
        });
        ModalPrompts::SetPopupMenuAnswerer([this](const ModalPrompts::PopupMenuRequest& request) {
            menusShown.push_back(request);
            return menuAnswer;
        });
        Open(RecoveryFolder());
        dialog->ShowWindow(SW_SHOW);
    }
    void TearDown() override
    {
        dialog.reset();
        ModalPrompts::SetMessageBoxAnswerer({});
        ModalPrompts::SetFileDialogAnswerer({});
        ModalPrompts::SetPopupMenuAnswerer({});
    }
    template <typename T> static T Next(std::deque<T>& queue)
    {
        T first = queue.front();
        queue.pop_front();
        return first;
    }

    // Creates the main window over world, keeping unsaved work in the recovery folder.
    void Open(const QString& recovery)
    {
        dialog.emplace(world);
        dialog->SetRecoveryFolder(recovery);
        ASSERT_TRUE(dialog->Create(IDD_QUORVEL_DIALOG));
    }
    QString RecoveryFolder() const { return dir.filePath(QStringLiteral("recovery")); }
    QWidget* Window() { return WindowHandles::WidgetOf(dialog->GetSafeHwnd()); }
    QWidget* MainView() { return WindowHandles::WidgetOf(dialog->GetMainHandler().GetWindow()); }
    QWidget* ZoomView() { return WindowHandles::WidgetOf(dialog->GetZoomHandler().GetWindow()); }
    QWidget* Control(int id) { return WindowHandles::WidgetOf(dialog->GetDlgItem(id)->GetSafeHwnd()); }
    QUndoStack& Stack() { return dialog->GetHistory().Stack(); }

    // Mouse input on a view, in its client pixels.
    static void Mouse(QWidget* view, QEvent::Type type, QPoint at, Qt::MouseButton button,
                      Qt::MouseButtons held, Qt::KeyboardModifiers keys = Qt::NoModifier)
    {
        QMouseEvent event(type, at, view->mapToGlobal(at), button, held, keys);
        QApplication::sendEvent(view, &event);
    }
    static void Press(QWidget* view, QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        Mouse(view, QEvent::MouseButtonPress, at, button, button);
    }
    static void Move(QWidget* view, QPoint to, Qt::MouseButtons held)
    {
        Mouse(view, QEvent::MouseMove, to, Qt::NoButton, held);
    }
    static void Release(QWidget* view, QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        Mouse(view, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
    }
    static void Click(QWidget* view, QPoint at)
    {
        Press(view, at);
        Release(view, at);
    }
    static void ContextMenuOn(QWidget* widget)
    {
        const QPoint at = widget->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &event);
    }

    // The world point under a client point of a view.
    static TAV_Vector3 WorldPointOf(const TAV_WindowHandler& handler, QPoint at)
    {
        int dx = 0, dy = 0;
        EXPECT_TRUE(handler.ClientToDevice(at.x(), at.y(), dx, dy));
        float wx = 0, wy = 0;
        handler.DeviceToWorld(dx, dy, wx, wy);
        return TAV_Vector3(wx, wy, 0);
    }
    TAV_Vector3 MainWorldPoint(QPoint at) { return WorldPointOf(dialog->GetMainHandler(), at); }
    // The client point of the main view nearest to a world point.
    QPoint MainClientPoint(float wx, float wy)
    {
        int dx = 0, dy = 0;
        dialog->GetMainHandler().WorldToDevice(wx, wy, dx, dy);
        return QPoint(dx, MainView()->height() - dy);
    }
    // One timer tick, then the frame the view last presented.
    QImage TickAndGrab(QWidget* view)
    {
        dialog->DrawViews();
        return FramePresenter::LastFrame(WindowHandles::HandleOf(view));
    }
    std::wstring EchoText() { return CWnd::FromHandle(EchoWindow)->GetWindowText(); }
    // Items in the scene tree, nested ones included.
    UINT TreeItems()
    {
        auto* tree = static_cast<QTreeWidget*>(WindowHandles::WidgetOf(SceneTreePanel->GetTreeCtrl().m_hWnd));
        return static_cast<UINT>(tree->findItems("*", Qt::MatchWildcard | Qt::MatchRecursive).size());
    }

    CWorld world;
    std::optional<CQuorvelDlg> dialog;
    std::deque<int> boxAnswers;
    std::vector<ModalPrompts::MessageBoxRequest> boxesShown;
    std::deque<std::optional<ModalPrompts::FileDialogAnswer>> fileAnswers;
    std::vector<ModalPrompts::FileDialogRequest> fileDialogsShown;
    std::vector<ModalPrompts::PopupMenuRequest> menusShown;
    UINT menuAnswer = 0; // the item every popup menu answers with; 0 dismisses it
    QTemporaryDir dir;
};

#include "MainWindowFixture.h"

#include "core/Echo.h"
#include "platform/win/FramePresenter.h"
#include "platform/win/WindowFunctions.h"
#include "platform/win/WindowHandles.h"
#include "resources/ResourceIds.h"
#include "scene/SceneNode.h"
#include "ui/SceneTreeControl.h"

#include <QLabel>
#include <QTest>
#include <QWidget>

void MainWindowTest::SetUp()
{
    ModalPrompts::SetMessageBoxAnswerer([this](const ModalPrompts::MessageBoxRequest& request) {
        boxesShown.push_back(request);
        if (boxAnswers.empty())
            return IDOK;
        const int answer = boxAnswers.front();
        boxAnswers.erase(boxAnswers.begin());
        return answer;
    });
    ModalPrompts::SetFileDialogAnswerer([this](const ModalPrompts::FileDialogRequest& request) {
        fileDialogsShown.push_back(request);
        std::optional<ModalPrompts::FileDialogAnswer> answer;
        if (!fileAnswers.empty()) {
            answer = fileAnswers.front();
            fileAnswers.erase(fileAnswers.begin());
        }
        return answer;
    });
    ModalPrompts::SetPopupMenuAnswerer([this](const ModalPrompts::PopupMenuRequest& request) {
        menusShown.push_back(request);
        return menuAnswer;
    });
    dialog.emplace(world);
    dialog->SetRecoveryFolder(RecoveryFolder());
    ASSERT_TRUE(dialog->Create(IDD_QUORVEL_DIALOG));
    dialog->ShowWindow(SW_SHOW);
}

void MainWindowTest::TearDown()
{
    dialog.reset();
    ModalPrompts::SetMessageBoxAnswerer({});
    ModalPrompts::SetFileDialogAnswerer({});
    ModalPrompts::SetPopupMenuAnswerer({});
}

QString MainWindowTest::RecoveryFolder() const
{
    return dir.filePath(QStringLiteral("recovery"));
}

QWidget* MainWindowTest::MainView()
{
    return WindowHandles::WidgetOf(dialog->GetMainHandler().GetWindow());
}

QWidget* MainWindowTest::ZoomView()
{
    return WindowHandles::WidgetOf(dialog->GetZoomHandler().GetWindow());
}

QWidget* MainWindowTest::Control(int id)
{
    CWnd* control = dialog->GetDlgItem(id);
    return control ? WindowHandles::WidgetOf(control->GetSafeHwnd()) : nullptr;
}

void MainWindowTest::Press(QWidget* view, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(QEvent::MouseButtonPress, at, view->mapToGlobal(at), button, held | button,
                      Qt::NoModifier);
    QApplication::sendEvent(view, &event);
}

void MainWindowTest::Move(QWidget* view, QPoint to, Qt::MouseButtons held)
{
    QMouseEvent event(QEvent::MouseMove, to, view->mapToGlobal(to), Qt::NoButton, held, Qt::NoModifier);
    QApplication::sendEvent(view, &event);
}

void MainWindowTest::Release(QWidget* view, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(QEvent::MouseButtonRelease, at, view->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(view, &event);
}

void MainWindowTest::Click(QWidget* view, QPoint at)
{
    Press(view, at);
    Release(view, at);
}

TAV_Vector3 MainWindowTest::WorldPointOf(const TAV_WindowHandler& handler, QPoint at)
{
    int dx = 0;
    int dy = 0;
    EXPECT_TRUE(handler.ClientToDevice(at.x(), at.y(), dx, dy));
    float wx = 0;
    float wy = 0;
    handler.DeviceToWorld(dx, dy, wx, wy);
    return TAV_Vector3(wx, wy, 0);
}

QPoint MainWindowTest::MainClientPoint(float wx, float wy)
{
    int dx = 0;
    int dy = 0;
    dialog->GetMainHandler().WorldToDevice(wx, wy, dx, dy);
    return QPoint(dx, MainView()->height() - dy);
}

QImage MainWindowTest::TickAndGrab(QWidget* view)
{
    dialog->DrawViews();
    return FramePresenter::LastFrame(WindowHandles::HandleOf(view));
}

std::wstring MainWindowTest::EchoText()
{
    return CWnd::FromHandle(EchoWindow)->GetWindowText();
}

int MainWindowTest::TopLevelTreeItems()
{
    CTreeCtrl& tree = SceneTreePanel->GetTreeCtrl();
    int count = 0;
    for (HTREEITEM item = tree.GetRootItem(); item; item = tree.GetNextSiblingItem(item))
        ++count;
    return count;
}

int MainWindowTest::TopLevelObjects()
{
    int count = 0;
    for (int i = 0; i < world.Root->NumChildren(); ++i)
        count += world.Root->GetChild(i) != nullptr;
    return count;
}

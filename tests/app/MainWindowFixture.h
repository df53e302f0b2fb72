#pragma once
#include "app/QuorvelDlg.h"
#include "platform/win/ModalPrompts.h"
#include "scene/World.h"

#include <QImage>
#include <QPoint>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

class QWidget;

// The real main window, created offscreen, with every prompt answered by the
// test: message boxes from a queue of answers, file dialogs with a queued path
// (or nothing, for a cancelled dialog); popup menus are recorded.
class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Where the window keeps unsaved work against a crash: inside the test's folder.
    QString RecoveryFolder() const;
    QWidget* MainView();
    QWidget* ZoomView();
    QWidget* Control(int id);
    // Mouse input on a view, in its client pixels.
    void Press(QWidget* view, QPoint at, Qt::MouseButton button = Qt::LeftButton,
               Qt::MouseButtons held = Qt::NoButton);
    void Move(QWidget* view, QPoint to, Qt::MouseButtons held);
    void Release(QWidget* view, QPoint at, Qt::MouseButton button = Qt::LeftButton,
                 Qt::MouseButtons held = Qt::NoButton);
    void Click(QWidget* view, QPoint at);
    // The world point under a client point of a view.
    static TAV_Vector3 WorldPointOf(const TAV_WindowHandler& handler, QPoint at);
    TAV_Vector3 MainWorldPoint(QPoint at) { return WorldPointOf(dialog->GetMainHandler(), at); }
    // The client point of the main view nearest to a world point.
    QPoint MainClientPoint(float wx, float wy);
    // One timer tick, then the frame the view last presented.
    QImage TickAndGrab(QWidget* view);
    std::wstring EchoText();
    int TopLevelTreeItems();
    int TopLevelObjects();

    CWorld world;
    std::optional<CQuorvelDlg> dialog;
    std::vector<int> boxAnswers;
    std::vector<ModalPrompts::MessageBoxRequest> boxesShown;
    std::vector<std::optional<ModalPrompts::FileDialogAnswer>> fileAnswers;
    std::vector<ModalPrompts::FileDialogRequest> fileDialogsShown;
    std::vector<ModalPrompts::PopupMenuRequest> menusShown;
    // The item every popup menu answers with; 0 dismisses it.
    UINT menuAnswer = 0;
    QTemporaryDir dir;
};

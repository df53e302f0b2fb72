#pragma once
// The panels as the main window holds them: the selection panel placed into
// the main window's controls placeholder, with the hierarchy popup it owns and
// the scene tree, transform and attribute panels inside. The helpers drive the
// real controls the way a user does.
#include "platform/win/Dialog.h"
#include "platform/win/TreeItemHandles.h"
#include "platform/win/WidgetTraits.h"
#include "platform/win/WindowHandles.h"
#include "resources/ResourceIds.h"
#include "scene/SceneNode.h"
#include "scene/World.h"
#include "ui/PlaceControlDialog.h"
#include "ui/PrimitiveSelect.h"
#include "ui/SliderCtrlWithEcho.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

inline QWidget* WidgetOf(const CWnd& window)
{
    return WindowHandles::WidgetOf(window.m_hWnd);
}

template <typename T> T* ControlOf(const CWnd& dialog, int id)
{
    return qobject_cast<T*>(WidgetTraits::FindChild(WidgetOf(dialog), id));
}

inline void Click(const CWnd& dialog, int id)
{
    auto* button = ControlOf<QAbstractButton>(dialog, id);
    ASSERT_NE(button, nullptr) << "no button " << id;
    QTest::mouseClick(button, Qt::LeftButton);
}

inline bool IsChecked(const CWnd& dialog, int id)
{
    auto* button = ControlOf<QAbstractButton>(dialog, id);
    return button && button->isChecked();
}

inline QString LabelText(const CWnd& dialog, int id)
{
    auto* label = ControlOf<QLabel>(dialog, id);
    return label ? label->text() : QStringLiteral("<no label>");
}

// Drags the thumb to position as the user does: press, move, release.
inline void MoveSlider(QSlider* slider, int position)
{
    ASSERT_NE(slider, nullptr);
    slider->setSliderDown(true);
    slider->setSliderPosition(position);
    slider->setSliderDown(false);
}

// The slider's echo field, where values are shown and typed.
inline QLineEdit* EchoFieldOf(const QSlider* slider)
{
    return qobject_cast<QLineEdit*>(
        WidgetTraits::FindChild(slider->parentWidget(), WidgetTraits::ControlId(slider) +
                                                            int(TAVMFC_SliderCtrlWithEcho::EchoIdOffset)));
}

inline QString EchoOf(const QSlider* slider)
{
    const QLineEdit* echo = EchoFieldOf(slider);
    return echo ? echo->text() : QStringLiteral("<no echo>");
}

// Types text into the slider's field and ends it with key (Enter or Escape).
inline void TypeInto(const QSlider* slider, const QString& text, Qt::Key key = Qt::Key_Return)
{
    QLineEdit* echo = EchoFieldOf(slider);
    ASSERT_NE(echo, nullptr);
    echo->setText(text);
    QTest::keyClick(echo, key);
}

class PanelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Create(IDD_QUORVEL_DIALOG));
        ASSERT_TRUE(PlaceControlDialog(&host, IDC_MAIN_CONTROLS, &selectPanel, IDD_PRIMITIVE_SELECT));
    }

    CSceneTreeControl& SceneTree() { return selectPanel.GetHierarchy().GetSceneTree(); }
    CXformInfoControl& Xform() { return SceneTree().GetXformPanel(); }
    CPrimitiveControl& Attributes() { return SceneTree().GetPrimitivePanel(); }
    QTreeWidget* Tree() { return qobject_cast<QTreeWidget*>(WidgetOf(SceneTree().GetTreeCtrl())); }

    void ShowPopup()
    {
        Click(selectPanel, IDC_VIEW_HIERARCHY);
        ASSERT_TRUE(selectPanel.GetHierarchy().IsWindowVisible());
    }

    // Hangs node under the root and brings the tree in line with the world.
    template <typename Node> Node* AddTopLevel(Node* node)
    {
        world.Root->AddChild(node);
        SceneTree().RebuildTree();
        return node;
    }

    QTreeWidgetItem* ItemOf(const TAV_SceneNode* node)
    {
        for (QTreeWidgetItemIterator it(Tree()); *it; ++it)
            if (TreeItemHandles::Param(*it) == reinterpret_cast<LPARAM>(node))
                return *it;
        return nullptr;
    }

    // Clicks the node's item, opening its ancestors first.
    void SelectNode(const TAV_SceneNode* node)
    {
        QTreeWidgetItem* item = ItemOf(node);
        ASSERT_NE(item, nullptr);
        for (QTreeWidgetItem* parent = item->parent(); parent; parent = parent->parent())
            parent->setExpanded(true);
        Tree()->scrollToItem(item);
        QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, {}, Tree()->visualItemRect(item).center());
        ASSERT_EQ(Tree()->currentItem(), item);
    }

    CWorld world;
    CDialog host;
    primitiveSelect selectPanel{world};
};

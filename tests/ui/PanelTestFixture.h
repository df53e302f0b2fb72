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

class PanelTest : public ::testing::Test
{
protected:
    static QWidget* WidgetOf(const CWnd& window) { return WindowHandles::WidgetOf(window.m_hWnd); }
    template <typename T> static T* ControlOf(const CWnd& dialog, int id)
    {
        return qobject_cast<T*>(WidgetTraits::FindChild(WidgetOf(dialog), id));
    }
    static void Click(const CWnd& dialog, int id)
    {
        QTest::mouseClick(ControlOf<QAbstractButton>(dialog, id), Qt::LeftButton);
    }
    static bool IsChecked(const CWnd& dialog, int id)
    {
        return ControlOf<QAbstractButton>(dialog, id)->isChecked();
    }
    static QString LabelText(const CWnd& dialog, int id) { return ControlOf<QLabel>(dialog, id)->text(); }
    // Drags the thumb to position as the user does: press, move, release.
    static void MoveSlider(QSlider* slider, int position)
    {
        slider->setSliderDown(true);
        slider->setSliderPosition(position);
        slider->setSliderDown(false);
    }
    // The slider's echo field, where values are shown and typed.
    static QLineEdit* EchoFieldOf(const QSlider* slider)
    {
        return qobject_cast<QLineEdit*>(
            WidgetTraits::FindChild(slider->parentWidget(), WidgetTraits::ControlId(slider) +
                                                                TAVMFC_SliderCtrlWithEcho::EchoIdOffset));
    }
    static QString EchoOf(const QSlider* slider) { return EchoFieldOf(slider)->text(); }
    // Types text into the slider's field and ends it with key (Enter or Escape).
    static void TypeInto(const QSlider* slider, const QString& text, Qt::Key key = Qt::Key_Return)
    {
        EchoFieldOf(slider)->setText(text);
        QTest::keyClick(EchoFieldOf(slider), key);
    }

    void SetUp() override
    {
        ASSERT_TRUE(host.Create(IDD_QUORVEL_DIALOG));
        ASSERT_TRUE(PlaceControlDialog(&host, IDC_MAIN_CONTROLS, &selectPanel, IDD_PRIMITIVE_SELECT));
    }
    // Opens the hierarchy popup with its button, as the user does.
    void ShowPopup() { Click(selectPanel, IDC_VIEW_HIERARCHY); }

    CSceneTreeControl& SceneTree() { return selectPanel.GetHierarchy().GetSceneTree(); }
    CXformInfoControl& Xform() { return SceneTree().GetXformPanel(); }
    CPrimitiveControl& Attributes() { return SceneTree().GetPrimitivePanel(); }
    QTreeWidget* Tree() { return qobject_cast<QTreeWidget*>(WidgetOf(SceneTree().GetTreeCtrl())); }

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

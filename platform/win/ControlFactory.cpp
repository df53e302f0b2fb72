#include "platform/win/ControlFactory.h"

#include "platform/win/TreeItemHandles.h"
#include "platform/win/WidgetTraits.h"
#include "platform/win/WindowBridge.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTreeWidget>

namespace {

// Asks the parent for the control's colours each time the control paints.
class ControlColorFilter : public QObject
{
public:
    ControlColorFilter(QWidget* control, UINT type) : QObject(control), type_(type)
    {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            WindowBridge::ApplyControlColor(static_cast<QWidget*>(watched), type_);
        return false;
    }

private:
    UINT type_;
};

// Clicking an automatic radio button checks it and clears the others of its group.
void CheckRadioInGroup(QRadioButton* radio)
{
    radio->setChecked(true);
    for (QRadioButton* other : radio->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
        if (other != radio && WidgetTraits::RadioGroup(other) == WidgetTraits::RadioGroup(radio))
            other->setChecked(false);
}

QWidget* CreateButton(DWORD style, const QString& text, QWidget* parent)
{
    switch (style & BS_TYPEMASK) {
    case BS_GROUPBOX: {
        auto* group = new QGroupBox(text, parent);
        group->setAttribute(Qt::WA_TransparentForMouseEvents);
        new ControlColorFilter(group, CTLCOLOR_STATIC);
        return group;
    }
    case BS_AUTOCHECKBOX: {
        auto* check = new QCheckBox(text, parent);
        QObject::connect(check, &QCheckBox::clicked, check,
                         [check] { WindowBridge::SendCommand(check, BN_CLICKED); });
        new ControlColorFilter(check, CTLCOLOR_STATIC);
        return check;
    }
    case BS_AUTORADIOBUTTON: {
        auto* radio = new QRadioButton(text, parent);
        radio->setAutoExclusive(false);
        QObject::connect(radio, &QRadioButton::clicked, radio, [radio] {
            CheckRadioInGroup(radio);
            WindowBridge::SendCommand(radio, BN_CLICKED);
        });
        new ControlColorFilter(radio, CTLCOLOR_STATIC);
        return radio;
    }
    default: {
        auto* button = new QPushButton(text, parent);
        button->setDefault((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
        button->setAutoDefault(false);
        QObject::connect(button, &QPushButton::clicked, button,
                         [button] { WindowBridge::SendCommand(button, BN_CLICKED); });
        new ControlColorFilter(button, CTLCOLOR_BTN);
        return button;
    }
    }
}

QWidget* CreateStatic(DWORD style, const QString& text, QWidget* parent)
{
    if ((style & SS_TYPEMASK) == SS_BLACKFRAME) {
        auto* frame = new QFrame(parent);
        frame->setFrameStyle(QFrame::Box | QFrame::Plain);
        QPalette palette = frame->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        frame->setPalette(palette);
        return frame;
    }
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    const Qt::Alignment horizontal = (style & SS_TYPEMASK) == SS_CENTER ? Qt::AlignHCenter : Qt::AlignLeft;
    label->setAlignment(horizontal | ((style & SS_CENTERIMAGE) ? Qt::AlignVCenter : Qt::AlignTop));
    if (style & SS_SUNKEN)
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    else if (style & WS_BORDER)
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
    new ControlColorFilter(label, CTLCOLOR_STATIC);
    return label;
}

QWidget* CreateTrackbar(DWORD style, QWidget* parent)
{
    const bool vertical = style & TBS_VERT;
    auto* slider = new QSlider(vertical ? Qt::Vertical : Qt::Horizontal, parent);
    // Trackbars start at 0..100 and, upright, have their minimum at the top.
    slider->setRange(0, 100);
    slider->setInvertedAppearance(vertical);
    slider->setInvertedControls(vertical);
    slider->setTickPosition((style & TBS_NOTICKS) ? QSlider::NoTicks : QSlider::TicksBelow);
    QObject::connect(slider, &QSlider::valueChanged, slider, [slider](int value) {
        WindowBridge::SendScroll(slider, slider->isSliderDown() ? TB_THUMBTRACK : TB_THUMBPOSITION, value);
    });
    QObject::connect(slider, &QSlider::sliderReleased, slider,
                     [slider] { WindowBridge::SendScroll(slider, TB_ENDTRACK, 0); });
    return slider;
}

// Enter and Escape are the edit's own: they reach its parent as notifications
// and never press a button of the dialog.
class EditKeys : public QObject
{
public:
    explicit EditKeys(QLineEdit* edit) : QObject(edit) { edit->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Escape)
            return false;
        WindowBridge::SendCommand(static_cast<QWidget*>(watched),
                                  key == Qt::Key_Escape ? EN_ESCAPE : EN_RETURN);
        return true;
    }
};

QWidget* CreateEdit(const QString& text, QWidget* parent)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setAlignment(Qt::AlignCenter);
    new EditKeys(edit);
    return edit;
}

QWidget* CreateTreeView(DWORD style, QWidget* parent)
{
    auto* tree = new QTreeWidget(parent);
    tree->setColumnCount(1);
    tree->setHeaderHidden(true);
    tree->setRootIsDecorated(style & TVS_HASBUTTONS);
    tree->setHorizontalScrollBarPolicy((style & WS_HSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tree->header()->setStretchLastSection(false);
    QObject::connect(tree, &QTreeWidget::currentItemChanged, tree,
                     [tree](QTreeWidgetItem* current, QTreeWidgetItem* previous) {
                         NMTREEVIEWW change;
                         change.hdr.code = TVN_SELCHANGED;
                         change.itemOld = TreeItemHandles::Describe(previous);
                         change.itemNew = TreeItemHandles::Describe(current);
                         WindowBridge::SendNotify(tree, &change.hdr);
                     });
    return tree;
}

} // namespace

namespace ControlFactory {

QWidget* Create(ControlClass windowClass, DWORD style, const QString& text, int id, QWidget* parent)
{
    QWidget* control = nullptr;
    switch (windowClass) {
    case ControlClass::Button:
        control = CreateButton(style, text, parent);
        break;
    case ControlClass::Static:
        control = CreateStatic(style, text, parent);
        break;
    case ControlClass::Trackbar:
        control = CreateTrackbar(style, parent);
        break;
    case ControlClass::TreeView:
        control = CreateTreeView(style, parent);
        break;
    case ControlClass::Edit:
        control = CreateEdit(text, parent);
        break;
    }
    WidgetTraits::SetControlId(control, id);
    WidgetTraits::SetStyles(control, style, 0);
    control->setEnabled(!(style & WS_DISABLED));
    control->setVisible(style & WS_VISIBLE);
    return control;
}

} // namespace ControlFactory

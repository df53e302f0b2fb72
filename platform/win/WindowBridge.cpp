#include "platform/win/WindowBridge.h"

#include "platform/win/DC.h"
#include "platform/win/WidgetTraits.h"
#include "platform/win/WindowHandles.h"
#include "platform/win/Wnd.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QResizeEvent>
#include <QWheelEvent>
#include <QWidget>
#include <cmath>
#include <vector>

namespace {

const char* const kBridgeName = "quorvelWindowBridge";

// Stand-ins whose windows are gone; freed once the event loop runs again, so a
// caller still holding one across DestroyWindow does not touch freed memory.
std::vector<std::unique_ptr<CWnd>>& Graveyard()
{
    static std::vector<std::unique_ptr<CWnd>> graveyard;
    return graveyard;
}

void Bury(std::unique_ptr<CWnd> standIn)
{
    Graveyard().push_back(std::move(standIn));
    if (Graveyard().size() == 1 && QCoreApplication::instance())
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] { Graveyard().clear(); }, Qt::QueuedConnection);
}

UINT MouseFlags(const QSinglePointEvent* event)
{
    UINT flags = 0;
    if (event->buttons() & Qt::LeftButton)
        flags |= MK_LBUTTON;
    if (event->buttons() & Qt::RightButton)
        flags |= MK_RBUTTON;
    if (event->buttons() & Qt::MiddleButton)
        flags |= MK_MBUTTON;
    if (event->modifiers() & Qt::ShiftModifier)
        flags |= MK_SHIFT;
    if (event->modifiers() & Qt::ControlModifier)
        flags |= MK_CONTROL;
    return flags;
}

COLORREF ToColorRef(const QColor& color)
{
    return RGB(color.red(), color.green(), color.blue());
}

} // namespace

// Runs one handler; true when it did not ask for the default processing.
class HandlerCall
{
public:
    template <typename Call> static bool Handled(CWnd* window, Call call)
    {
        const bool outer = window->m_defaultRequested;
        window->m_defaultRequested = false;
        call();
        const bool handled = !window->m_defaultRequested;
        window->m_defaultRequested = outer;
        return handled;
    }
};

WindowBridge::WindowBridge(QWidget* widget) : QObject(widget), widget_(widget)
{
    setObjectName(QLatin1String(kBridgeName));
    widget->installEventFilter(this);
}

WindowBridge::~WindowBridge()
{
    if (owner_)
        owner_->m_hWnd = nullptr;
    if (standIn_) {
        standIn_->m_hWnd = nullptr;
        Bury(std::move(standIn_));
    }
}

WindowBridge* WindowBridge::Of(QWidget* widget, bool create)
{
    if (!widget)
        return nullptr;
    auto* bridge = static_cast<WindowBridge*>(
        widget->findChild<QObject*>(QLatin1String(kBridgeName), Qt::FindDirectChildrenOnly));
    if (!bridge && create)
        bridge = new WindowBridge(widget);
    return bridge;
}

CWnd* WindowBridge::OwnerOf(QWidget* widget)
{
    WindowBridge* bridge = Of(widget, false);
    return bridge ? bridge->owner_ : nullptr;
}

void WindowBridge::Bind(CWnd* owner)
{
    owner_ = owner;
    owner->m_hWnd = WindowHandles::HandleOf(widget_);
}

void WindowBridge::Unbind()
{
    if (owner_)
        owner_->m_hWnd = nullptr;
    owner_ = nullptr;
}

CWnd* WindowBridge::StandIn()
{
    if (!standIn_) {
        standIn_ = std::make_unique<CWnd>();
        standIn_->m_hWnd = WindowHandles::HandleOf(widget_);
    }
    return standIn_.get();
}

void WindowBridge::SendCommand(QWidget* control, UINT code)
{
    if (CWnd* parent = OwnerOf(control->parentWidget()))
        parent->OnCommand(MAKEWPARAM(static_cast<UINT>(WidgetTraits::ControlId(control)), code),
                          reinterpret_cast<LPARAM>(WindowHandles::HandleOf(control)));
}

bool WindowBridge::SendOwnCommand(QWidget* window, int id)
{
    CWnd* owner = OwnerOf(window);
    if (owner)
        owner->OnCommand(MAKEWPARAM(static_cast<UINT>(id), BN_CLICKED), 0);
    return owner != nullptr;
}

void WindowBridge::SendScroll(QWidget* trackbar, UINT code, int position)
{
    const bool vertical = WidgetTraits::Style(trackbar) & TBS_VERT;
    CWnd* bar = CWnd::FromHandle(WindowHandles::HandleOf(trackbar));
    const UINT pos = static_cast<UINT>(position);
    // A horizontal trackbar's parent hears of the scroll first and passes it on;
    // no parent handles vertical ones, so they hear of it themselves.
    if (vertical)
        bar->VScroll(code, pos);
    else if (CWnd* parent = OwnerOf(trackbar->parentWidget()))
        parent->OnHScroll(code, pos, bar);
    else
        bar->HScroll(code, pos);
}

LRESULT WindowBridge::SendNotify(QWidget* control, NMHDR* header)
{
    header->hwndFrom = WindowHandles::HandleOf(control);
    header->idFrom = static_cast<UINT_PTR>(WidgetTraits::ControlId(control));
    LRESULT result = 0;
    if (CWnd* parent = OwnerOf(control->parentWidget()))
        parent->OnNotify(header->idFrom, reinterpret_cast<LPARAM>(header), &result);
    return result;
}

void WindowBridge::ApplyControlColor(QWidget* control, UINT controlType)
{
    CWnd* parent = OwnerOf(control->parentWidget());
    if (!parent)
        return;
    CDC dc;
    dc.SetTextColor(ToColorRef(control->parentWidget()->palette().color(QPalette::WindowText)));
    parent->OnCtlColor(&dc, CWnd::FromHandle(WindowHandles::HandleOf(control)), controlType);
    const QColor wanted(GetRValue(dc.GetTextColor()), GetGValue(dc.GetTextColor()),
                        GetBValue(dc.GetTextColor()));
    // Only a change repaints, so answering the same colour again does not loop.
    if (control->palette().color(QPalette::WindowText) != wanted) {
        QPalette palette = control->palette();
        for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            palette.setColor(role, wanted);
        control->setPalette(palette);
    }
}

void WindowBridge::SendDestroy(QWidget* widget)
{
    if (CWnd* owner = OwnerOf(widget))
        owner->OnDestroy();
    for (QWidget* child : widget->findChildren<QWidget*>())
        if (CWnd* owner = OwnerOf(child))
            owner->OnDestroy();
}

void WindowBridge::SendTimer(QWidget* widget, UINT_PTR id)
{
    if (CWnd* owner = OwnerOf(widget))
        owner->OnTimer(id);
}

bool WindowBridge::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != widget_ || !owner_)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        return DispatchMouse(event);
    case QEvent::Paint:
        return DispatchPaint();
    case QEvent::Wheel: {
        auto* wheel = static_cast<QWheelEvent*>(event);
        const POINT screen{static_cast<LONG>(std::floor(wheel->globalPosition().x())),
                           static_cast<LONG>(std::floor(wheel->globalPosition().y()))};
        const auto delta = static_cast<short>(wheel->angleDelta().y());
        CWnd* owner = owner_;
        return HandlerCall::Handled(owner, [&] { owner->OnMouseWheel(MouseFlags(wheel), delta, screen); });
    }
    case QEvent::Resize: {
        const QSize size = static_cast<QResizeEvent*>(event)->size();
        CWnd* owner = owner_;
        HandlerCall::Handled(owner, [&] { owner->OnSize(SIZE_RESTORED, size.width(), size.height()); });
        return false;
    }
    case QEvent::ContextMenu: {
        auto* menuEvent = static_cast<QContextMenuEvent*>(event);
        QWidget* clicked = widget_->childAt(menuEvent->pos());
        CWnd* window = CWnd::FromHandle(WindowHandles::HandleOf(clicked ? clicked : widget_));
        const POINT screen{menuEvent->globalPos().x(), menuEvent->globalPos().y()};
        return HandlerCall::Handled(owner_, [&] { owner_->OnContextMenu(window, screen); });
    }
    default:
        return false;
    }
}

bool WindowBridge::DispatchMouse(QEvent* event)
{
    auto* mouse = static_cast<QMouseEvent*>(event);
    const UINT flags = MouseFlags(mouse);
    // Client pixels; while captured they may lie outside the window, negative included.
    const POINT point{static_cast<LONG>(std::floor(mouse->position().x())),
                      static_cast<LONG>(std::floor(mouse->position().y()))};
    using Handler = void (CWnd::*)(UINT, POINT);
    struct ButtonHandlers
    {
        Qt::MouseButton button;
        Handler down, up, doubleClick;
    };
    static const ButtonHandlers kButtons[] = {
        {Qt::LeftButton, &CWnd::OnLButtonDown, &CWnd::OnLButtonUp, &CWnd::OnLButtonDblClk},
        {Qt::RightButton, &CWnd::OnRButtonDown, &CWnd::OnRButtonUp, &CWnd::OnRButtonDblClk},
        {Qt::MiddleButton, &CWnd::OnMButtonDown, &CWnd::OnMButtonUp, &CWnd::OnMButtonDblClk},
    };
    Handler handler = nullptr;
    if (event->type() == QEvent::MouseMove) {
        handler = &CWnd::OnMouseMove;
    } else {
        for (const ButtonHandlers& entry : kButtons)
            if (entry.button == mouse->button())
                handler = event->type() == QEvent::MouseButtonPress     ? entry.down
                          : event->type() == QEvent::MouseButtonRelease ? entry.up
                                                                        : entry.doubleClick;
    }
    if (!handler)
        return false;
    CWnd* owner = owner_;
    return HandlerCall::Handled(owner, [&] { (owner->*handler)(flags, point); });
}

bool WindowBridge::DispatchPaint()
{
    CWnd* owner = owner_;
    HandlerCall::Handled(owner, [&] {
        CPaintDC dc(owner);
        owner->OnEraseBkgnd(&dc);
    });
    return HandlerCall::Handled(owner, [&] { owner->OnPaint(); });
}

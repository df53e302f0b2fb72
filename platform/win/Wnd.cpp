#include "platform/win/Wnd.h"

#include "platform/win/DataExchange.h"
#include "platform/win/Icons.h"
#include "platform/win/WidgetTraits.h"
#include "platform/win/WindowBridge.h"
#include "platform/win/WindowFunctions.h"
#include "platform/win/WindowHandles.h"

#include <QAbstractButton>
#include <QTimer>
#include <QWidget>

namespace {

QWidget* WidgetOf(HWND window)
{
    return WindowHandles::WidgetOf(window);
}

// Runs use on the window's widget; a handle without a live widget answers absent.
template <class Result, class Use> Result WithWidget(HWND window, Result absent, Use&& use)
{
    QWidget* widget = WidgetOf(window);
    return widget ? use(*widget) : absent;
}

// The same for uses that answer nothing.
template <class Use> void WithWidget(HWND window, Use&& use)
{
    if (QWidget* widget = WidgetOf(window))
        use(*widget);
}

QString TimerName(UINT_PTR id)
{
    return QStringLiteral("quorvelTimer%1").arg(id);
}

QAbstractButton* ButtonOf(const QWidget* dialog, int id)
{
    return qobject_cast<QAbstractButton*>(WidgetTraits::FindChild(dialog, id));
}

} // namespace

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    if (WidgetOf(m_hWnd))
        CWnd::DestroyWindow();
}

CWnd* CWnd::FromHandle(HWND window)
{
    QWidget* widget = WidgetOf(window);
    if (!widget)
        return nullptr;
    WindowBridge* bridge = WindowBridge::Of(widget, true);
    return bridge->Owner() ? bridge->Owner() : bridge->StandIn();
}

BOOL CWnd::Attach(HWND window)
{
    QWidget* widget = WidgetOf(window);
    if (m_hWnd || !widget)
        return FALSE;
    WindowBridge* bridge = WindowBridge::Of(widget, true);
    if (bridge->Owner())
        return FALSE;
    bridge->Bind(this);
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    if (!parent)
        return FALSE;
    QWidget* control = WidgetTraits::FindChild(WidgetOf(parent->m_hWnd), static_cast<int>(id));
    return control && Attach(WindowHandles::HandleOf(control));
}

BOOL CWnd::CreateEx(DWORD exStyle, const wchar_t* windowName, DWORD style, const RECT& rect, CWnd* parent,
                    UINT id)
{
    QWidget* parentWidget = parent ? WidgetOf(parent->m_hWnd) : nullptr;
    if (m_hWnd || ((style & WS_CHILD) && !parentWidget))
        return FALSE;
    auto* widget = new QWidget(parentWidget, (style & WS_CHILD) ? Qt::Widget : Qt::Window);
    widget->setWindowTitle(QString::fromWCharArray(windowName ? windowName : L""));
    // Moves arrive without a button held too, as the platform sends them.
    widget->setMouseTracking(true);
    widget->setGeometry(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    widget->setEnabled(!(style & WS_DISABLED));
    WidgetTraits::SetControlId(widget, static_cast<int>(id));
    WidgetTraits::SetStyles(widget, style, exStyle);
    WindowBridge::Of(widget, true)->Bind(this);
    widget->setVisible(style & WS_VISIBLE);
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    // Only the handle is used from here on: destroying a stand-in's window retires the stand-in.
    return ::DestroyWindow(m_hWnd);
}

CWnd* CWnd::GetDlgItem(int id) const
{
    return FromHandle(WindowHandles::HandleOf(WidgetTraits::FindChild(WidgetOf(m_hWnd), id)));
}

int CWnd::GetDlgCtrlID() const
{
    return WidgetTraits::ControlId(WidgetOf(m_hWnd));
}

CWnd* CWnd::GetParent() const
{
    return FromHandle(::GetParent(m_hWnd));
}

DWORD CWnd::GetStyle() const
{
    return WithWidget(m_hWnd, DWORD{0}, [](QWidget& widget) {
        DWORD style = WidgetTraits::Style(&widget) & ~(WS_VISIBLE | WS_DISABLED);
        if (!widget.isHidden())
            style |= WS_VISIBLE;
        if (widget.testAttribute(Qt::WA_ForceDisabled))
            style |= WS_DISABLED;
        return style;
    });
}

DWORD CWnd::GetExStyle() const
{
    return WidgetTraits::ExStyle(WidgetOf(m_hWnd));
}

BOOL CWnd::ShowWindow(int command)
{
    return WithWidget(m_hWnd, FALSE, [command](QWidget& widget) -> BOOL {
        const bool wasShown = !widget.isHidden();
        const bool show = command != SW_HIDE;
        widget.setVisible(show);
        if (show != wasShown)
            if (CWnd* owner = WindowBridge::OwnerOf(&widget))
                owner->OnShowWindow(show, 0);
        return wasShown;
    });
}

BOOL CWnd::IsWindowVisible() const
{
    return WithWidget(m_hWnd, FALSE, [](QWidget& widget) -> BOOL { return widget.isVisible(); });
}

BOOL CWnd::EnableWindow(BOOL enable)
{
    return WithWidget(m_hWnd, FALSE, [enable](QWidget& widget) -> BOOL {
        const bool wasDisabled = widget.testAttribute(Qt::WA_ForceDisabled);
        widget.setEnabled(enable);
        return wasDisabled;
    });
}

void CWnd::SetWindowText(const wchar_t* text)
{
    SetWindowTextW(m_hWnd, text);
}

std::wstring CWnd::GetWindowText() const
{
    return WithWidget(m_hWnd, std::wstring(),
                      [](QWidget& widget) { return WidgetTraits::Text(&widget).toStdWString(); });
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint)
{
    ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}

void CWnd::MoveWindow(const RECT* rect, BOOL repaint)
{
    if (rect)
        MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}

void CWnd::GetWindowRect(RECT* rect) const
{
    ::GetWindowRect(m_hWnd, rect);
}

void CWnd::GetClientRect(RECT* rect) const
{
    ::GetClientRect(m_hWnd, rect);
}

void CWnd::ScreenToClient(POINT* point) const
{
    ::ScreenToClient(m_hWnd, point);
}

void CWnd::ScreenToClient(RECT* rect) const
{
    if (!rect)
        return;
    POINT topLeft{rect->left, rect->top}, bottomRight{rect->right, rect->bottom};
    ScreenToClient(&topLeft);
    ScreenToClient(&bottomRight);
    *rect = RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

BOOL CWnd::BringWindowToTop()
{
    return WithWidget(m_hWnd, FALSE, [](QWidget& widget) -> BOOL {
        widget.raise();
        return TRUE;
    });
}

void CWnd::UpdateWindow()
{
    WithWidget(m_hWnd, [](QWidget& widget) {
        if (widget.isVisible())
            widget.repaint();
    });
}

void CWnd::Invalidate(BOOL)
{
    WithWidget(m_hWnd, [](QWidget& widget) { widget.update(); });
}

CFont* CWnd::GetFont() const
{
    return WithWidget(m_hWnd, static_cast<CFont*>(nullptr), [this](QWidget& widget) {
        const QFont font = widget.font();
        m_font = CFont{font.family().toStdWString(), font.pointSize(), font.bold(), font.italic()};
        return &m_font;
    });
}

void CWnd::SetFont(const CFont* font, BOOL redraw)
{
    if (!font)
        return;
    WithWidget(m_hWnd, [font, redraw](QWidget& widget) {
        QFont qfont(QString::fromStdWString(font->m_face), font->m_pointSize);
        qfont.setBold(font->m_bold);
        qfont.setItalic(font->m_italic);
        widget.setFont(qfont);
        if (redraw)
            widget.update();
    });
}

void CWnd::SetIcon(HICON icon, BOOL)
{
    WithWidget(m_hWnd, [icon](QWidget& widget) { widget.setWindowIcon(Icons::IconOf(icon)); });
}

void CWnd::CheckRadioButton(int firstId, int lastId, int checkId)
{
    QWidget* dialog = WidgetOf(m_hWnd);
    for (int id = firstId; id <= lastId; ++id)
        if (QAbstractButton* button = ButtonOf(dialog, id))
            button->setChecked(id == checkId);
}

void CWnd::CheckDlgButton(int id, UINT check)
{
    if (QAbstractButton* button = ButtonOf(WidgetOf(m_hWnd), id))
        button->setChecked(check == BST_CHECKED);
}

UINT CWnd::IsDlgButtonChecked(int id) const
{
    QAbstractButton* button = ButtonOf(WidgetOf(m_hWnd), id);
    return button && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, void*)
{
    return WithWidget(m_hWnd, UINT_PTR{0}, [id, elapse](QWidget& widget) -> UINT_PTR {
        auto* timer = widget.findChild<QTimer*>(TimerName(id), Qt::FindDirectChildrenOnly);
        if (!timer) {
            timer = new QTimer(&widget);
            timer->setObjectName(TimerName(id));
            QObject::connect(timer, &QTimer::timeout, &widget,
                             [widget = &widget, id] { WindowBridge::SendTimer(widget, id); });
        }
        timer->start(static_cast<int>(elapse));
        return id == 0 ? 1 : id;
    });
}

BOOL CWnd::KillTimer(UINT_PTR id)
{
    return WithWidget(m_hWnd, FALSE, [id](QWidget& widget) -> BOOL {
        auto* timer = widget.findChild<QTimer*>(TimerName(id), Qt::FindDirectChildrenOnly);
        delete timer;
        return timer != nullptr;
    });
}

CWnd* CWnd::SetCapture()
{
    return FromHandle(::SetCapture(m_hWnd));
}

int CWnd::MessageBox(const wchar_t* text, const wchar_t* caption, UINT type)
{
    return MessageBoxW(m_hWnd, text, caption, type);
}

BOOL CWnd::UpdateData(BOOL saveAndValidate)
{
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

#include "platform/win/DC.h"

#include "platform/win/WindowHandles.h"
#include "platform/win/Wnd.h"

#include <QPainter>
#include <QWidget>

struct CDC::Surface
{
    explicit Surface(QWidget* widget) : painter(widget) { painter.setFont(widget->font()); }
    QPainter painter;
};

namespace {

QColor ToColor(COLORREF color)
{
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

} // namespace

CDC::CDC() = default;
CDC::~CDC() = default;

void CDC::BeginWindowPaint(CWnd* window)
{
    if (QWidget* widget = window ? WindowHandles::WidgetOf(window->m_hWnd) : nullptr)
        m_surface = std::make_unique<Surface>(widget);
}

COLORREF CDC::SetTextColor(COLORREF color)
{
    const COLORREF previous = m_textColor;
    m_textColor = color;
    return previous;
}

int CDC::SetBkMode(int mode)
{
    const int previous = m_bkMode;
    m_bkMode = mode;
    return previous;
}

void CDC::FillSolidRect(const RECT* rect, COLORREF color)
{
    if (!m_surface || !rect)
        return;
    m_surface->painter.fillRect(
        QRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top), ToColor(color));
}

int CDC::DrawText(const wchar_t* text, RECT* rect, UINT format)
{
    if (!m_surface || !rect || !text)
        return 0;
    QPainter& painter = m_surface->painter;
    int flags = (format & DT_CENTER) ? Qt::AlignHCenter : Qt::AlignLeft;
    flags |= (format & DT_VCENTER) && (format & DT_SINGLELINE) ? Qt::AlignVCenter : Qt::AlignTop;
    flags |= (format & DT_SINGLELINE) ? Qt::TextSingleLine : Qt::TextWordWrap;
    painter.setPen(ToColor(m_textColor));
    // An opaque background fills the text cells in white, the default background colour.
    painter.setBackgroundMode(m_bkMode == OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
    painter.setBackground(Qt::white);
    const QRect box(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
    QRect drawn;
    painter.drawText(box, flags, QString::fromWCharArray(text), &drawn);
    return drawn.height();
}

CPaintDC::CPaintDC(CWnd* window)
{
    BeginWindowPaint(window);
}

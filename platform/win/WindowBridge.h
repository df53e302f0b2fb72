#pragma once
// Carries a widget's messages to the window object bound to it. Lives as a child
// of the widget, so it goes with the widget; the bound object then loses its handle.
#include "platform/win/WinTypes.h"

#include <QObject>
#include <memory>

class CWnd;
class QWidget;

class WindowBridge : public QObject
{
public:
    ~WindowBridge() override;

    // The bridge of the widget; created on request.
    static WindowBridge* Of(QWidget* widget, bool create);
    // The object bound to the widget, or null.
    static CWnd* OwnerOf(QWidget* widget);

    void Bind(CWnd* owner);
    void Unbind();
    CWnd* Owner() const { return owner_; }
    // A framework-owned stand-in for a widget nobody has bound.
    CWnd* StandIn();

    // Messages a control sends to the object bound to its parent.
    static void SendCommand(QWidget* control, UINT code);
    // A command the window sends itself, such as IDCANCEL for Escape; false when nobody is bound.
    static bool SendOwnCommand(QWidget* window, int id);
    static void SendScroll(QWidget* trackbar, UINT code, int position);
    static LRESULT SendNotify(QWidget* control, NMHDR* header);
    // Applies the parent's control-colour answer to the control before it paints.
    static void ApplyControlColor(QWidget* control, UINT controlType);
    // Tells the widget's object and those of all its descendants that they are going.
    static void SendDestroy(QWidget* widget);
    static void SendTimer(QWidget* widget, UINT_PTR id);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit WindowBridge(QWidget* widget);
    bool DispatchMouse(QEvent* event);
    bool DispatchPaint();

    QWidget* widget_;
    CWnd* owner_ = nullptr;
    std::unique_ptr<CWnd> standIn_;
};

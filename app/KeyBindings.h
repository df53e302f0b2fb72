#pragma once
#include <QObject>

class CQuorvelDlg;

// The main window's keyboard: Ctrl+O loads, Ctrl+S saves, Ctrl+Q exits;
// Escape and Enter press no button; closing the window exits like "Exit Program".
// Lives as a child of the main window's widget.
class KeyBindings : public QObject
{
public:
    explicit KeyBindings(CQuorvelDlg& dialog);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CQuorvelDlg& dialog_;
};

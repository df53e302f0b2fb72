#pragma once
#include <QObject>

class CQuorvelDlg;
class QKeyEvent;

// The main window's keyboard: Ctrl+O loads, Ctrl+S saves, Ctrl+Q exits, Delete
// and Backspace delete the current node; the arrows pan the main view, Home and
// Ctrl+0 bring back its start-up view; Ctrl+Z undoes and Ctrl+Shift+Z or
// Ctrl+Y redo, in the hierarchy popup too. Escape and Enter press no button;
// a text field keeps every key but Ctrl+O, Ctrl+S and Ctrl+Q;
// closing the window exits like "Exit Program". Lives as a child of the main
// window's widget.
class KeyBindings : public QObject
{
public:
    explicit KeyBindings(CQuorvelDlg& dialog);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // True when the key was one of the history's.
    bool HistoryKey(const QKeyEvent& key);
    bool MainWindowKey(const QKeyEvent& key);
    // Ctrl+O, Ctrl+S and Ctrl+Q: keys that act even from a text field.
    static bool FileKey(const QKeyEvent& key);

    CQuorvelDlg& dialog_;
};

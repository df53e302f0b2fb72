#pragma once
// The Qt dialog behind a dialog template: its controls laid out in pixels of the
// dialog font's base units; Escape and the close box become the IDCANCEL command.
#include "resources/DialogTemplate.h"

#include <QDialog>

class DialogWindow : public QDialog
{
public:
    // The dialog with all its controls, hidden; a child template is embedded in parent.
    static DialogWindow* Build(const DialogTemplate& dialog, QWidget* parent);

protected:
    void reject() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    DialogWindow(QWidget* parent, bool child);

    bool child_;
};

#include "platform/win/ModalPrompts.h"

#include "platform/win/WindowHandles.h"

#include <QMessageBox>
#include <QString>

namespace {

ModalPrompts::MessageBoxAnswerer& MessageBoxHook()
{
    static ModalPrompts::MessageBoxAnswerer hook;
    return hook;
}

int ShowMessageBox(const ModalPrompts::MessageBoxRequest& request)
{
    QMessageBox box(WindowHandles::WidgetOf(request.owner));
    box.setText(QString::fromStdWString(request.text));
    // An empty caption gets the platform's default, the application name.
    box.setWindowTitle(request.caption.empty() ? QStringLiteral("Error")
                                               : QString::fromStdWString(request.caption));
    if (request.type & MB_ICONERROR)
        box.setIcon(QMessageBox::Critical);
    else if (request.type & MB_ICONINFORMATION)
        box.setIcon(QMessageBox::Information);
    if ((request.type & 0x0F) == MB_YESNO) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? IDYES : IDNO;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return IDOK;
}

} // namespace

void ModalPrompts::SetMessageBoxAnswerer(MessageBoxAnswerer answerer)
{
    MessageBoxHook() = std::move(answerer);
}

int ModalPrompts::AskMessageBox(const MessageBoxRequest& request)
{
    if (MessageBoxHook())
        return MessageBoxHook()(request);
    return ShowMessageBox(request);
}

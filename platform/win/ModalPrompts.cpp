#include "platform/win/ModalPrompts.h"

#include "platform/win/WindowHandles.h"

#include <QApplication>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <algorithm>

namespace {

template <typename Answerer> Answerer& Hook()
{
    static Answerer hook;
    return hook;
}

std::wstring& DefaultCaption()
{
    static std::wstring caption;
    return caption;
}

int ShowMessageBox(const ModalPrompts::MessageBoxRequest& request)
{
    QMessageBox box(WindowHandles::WidgetOf(request.owner));
    box.setText(QString::fromStdWString(request.text));
    // An empty caption gets the default: the one set, the application's name, else "Error".
    QString caption = QString::fromStdWString(request.caption.empty() ? DefaultCaption() : request.caption);
    if (caption.isEmpty())
        caption = QApplication::applicationName();
    box.setWindowTitle(caption.isEmpty() ? QStringLiteral("Error") : caption);
    if (request.type & MB_ICONERROR)
        box.setIcon(QMessageBox::Critical);
    else if (request.type & MB_ICONINFORMATION)
        box.setIcon(QMessageBox::Information);
    if ((request.type & 0x0F) == MB_SAVEDISCARDCANCEL) {
        box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        const int answer = box.exec();
        return answer == QMessageBox::Save ? IDYES : answer == QMessageBox::Discard ? IDNO : IDCANCEL;
    }
    if ((request.type & 0x0F) == MB_YESNO) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? IDYES : IDNO;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return IDOK;
}

std::optional<ModalPrompts::FileDialogAnswer> ShowFileDialog(const ModalPrompts::FileDialogRequest& request)
{
    QFileDialog dialog(WindowHandles::WidgetOf(request.owner));
    dialog.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    // Without the must-exist option an open dialog takes any typed name.
    dialog.setFileMode(request.open && (request.flags & OFN_FILEMUSTEXIST) ? QFileDialog::ExistingFile
                                                                           : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(request.flags & OFN_OVERWRITEPROMPT));
    QStringList filters;
    for (const auto& filter : request.filters)
        filters << QStringLiteral("%1 (%2)").arg(QString::fromStdWString(filter.description),
                                                 QString::fromStdWString(filter.pattern).replace(';', ' '));
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    if (!request.defaultExtension.empty())
        dialog.setDefaultSuffix(QString::fromStdWString(request.defaultExtension));
    if (!request.fileName.empty())
        dialog.selectFile(QString::fromStdWString(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return ModalPrompts::FileDialogAnswer(
        dialog.selectedFiles().first().toStdWString(),
        std::max(0, static_cast<int>(filters.indexOf(dialog.selectedNameFilter()))));
}

UINT ShowPopupMenu(const ModalPrompts::PopupMenuRequest& request)
{
    QMenu menu(WindowHandles::WidgetOf(request.owner));
    menu.setTitle(QString::fromStdWString(request.title));
    for (const auto& item : request.items)
        menu.addAction(QString::fromStdWString(item.text))->setData(item.id);
    QAction* chosen = menu.exec(QPoint(request.screenPoint.x, request.screenPoint.y));
    return chosen ? chosen->data().toUInt() : 0;
}

} // namespace

void ModalPrompts::SetDefaultCaption(const std::wstring& caption)
{
    DefaultCaption() = caption;
}

void ModalPrompts::SetMessageBoxAnswerer(MessageBoxAnswerer answerer)
{
    Hook<MessageBoxAnswerer>() = std::move(answerer);
}

void ModalPrompts::SetFileDialogAnswerer(FileDialogAnswerer answerer)
{
    Hook<FileDialogAnswerer>() = std::move(answerer);
}

void ModalPrompts::SetPopupMenuAnswerer(PopupMenuAnswerer answerer)
{
    Hook<PopupMenuAnswerer>() = std::move(answerer);
}

int ModalPrompts::AskMessageBox(const MessageBoxRequest& request)
{
    if (const auto& hook = Hook<MessageBoxAnswerer>())
        return hook(request);
    return ShowMessageBox(request);
}

std::optional<ModalPrompts::FileDialogAnswer> ModalPrompts::AskFileDialog(const FileDialogRequest& request)
{
    if (const auto& hook = Hook<FileDialogAnswerer>())
        return hook(request);
    return ShowFileDialog(request);
}

UINT ModalPrompts::AskPopupMenu(const PopupMenuRequest& request)
{
    if (const auto& hook = Hook<PopupMenuAnswerer>())
        return hook(request);
    return ShowPopupMenu(request);
}

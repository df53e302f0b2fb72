#pragma once
#include "platform/win/WinTypes.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// The one seam through which every modal prompt passes: message boxes, file
// dialogs and popup menus. Tests install an answerer and the prompt is answered
// without showing anything; without one the real Qt dialog is shown.
class ModalPrompts
{
public:
    struct MessageBoxRequest
    {
        HWND owner = nullptr;
        std::wstring text;
        std::wstring caption;
        UINT type = 0;
    };
    using MessageBoxAnswerer = std::function<int(const MessageBoxRequest&)>;

    struct FileFilter
    {
        std::wstring description;
        std::wstring pattern; // several patterns are separated by ';'
    };
    struct FileDialogRequest
    {
        HWND owner = nullptr;
        bool open = true;
        std::vector<FileFilter> filters;
        std::wstring defaultExtension;
        std::wstring fileName;
        DWORD flags = 0;
    };
    struct FileDialogAnswer
    {
        // A bare path answers with the first filter selected.
        FileDialogAnswer(std::wstring chosenPath, int chosenFilter = 0)
            : path(std::move(chosenPath)), filter(chosenFilter)
        {
        }
        FileDialogAnswer(const wchar_t* chosenPath) : FileDialogAnswer(std::wstring(chosenPath)) {}
        std::wstring path;
        // Index of the filter selected when the dialog was confirmed, from 0.
        int filter;
    };
    // The chosen full path, or nothing when the dialog was cancelled.
    using FileDialogAnswerer = std::function<std::optional<FileDialogAnswer>(const FileDialogRequest&)>;

    struct MenuItem
    {
        UINT id = 0;
        std::wstring text;
    };
    struct PopupMenuRequest
    {
        HWND owner = nullptr;
        std::wstring title;
        std::vector<MenuItem> items;
        POINT screenPoint;
        UINT flags = 0;
    };
    // The chosen item's id, or 0 when the menu was dismissed.
    using PopupMenuAnswerer = std::function<UINT(const PopupMenuRequest&)>;

    // The caption of a message box that names none; without one, the application's name.
    static void SetDefaultCaption(const std::wstring& caption);
    // An empty answerer restores the real dialogs.
    static void SetMessageBoxAnswerer(MessageBoxAnswerer answerer);
    static void SetFileDialogAnswerer(FileDialogAnswerer answerer);
    static void SetPopupMenuAnswerer(PopupMenuAnswerer answerer);

    static int AskMessageBox(const MessageBoxRequest& request);
    static std::optional<FileDialogAnswer> AskFileDialog(const FileDialogRequest& request);
    static UINT AskPopupMenu(const PopupMenuRequest& request);
};

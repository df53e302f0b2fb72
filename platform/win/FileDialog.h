#pragma once
#include "platform/win/ModalPrompts.h"
#include "platform/win/WinTypes.h"

#include <string>
#include <vector>

class CWnd;

// An open or save file dialog. The filter is written as pairs of description
// and pattern separated by '|' and closed by "||", e.g. "Text (*.txt)|*.txt||".
class CFileDialog
{
public:
    explicit CFileDialog(BOOL openFileDialog, const wchar_t* defaultExtension = nullptr,
                         const wchar_t* fileName = nullptr,
                         DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         const wchar_t* filter = nullptr, CWnd* parent = nullptr);

    // IDOK (1) when the user confirmed a file, IDCANCEL otherwise.
    INT_PTR DoModal();
    // The chosen file's full path, and its name without the folder.
    std::wstring GetPathName() const { return m_path; }
    // The filter selected when the dialog was confirmed, counted from 1.
    DWORD GetFilterIndex() const { return m_filterIndex; }
    std::wstring GetFileName() const;

    // The description and pattern pairs of a filter text; an unpaired last description is dropped.
    static std::vector<ModalPrompts::FileFilter> ParseFilter(const wchar_t* filter);

private:
    ModalPrompts::FileDialogRequest m_request;
    std::wstring m_path;
    DWORD m_filterIndex = 1;
};

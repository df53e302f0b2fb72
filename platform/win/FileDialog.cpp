#include "platform/win/FileDialog.h"

#include "platform/win/Wnd.h"

CFileDialog::CFileDialog(BOOL openFileDialog, const wchar_t* defaultExtension, const wchar_t* fileName,
                         DWORD flags, const wchar_t* filter, CWnd* parent)
{
    m_request.owner = parent ? parent->m_hWnd : nullptr;
    m_request.open = openFileDialog;
    m_request.filters = ParseFilter(filter);
    m_request.defaultExtension = defaultExtension ? defaultExtension : L"";
    m_request.fileName = fileName ? fileName : L"";
    m_request.flags = flags;
}

INT_PTR CFileDialog::DoModal()
{
    const auto chosen = ModalPrompts::AskFileDialog(m_request);
    if (!chosen || chosen->path.empty())
        return IDCANCEL;
    m_path = chosen->path;
    m_filterIndex = static_cast<DWORD>(chosen->filter + 1);
    return IDOK;
}

std::wstring CFileDialog::GetFileName() const
{
    const std::size_t slash = m_path.find_last_of(L"/\\");
    return slash == std::wstring::npos ? m_path : m_path.substr(slash + 1);
}

std::vector<ModalPrompts::FileFilter> CFileDialog::ParseFilter(const wchar_t* filter)
{
    std::vector<std::wstring> parts;
    if (filter) {
        std::wstring text(filter);
        std::size_t start = 0;
        for (std::size_t bar = text.find(L'|'); bar != std::wstring::npos; bar = text.find(L'|', start)) {
            parts.push_back(text.substr(start, bar - start));
            start = bar + 1;
        }
        parts.push_back(text.substr(start));
    }
    std::vector<ModalPrompts::FileFilter> filters;
    // An empty description ends the list: that is the closing "||".
    for (std::size_t i = 0; i + 1 < parts.size() && !parts[i].empty(); i += 2)
        filters.push_back({parts[i], parts[i + 1]});
    return filters;
}

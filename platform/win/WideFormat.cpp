#include "platform/win/WideFormat.h"

#include <clocale>
#include <cstdarg>
#include <cwchar>
#include <locale.h>
#include <vector>

namespace {

// Switches this thread to the "C" locale for the lifetime of the object.
class ClassicLocale
{
public:
    ClassicLocale() : classic_(newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr)))
    {
        if (classic_)
            previous_ = uselocale(classic_);
    }
    ~ClassicLocale()
    {
        if (classic_) {
            uselocale(previous_);
            freelocale(classic_);
        }
    }
    ClassicLocale(const ClassicLocale&) = delete;
    ClassicLocale& operator=(const ClassicLocale&) = delete;

private:
    locale_t classic_;
    locale_t previous_ = nullptr;
};

} // namespace

std::wstring FormatWide(const wchar_t* format, ...)
{
    if (!format)
        return {};
    ClassicLocale classic;
    // vswprintf reports a too-small buffer only as failure, so grow until it fits.
    std::vector<wchar_t> buffer(256);
    for (;;) {
        va_list args;
        va_start(args, format);
        const int written = std::vswprintf(buffer.data(), buffer.size(), format, args);
        va_end(args);
        if (written >= 0)
            return std::wstring(buffer.data(), static_cast<std::size_t>(written));
        if (buffer.size() >= (1u << 20))
            return {};
        buffer.resize(buffer.size() * 4);
    }
}

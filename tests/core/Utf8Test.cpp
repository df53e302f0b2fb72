#include "core/Utf8.h"

#include <gtest/gtest.h>

// Code points of one to four bytes go through and back; what UTF-8 cannot carry becomes U+FFFD.
TEST(Utf8, CodePointsOfEveryLengthRoundTrip)
{
    const std::wstring text = L"a\u00e9\u6c34\U0001F980";
    EXPECT_EQ(ToUtf8(text), "a\xC3\xA9\xE6\xB0\xB4\xF0\x9F\xA6\x80");
    EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
    EXPECT_EQ(ToUtf8(std::wstring(1, static_cast<wchar_t>(0xD800))), "\xEF\xBF\xBD");
}

#include "scene/NodeNames.h"

#include <deque>
#include <string>
#include <unordered_map>

namespace {

struct Table
{
    // A deque keeps each name where it is as more are added.
    std::deque<std::wstring> texts;
    std::unordered_map<std::wstring, std::uint32_t> numbers;
};

// Never destroyed, so nodes that die during static destruction still find it.
Table& Names()
{
    static auto* table = new Table;
    return *table;
}

} // namespace

std::uint32_t NodeNames::Intern(const wchar_t* name)
{
    Table& table = Names();
    std::wstring text(name != nullptr ? name : L"");
    const auto found = table.numbers.find(text);
    if (found != table.numbers.end())
        return found->second;
    const auto number = static_cast<std::uint32_t>(table.texts.size());
    table.texts.push_back(text);
    table.numbers.emplace(std::move(text), number);
    return number;
}

const wchar_t* NodeNames::Text(std::uint32_t number)
{
    return Names().texts[number].c_str();
}

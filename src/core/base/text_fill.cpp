#include "core/base/text_fill.h"

#include <vector>

std::string FillText(std::string text, std::initializer_list<std::string> values)
{
    const std::vector<std::string> list(values);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const auto n = static_cast<std::size_t>(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && n < list.size()) {
            out += list[n];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

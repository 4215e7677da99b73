// SPDX-License-Identifier: GPL-3.0-or-later
// Placeholder range parse; the full field splitting replaces it.
#include "Sweep.h"

#include "Errors.h"
#include "NumberText.h"

#include <string>
#include <vector>

namespace quendrix {

SweepRange ParseSweepRange(std::string_view text, std::string_view decimalSeparator) {
    std::vector<std::string_view> fields;
    std::size_t pos = 0;
    while (pos <= text.size() && !text.empty()) {
        auto next = text.find(':', pos);
        fields.push_back(text.substr(pos, next - pos));
        if (next == std::string_view::npos)
            break;
        pos = next + 1;
    }
    auto field = [&](std::size_t i) {
        if (i >= fields.size())
            throw EListError("List index out of bounds (" + std::to_string(i) + ")");
        return ParseFloat(fields[i], decimalSeparator);
    };
    SweepRange r{};
    r.Start = field(0);
    r.Step = field(1);
    r.End = field(2);
    return r;
}

void CheckSweepRange(const SweepRange& range) {
    if (range.Start < range.End && !(range.Step > 0))
        throw ESweepLimit("The range never reaches its end");
}

} // namespace quendrix

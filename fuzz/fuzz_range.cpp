// SPDX-License-Identifier: GPL-3.0-or-later
// The range text: it parses to three finite numbers that read back the same
// when written out again, or fails with one of its documented errors.
#include "Errors.h"
#include "FuzzCheck.h"
#include "Sweep.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace quendrix;
using namespace quendrix::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string_view separator = separators[data[0] % std::size(separators)];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    SweepRange range{};
    try {
        range = ParseSweepRange(text, separator);
    } catch (const EConvertError& e) {
        const std::string_view m = e.message();
        FUZZ_CHECK(m.starts_with("'") && m.ends_with("' is not a valid floating point value"));
        return 0;
    } catch (const EOverflow& e) {
        FUZZ_CHECK(e.message() == "Floating point overflow");
        return 0;
    } catch (const EListError& e) {
        const std::string& m = e.message();
        FUZZ_CHECK(m == "List index out of bounds (0)" || m == "List index out of bounds (1)" ||
                   m == "List index out of bounds (2)");
        return 0;
    }
    FUZZ_CHECK(std::isfinite(range.Start) && std::isfinite(range.Step) && std::isfinite(range.End));
    const std::string start = shortestText(range.Start, separator);
    const std::string step = shortestText(range.Step, separator);
    const std::string end = shortestText(range.End, separator);
    for (const std::string& joined :
         {start + ":" + step + ":" + end, start + " " + step + " " + end,
          "\"" + start + "\" : " + step + "\t" + end + ":"}) {
        const SweepRange again = ParseSweepRange(joined, separator);
        FUZZ_CHECK(sameBits(again.Start, range.Start) && sameBits(again.Step, range.Step) &&
                   sameBits(again.End, range.End));
    }
    return 0;
}

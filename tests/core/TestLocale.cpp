// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"

#include <clocale>
#include <cstdlib>
#include <initializer_list>
#include <string>

// With LOCPATH set, the C library keeps the locale search path it builds for
// the rest of the process; LeakSanitizer would report that as a leak.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:__argz_add_sep\nleak:__argz_create_sep\n";
}

namespace quendrix::test {

std::string foreignLocaleName() {
    static const std::string name = [] {
        const char* saved = std::setlocale(LC_ALL, nullptr);
        const std::string restore = saved ? saved : "C";
        auto first = [](std::initializer_list<const char*> candidates) {
            for (const char* candidate : candidates)
                if (std::setlocale(LC_ALL, candidate))
                    return std::string(candidate);
            return std::string();
        };
        std::string found = first({"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8",
                                   "ru_RU.UTF-8", "pt_BR.UTF-8"});
#ifdef QUENDRIX_TEST_LOCALE_DIR
        if (found.empty()) {
            ::setenv("LOCPATH", QUENDRIX_TEST_LOCALE_DIR, 1);
            found = first({"de_DE.UTF-8"});
        }
#endif
        if (found.empty())
            found = first({"en_US.UTF-8", "C.UTF-8", "C.utf8"});
        std::setlocale(LC_ALL, restore.c_str());
        return found;
    }();
    return name;
}

} // namespace quendrix::test

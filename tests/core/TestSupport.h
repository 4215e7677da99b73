// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers shared by the engine tests: the outcome of a call (a value compared
// bit for bit, or the kind and exact message of the failure), and a fixture
// that runs a test under the C locale or a foreign one.

#include "Errors.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <clocale>
#include <cstdint>
#include <locale>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quendrix::test {

struct Outcome {
    double value = 0;
    std::string error; // "<Kind>: <message>", empty on success

    friend bool operator==(const Outcome& a, const Outcome& b) {
        return a.error == b.error &&
               (!a.error.empty() ||
                std::bit_cast<std::uint64_t>(a.value) == std::bit_cast<std::uint64_t>(b.value));
    }
    friend void PrintTo(const Outcome& o, std::ostream* os) {
        if (!o.error.empty()) {
            *os << o.error;
            return;
        }
        char buf[64];
        auto r = std::to_chars(buf, buf + sizeof buf, o.value, std::chars_format::hex);
        *os << std::string_view(buf, static_cast<std::size_t>(r.ptr - buf)) << " (" << o.value
            << ")";
    }
};

inline Outcome ok(double value) {
    return {value, {}};
}
inline Outcome fails(std::string_view kind, std::string_view message) {
    return {0, std::string(kind) + ": " + std::string(message)};
}
inline Outcome overflow() {
    return fails("EOverflow", "Floating point overflow");
}
inline Outcome invalidOp() {
    return fails("EInvalidOp", "Invalid floating point operation");
}
inline Outcome zeroDivide() {
    return fails("EZeroDivide", "Floating point division by zero");
}
inline Outcome notAFloat(std::string_view text) {
    return fails("EConvertError",
                 "'" + std::string(text) + "' is not a valid floating point value");
}
inline Outcome notAnInteger(std::string_view text) {
    return fails("EConvertError", "''" + std::string(text) + "'' is not a valid integer value");
}

// Runs f() and records what came of it.
template <typename F> Outcome outcome(F&& f) {
    try {
        return ok(static_cast<double>(f()));
    } catch (const EOverflow& e) {
        return fails("EOverflow", e.message());
    } catch (const EInvalidOp& e) {
        return fails("EInvalidOp", e.message());
    } catch (const EZeroDivide& e) {
        return fails("EZeroDivide", e.message());
    } catch (const EMathError& e) {
        return fails("EMathError", e.message());
    } catch (const EConvertError& e) {
        return fails("EConvertError", e.message());
    } catch (const EListError& e) {
        return fails("EListError", e.message());
    } catch (const ESweepLimit& e) {
        return fails("ESweepLimit", e.message());
    } catch (const ERangeError& e) {
        return fails("ERangeError", e.message());
    } catch (const Exception& e) {
        return fails("Exception", e.message());
    }
}

// The first foreign locale this machine has, preferring ones whose decimal
// point is not '.' (the build may compile one into the build tree); empty
// when there is none besides "C"/"POSIX".
std::string foreignLocaleName();

// Parameter "C" runs the test as it stands; "foreign" first switches the C
// and C++ global locales to foreignLocaleName() (or skips without one).
class LocaleTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        if (std::string_view(GetParam()) == "C")
            return;
        const std::string name = foreignLocaleName();
        if (name.empty())
            GTEST_SKIP() << "no locale besides C is installed";
        ASSERT_NE(std::setlocale(LC_ALL, name.c_str()), nullptr);
        switched_ = true;
        try {
            std::locale::global(std::locale(name));
        } catch (const std::runtime_error&) {
            // The C library knows the name but the C++ library does not: the
            // C locale alone is switched.
        }
        RecordProperty("locale", name);
        RecordProperty("decimal_point", std::localeconv()->decimal_point);
    }
    void TearDown() override {
        if (switched_) {
            std::locale::global(std::locale::classic()); // also resets the C locale
            std::setlocale(LC_ALL, "C");
        }
    }

private:
    bool switched_ = false;
};

#define QUENDRIX_IN_EVERY_LOCALE(suite)                                                            \
    INSTANTIATE_TEST_SUITE_P(Locale, suite, ::testing::Values("C", "foreign"),                     \
                             [](const auto& paramInfo) { return std::string(paramInfo.param); })

} // namespace quendrix::test

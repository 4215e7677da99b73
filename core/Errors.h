// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <exception>
#include <string>

namespace quendrix {

// Every failure of the engine is one of these. The main window's error
// report shows message() exactly as it stands (plus the closing full stop).
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& message() const noexcept { return message_; }

private:
    std::string message_;
};

// A text that is not a number (or not an integer) of the accepted grammar.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// The three floating-point errors of the arithmetic rule.
class EMathError : public Exception {
public:
    using Exception::Exception;
};

class EOverflow : public EMathError {
public:
    EOverflow() : EMathError("Floating point overflow") {}
};

class EInvalidOp : public EMathError {
public:
    EInvalidOp() : EMathError("Invalid floating point operation") {}
};

class EZeroDivide : public EMathError {
public:
    EZeroDivide() : EMathError("Floating point division by zero") {}
};

// A field of a list that is not there: "List index out of bounds (2)".
class EListError : public Exception {
public:
    using Exception::Exception;
};

// A unit index outside its table (a caller error).
class ERangeError : public Exception {
public:
    using Exception::Exception;
};

// A range whose walk would not end within the point limit.
class ESweepLimit : public Exception {
public:
    using Exception::Exception;
};

} // namespace quendrix

#pragma once
// The exceptions of the form toolkit. Each carries its fixed English message.
#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// A text that does not convert to a number.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// A failed assertion inside a component.
class EAssertionFailed : public Exception {
public:
    using Exception::Exception;
};

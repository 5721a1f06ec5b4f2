#pragma once
// The exceptions of the form toolkit. Each carries its fixed English message.
#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message)
        : std::runtime_error(message), message_(message) {}
    // The whole message; what() ends at the first NUL, which a quoted text may hold.
    std::string Message() const { return message_; }

private:
    std::string message_;
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

#pragma once
// Parsing of a sub-command's "--name value" and "--flag" arguments. Every problem is raised as a
// UsageError whose one-line message names the command; the program exits with status 2 on it.
#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Options {
public:
    // command: the sub-command's name for messages; flags take no value, valued options take one.
    Options(std::string command, std::vector<std::string> flags, std::vector<std::string> valued);

    // Accepts "--name value", "--name=value" and "--flag"; a name given twice, an unknown name,
    // a positional argument or a missing value is a UsageError.
    void Parse(std::span<const std::string> args);

    bool Has(std::string_view name) const;
    std::optional<std::string> Value(std::string_view name) const;
    std::string Required(std::string_view name) const;
    // The option as a whole number in [min, max], or fallback when it is absent.
    int Int(std::string_view name, int fallback, int min, int max) const;
    // The option as a finite number in [min, max], or fallback when it is absent.
    double Number(std::string_view name, double fallback, double min, double max) const;

    // A UsageError with the message "qubrin-cli COMMAND: what".
    [[noreturn]] void Fail(const std::string& what) const;

private:
    bool IsFlag(std::string_view name) const;
    bool IsValued(std::string_view name) const;

    std::string command_;
    std::vector<std::string> flags_;
    std::vector<std::string> valued_;
    std::map<std::string, std::string, std::less<>> given_;
};

#include "Options.h"

#include "Convert.h"

#include <algorithm>
#include <charconv>
#include <cmath>

Options::Options(std::string command, std::vector<std::string> flags,
                 std::vector<std::string> valued)
    : command_(std::move(command)), flags_(std::move(flags)), valued_(std::move(valued)) {}

void Options::Fail(const std::string& what) const {
    throw UsageError("qubrin-cli " + command_ + ": " + what);
}

bool Options::IsFlag(std::string_view name) const {
    return std::find(flags_.begin(), flags_.end(), name) != flags_.end();
}

bool Options::IsValued(std::string_view name) const {
    return std::find(valued_.begin(), valued_.end(), name) != valued_.end();
}

void Options::Parse(std::span<const std::string> args) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!arg.starts_with("--")) Fail("unexpected argument '" + arg + "'");
        std::string name = arg.substr(2);
        std::optional<std::string> value;
        if (auto eq = name.find('='); eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        }
        if (IsFlag(name)) {
            if (value) Fail("--" + name + " takes no value");
            value = "";
        } else if (IsValued(name)) {
            // The next argument is the value even when it begins with "-": texts may.
            if (!value) {
                if (i + 1 == args.size()) Fail("--" + name + " needs a value");
                value = args[++i];
            }
        } else {
            Fail("unknown option '--" + name + "'");
        }
        if (!given_.emplace(name, *value).second) Fail("--" + name + " is given twice");
    }
}

bool Options::Has(std::string_view name) const {
    return given_.find(name) != given_.end();
}

std::optional<std::string> Options::Value(std::string_view name) const {
    auto it = given_.find(name);
    if (it == given_.end()) return std::nullopt;
    return it->second;
}

std::string Options::Required(std::string_view name) const {
    auto v = Value(name);
    if (!v) Fail("--" + std::string(name) + " is required");
    return *v;
}

int Options::Int(std::string_view name, int fallback, int min, int max) const {
    auto text = Value(name);
    if (!text) return fallback;
    auto v = TryStrToInt(*text);
    if (!v) Fail("--" + std::string(name) + " needs a whole number, not '" + *text + "'");
    if (*v < min || *v > max)
        Fail("--" + std::string(name) + " must be from " + std::to_string(min) + " to " +
             std::to_string(max));
    return *v;
}

double Options::Number(std::string_view name, double fallback, double min, double max) const {
    auto text = Value(name);
    if (!text) return fallback;
    double v = 0;
    const char* end = text->data() + text->size();
    auto [ptr, ec] = std::from_chars(text->data(), end, v, std::chars_format::fixed);
    if (text->empty() || ec != std::errc() || ptr != end || !std::isfinite(v))
        Fail("--" + std::string(name) + " needs a number, not '" + *text + "'");
    if (v < min || v > max) {
        auto show = [](double d) {
            std::string s = std::to_string(d);
            s.erase(s.find_last_not_of('0') + 1);
            if (s.back() == '.') s.pop_back();
            return s;
        };
        Fail("--" + std::string(name) + " must be from " + show(min) + " to " + show(max));
    }
    return v;
}

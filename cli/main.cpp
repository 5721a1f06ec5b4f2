// qubrin-cli: the label program's jobs without a window. Each sub-command lives in its own file;
// this file picks one and turns its errors into messages and exit statuses:
// 0 done, 1 the work failed (the engine's message is printed), 2 bad arguments.
#include "AnsiArgs.h"
#include "EncodeCommand.h"
#include "Exceptions.h"
#include "GuiApplication.h"
#include "JobCommand.h"
#include "Options.h"
#include "PreviewCommand.h"
#include "PrintCommand.h"
#include "ValuesCommand.h"

#include <array>
#include <iostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Command {
    std::string_view name;
    const char* usage;
    int (*run)(std::span<const std::string> args, std::ostream& out);
};

constexpr std::array Commands = {
    Command{"encode", EncodeUsage, RunEncode},    // one symbol
    Command{"job", JobUsage, RunJob},             // show or edit the job file
    Command{"values", ValuesUsage, RunValues},    // the label values
    Command{"preview", PreviewUsage, RunPreview}, // the first sheet as a file
    Command{"print", PrintUsage, RunPrint},       // a print run
};

void PrintUsage(std::ostream& out) {
    out << "usage:";
    for (const Command& c : Commands)
        out << (Commands.size() > 1 ? "\n  " : " ") << c.usage;
    out << "\n";
}

int Run(std::span<const std::string> args) {
    if (args.empty()) {
        PrintUsage(std::cerr);
        return 2;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintUsage(std::cout);
        return 0;
    }
    for (const Command& c : Commands)
        if (c.name == args[0]) return c.run(args.subspan(1), std::cout);
    std::cerr << "qubrin-cli: unknown command '" << args[0] << "' (see qubrin-cli --help)\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    GuiApplicationScope gui;
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        return Run(args);
    } catch (const UsageError& e) {
        std::cerr << e.what() << "\n";
        return 2;
    } catch (const Exception& e) {
        // The engine's messages are Windows-1252 and may quote the input.
        std::cerr << AnsiToUtf8(e.Message()) << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "qubrin-cli: " << e.what() << "\n";
        return 1;
    }
}

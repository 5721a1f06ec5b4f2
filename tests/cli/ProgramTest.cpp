// qubrin-cli without a sub-command, or with one it does not know.
#include "CliRun.h"

#include <gtest/gtest.h>

namespace {

TEST(Program, UsageListsEverySubCommand) {
    struct Case {
        QStringList args;
        int status;
        bool onStdout;
    };
    const Case cases[] = {{{"--help"}, 0, true}, {{"help"}, 0, true}, {{}, 2, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.status, c.status);
        const std::string& usage = c.onStdout ? run.out : run.err;
        EXPECT_TRUE(usage.starts_with("usage:")) << usage;
        for (const char* command :
             {"qubrin-cli encode ", "qubrin-cli job show", "qubrin-cli job set",
              "qubrin-cli values", "qubrin-cli preview", "qubrin-cli print"})
            EXPECT_NE(usage.find(command), std::string::npos) << command;
    }
}

TEST(Program, JobNeedsShowOrSet) {
    for (const QStringList& args : {QStringList{"job"}, QStringList{"job", "edit"}}) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.err.starts_with("qubrin-cli")) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

} // namespace

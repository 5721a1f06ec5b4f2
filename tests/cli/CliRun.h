#pragma once
// Runs the real qubrin-cli as a separate process, exactly as a user or a script runs it, and a
// scratch folder for the files it reads and writes.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// workingDirectory: empty for the test's own. The program sees no print server, so its printer
// list holds only the PDF file entry whatever the machine has: no run of this suite reaches a
// real printer, even while the end-to-end suite starts or stops one.
inline CliRun RunCli(const QStringList& args, const QString& workingDirectory = {}) {
    QProcess process;
    if (!workingDirectory.isEmpty()) process.setWorkingDirectory(workingDirectory);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("CUPS_SERVER", "/nonexistent/qubrin-cli-tests/cups.sock");
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUBRIN_CLI_PATH), args);
    CliRun run;
    if (!process.waitForFinished(300'000) || process.exitStatus() != QProcess::NormalExit) {
        run.err = "qubrin-cli did not finish: " + process.errorString().toStdString();
        return run;
    }
    run.status = process.exitCode();
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1)
        lines.push_back(text.substr(start, nl - start));
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

// A fresh folder, the working directory of every run, where "Qubrin.cfg" is the job.
struct Scratch {
    Scratch() { EXPECT_TRUE(dir.isValid()); }

    CliRun Run(const QStringList& args) const { return RunCli(args, dir.path()); }
    QString Path(const QString& name) const { return dir.filePath(name); }
    bool Exists(const QString& name) const { return QFile::exists(Path(name)); }
    QByteArray Read(const QString& name) const {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // "job show" as name and value pairs, in order.
    std::vector<std::pair<std::string, std::string>> Show() const {
        const CliRun run = Run({"job", "show"});
        EXPECT_EQ(run.status, 0) << run.err;
        std::vector<std::pair<std::string, std::string>> fields;
        for (const std::string& line : Lines(run.out)) {
            const std::size_t eq = line.find(" = ");
            if (eq == std::string::npos) {
                ADD_FAILURE() << "not 'name = value': " << line;
                continue;
            }
            fields.emplace_back(line.substr(0, eq), line.substr(eq + 3));
        }
        return fields;
    }
    // One value of "job show"; "(missing)" when there is no such line.
    std::string Shown(const std::string& name) const {
        for (const auto& [n, v] : Show())
            if (n == name) return v;
        return "(missing)";
    }
    // Runs "job set"; the status is the caller's concern.
    CliRun Set(const QStringList& assignments) const {
        return Run(QStringList{"job", "set"} + assignments);
    }

    QTemporaryDir dir;
};

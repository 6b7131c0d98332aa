#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace velox::win {

// Window styles of Shell.
enum ShellWindowStyle : int {
    vbHide = 0,
    vbNormalFocus = 1,
    vbMinimizedFocus = 2,
    vbMaximizedFocus = 3,
    vbNormalNoFocus = 4,
    vbMinimizedNoFocus = 6,
};

// A command line taken apart: the program (a Windows or host path) and its
// arguments. The program may be quoted ("C:\My Programs\korainst.exe" arg);
// arguments are split at blanks, quotes grouping.
struct CommandLine {
    QString program;
    QStringList arguments;
};
CommandLine splitCommandLine(const QString& commandLine);

// The one seam through which the program starts other programs.
class ProcessSeam {
public:
    virtual ~ProcessSeam() = default;
    // Starts the program and returns at once. Raises 53 when the program file
    // does not exist and 5 when it cannot be started.
    virtual void start(const CommandLine& command, int windowStyle) = 0;
};

// Shell: starts a command line without waiting for it. Returns nothing the
// program uses; failures raise as the seam says.
void Shell(const QString& commandLine, int windowStyle = vbMinimizedFocus);

// Installs a seam; nullptr restores the real one (QProcess::startDetached with
// the program path mapped to the host).
void setProcessSeam(ProcessSeam* seam);

// A seam for tests that records what would have been started. It installs
// itself for its lifetime and checks that the program file exists, as the real
// one does.
class RecordingProcesses : public ProcessSeam {
public:
    RecordingProcesses();
    ~RecordingProcesses() override;
    RecordingProcesses(const RecordingProcesses&) = delete;
    RecordingProcesses& operator=(const RecordingProcesses&) = delete;

    struct Started {
        CommandLine command;
        int windowStyle;
    };
    [[nodiscard]] const std::vector<Started>& started() const { return started_; }

    void start(const CommandLine& command, int windowStyle) override;

private:
    std::vector<Started> started_;
};

} // namespace velox::win

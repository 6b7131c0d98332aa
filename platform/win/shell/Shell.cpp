#include "platform/win/shell/Shell.h"

#include "platform/win/files/FileOps.h"
#include "platform/win/runtime/RuntimeError.h"

#include <QFileInfo>
#include <QProcess>

namespace velox::win {
namespace {

class DetachedProcesses : public ProcessSeam {
public:
    void start(const CommandLine& command, int /*windowStyle*/) override {
        const QString program = existingFile(command.program);
        if (!QFileInfo(program).isExecutable()) {
            raiseError(err::InvalidProcedureCall, command.program);
        }
        if (!QProcess::startDetached(program, command.arguments)) {
            raiseError(err::InvalidProcedureCall, command.program);
        }
    }
};

ProcessSeam*& installedSeam() {
    static ProcessSeam* seam = nullptr;
    return seam;
}

} // namespace

CommandLine splitCommandLine(const QString& commandLine) {
    QStringList parts;
    QString current;
    bool quoted = false;
    bool inPart = false;
    for (const QChar c : commandLine) {
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            inPart = true;
        } else if (c.isSpace() && !quoted) {
            if (inPart) {
                parts << current;
                current.clear();
                inPart = false;
            }
        } else {
            current += c;
            inPart = true;
        }
    }
    if (inPart) {
        parts << current;
    }
    CommandLine command;
    if (!parts.isEmpty()) {
        command.program = parts.takeFirst();
        command.arguments = parts;
    }
    return command;
}

void Shell(const QString& commandLine, int windowStyle) {
    const CommandLine command = splitCommandLine(commandLine);
    if (command.program.isEmpty()) {
        raiseError(err::InvalidProcedureCall, commandLine);
    }
    if (installedSeam() != nullptr) {
        installedSeam()->start(command, windowStyle);
        return;
    }
    DetachedProcesses real;
    real.start(command, windowStyle);
}

void setProcessSeam(ProcessSeam* seam) {
    installedSeam() = seam;
}

RecordingProcesses::RecordingProcesses() {
    setProcessSeam(this);
}

RecordingProcesses::~RecordingProcesses() {
    setProcessSeam(nullptr);
}

void RecordingProcesses::start(const CommandLine& command, int windowStyle) {
    existingFile(command.program);
    started_.push_back({command, windowStyle});
}

} // namespace velox::win

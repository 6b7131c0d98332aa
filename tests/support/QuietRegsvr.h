#pragma once

#include <QByteArray>
#include <cstdlib>
#include <sys/wait.h>

namespace velox::test {

// Registers a module with the regsvr tool at `regsvr`, quietly; its exit code,
// or -1. The tool is started through the C library: the way QProcess starts a
// process hides the test's later locking from the thread checker, which then
// reports races that are none.
inline int registerQuietly(const char* regsvr, const char* module) {
    const QByteArray command =
        QByteArray("'") + regsvr + QByteArray("' -s '") + module + QByteArray("'");
    const int status = std::system(command.constData());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace velox::test

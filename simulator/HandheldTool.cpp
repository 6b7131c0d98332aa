// velox-handheld: sets up and works the simulated handheld of the current
// prefix, for the demo and for trying the link by hand.
//
//   velox-handheld setup [--disconnected]   the folder, its drives and state file
//   velox-handheld connect | disconnect     plug the handheld in or pull it out
//   velox-handheld hold APPLICATION PATH    an application holds a handheld file open
//   velox-handheld release PATH             ... and lets it go
//   velox-handheld where                    prints the handheld's folder

#include "simulator/HandheldSetup.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

using namespace velox::simulator;

namespace {

int usage(QTextStream& err) {
    err << "usage: velox-handheld setup [--disconnected] | connect | disconnect |\n"
           "       hold APPLICATION PATH | release PATH | where\n";
    return 2;
}

int report(bool ok, QTextStream& err, const QString& what) {
    if (!ok) {
        err << "velox-handheld: cannot " << what << " (is the handheld set up, is "
            << defaultHandheldRoot() << "/state.json intact?)\n";
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        return usage(err);
    }
    const QString& command = args[0];
    if (command == QLatin1String("setup") && args.size() <= 2) {
        HandheldState state = HandheldState::defaults();
        state.connected = !args.contains(QStringLiteral("--disconnected"));
        QString error;
        if (!setUpHandheld(state, defaultHandheldRoot(), &error)) {
            err << "velox-handheld: " << error << "\n";
            return 1;
        }
        out << defaultHandheldRoot() << "\n";
        return 0;
    }
    if (command == QLatin1String("connect") && args.size() == 1) {
        return report(setHandheldConnected(true), err, QStringLiteral("connect"));
    }
    if (command == QLatin1String("disconnect") && args.size() == 1) {
        return report(setHandheldConnected(false), err, QStringLiteral("disconnect"));
    }
    if (command == QLatin1String("hold") && args.size() == 3) {
        return report(holdFileOpen(args[1], args[2]), err, QStringLiteral("hold the file"));
    }
    if (command == QLatin1String("release") && args.size() == 2) {
        return report(releaseFile(args[1]), err, QStringLiteral("release the file"));
    }
    if (command == QLatin1String("where") && args.size() == 1) {
        out << defaultHandheldRoot() << "\n";
        return 0;
    }
    return usage(err);
}

// The main window on the desktop's real accessibility bus, read by an outside
// assistive client (accessible_buttons.py through the AT-SPI library). Run by
// run-with-accessibility-bus.sh on a display and a session bus of their own.
#include "WindowFixture.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>

namespace velox::test {
namespace {

class AccessibilityBus : public WindowFixture {};

TEST_F(AccessibilityBus, TheMainWindowListsItsClickAreasAsNamedButtons) {
    load();
    window->show();

    QProcess client;
    client.setProcessChannelMode(QProcess::MergedChannels);
    client.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(VELOX_ACCESSIBLE_BUTTONS),
                                                      window->windowTitle(), QStringLiteral("40")});
    ASSERT_TRUE(client.waitForStarted(10000));
    // The window answers the client's questions from this thread's event loop.
    const QDeadlineTimer deadline(90000);
    while (client.state() != QProcess::NotRunning && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        client.waitForFinished(20);
    }
    if (client.state() != QProcess::NotRunning) {
        client.kill();
        client.waitForFinished(5000);
        FAIL() << "the accessibility client did not finish in time";
    }
    const QString output = QString::fromUtf8(client.readAll());
    if (client.exitCode() == 77) {
        GTEST_SKIP() << output.toStdString();
    }
    ASSERT_EQ(client.exitCode(), 0) << output.toStdString();

    QStringList buttons;
    for (const QString& line : output.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("button\t"))) {
            buttons << line.mid(7);
        }
    }
    QStringList named = buttons;
    named.removeAll(QString());
    EXPECT_GE(named.size(), 16) << buttons.join(", ").toStdString();
    for (const char* name :
         {"Change language", "Change target machine", "Copy program", "Find program", "Info ...",
          "Velox home page", "Exit", "Entertainment", "Tools", "Database", "Business", "Graphics",
          "Programming", "Miscellaneous", "Alarms", "Main screen"}) {
        EXPECT_TRUE(buttons.contains(QLatin1String(name))) << name;
    }
}

} // namespace
} // namespace velox::test

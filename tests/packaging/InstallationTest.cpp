// The build installed into a temporary prefix, made read-only, and started
// through its launcher as a user would start it, with a temporary home; the
// installed program is played by the user driver (UserDriver.cpp).
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

namespace {

struct LauncherRun {
    int exitCode = -1;
    QString report;
    QString errors;
};

// Every file, folder and link below `root` with what it holds.
std::map<QString, QByteArray> snapshot(const QString& root) {
    std::map<QString, QByteArray> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        QByteArray state = QByteArray::number(static_cast<int>(info.permissions())) + ' ' +
                           QByteArray::number(info.lastModified().toMSecsSinceEpoch());
        if (info.isSymLink()) {
            state += " -> " + info.symLinkTarget().toUtf8();
        } else if (info.isFile()) {
            QFile file(info.filePath());
            if (file.open(QIODevice::ReadOnly)) {
                state += ' ' +
                         QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex();
            }
        }
        entries[QDir(root).relativeFilePath(info.filePath())] = state;
    }
    return entries;
}

bool run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    return process.waitForFinished(300000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

class Installation : public ::testing::Test {
protected:
    // One installation for every test: installing takes a while.
    static void SetUpTestSuite() {
        root = new QTemporaryDir;
        installed = root->filePath(QStringLiteral("usr"));
        ASSERT_TRUE(run(QStringLiteral(CMAKE_COMMAND),
                        {QStringLiteral("--install"), QStringLiteral(VELOX_BUILD_DIR),
                         QStringLiteral("--prefix"), installed}));
        ASSERT_TRUE(
            run(QStringLiteral("chmod"), {QStringLiteral("-R"), QStringLiteral("a-w"), installed}));
    }
    static void TearDownTestSuite() {
        // Writable again, so the temporary folder can go.
        run(QStringLiteral("chmod"), {QStringLiteral("-R"), QStringLiteral("u+w"), root->path()});
        delete root;
        root = nullptr;
    }

    // The installed launcher, started from `tree` with `home` as the home folder.
    LauncherRun start(const QString& tree, const QStringList& arguments,
                      bool chooseGerman = false) const {
        const QString reportPath = home.filePath(QStringLiteral("driver-report.txt"));
        QFile::remove(reportPath);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"VELOX_PREFIX", "XDG_DATA_HOME", "VELOX_PROGRAM_FOLDER"}) {
            environment.remove(QLatin1String(name));
        }
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(USER_DRIVER));
        environment.insert(QStringLiteral("VELOX_DRIVER_REPORT"), reportPath);
        if (chooseGerman) {
            environment.insert(QStringLiteral("VELOX_DRIVER_CHOOSE"), QStringLiteral("german"));
        }
        QProcess launcher;
        launcher.setProcessEnvironment(environment);
        launcher.start(QDir(tree).filePath(QStringLiteral("bin/veloxcd")), arguments);
        LauncherRun result;
        if (!launcher.waitForFinished(120000)) {
            launcher.kill();
            launcher.waitForFinished();
        }
        result.exitCode = launcher.exitStatus() == QProcess::NormalExit ? launcher.exitCode() : -1;
        result.report = readText(reportPath);
        result.errors = QString::fromLocal8Bit(launcher.readAllStandardError());
        return result;
    }

    [[nodiscard]] QString userFolder(const QString& relative) const {
        return home.filePath(QStringLiteral(".local/share/veloxcd/") + relative);
    }

    static QTemporaryDir* root;
    static QString installed;
    QTemporaryDir home;
};

QTemporaryDir* Installation::root = nullptr;
QString Installation::installed;

TEST_F(Installation, FirstStartRegistersAndTheChosenLanguageStaysWithTheUser) {
    const auto before = snapshot(installed);

    const LauncherRun first = start(installed, {QStringLiteral("--demo")}, true);
    EXPECT_EQ(first.exitCode, 0) << first.errors.toStdString();
    EXPECT_EQ(first.report.toStdString(), "window shown\nlanguage english\nchose german\n")
        << first.errors.toStdString();
    const QString registry = readText(userFolder(QStringLiteral("registry.reg")));
    EXPECT_TRUE(registry.contains(installed + QStringLiteral("/lib/veloxcd/TANLINK.OCX")));
    EXPECT_TRUE(registry.contains(installed + QStringLiteral("/lib/veloxcd/libtandemengine.so")));

    const LauncherRun second = start(installed, {});
    EXPECT_EQ(second.exitCode, 0) << second.errors.toStdString();
    EXPECT_EQ(second.report.toStdString(), "window shown\nlanguage german\n")
        << second.errors.toStdString();
    // Registered once: the second start found the modules registered.
    EXPECT_EQ(readText(userFolder(QStringLiteral("registry.reg"))), registry);

    EXPECT_TRUE(readText(userFolder(QStringLiteral("program/setting.txt")))
                    .startsWith(QStringLiteral("Language: 2\r\n")));
    EXPECT_EQ(QFileInfo(userFolder(QStringLiteral("program/veloxcd.db"))).symLinkTarget(),
              installed + QStringLiteral("/share/veloxcd/veloxcd.db"));
    EXPECT_TRUE(readText(userFolder(QStringLiteral("drives")))
                    .startsWith(QStringLiteral("D: cdrom ") + installed +
                                QStringLiteral("/share/veloxcd/demo-cd\n")));
    EXPECT_TRUE(snapshot(installed) == before) << "the installed tree changed";
}

TEST_F(Installation, AnInstallationThatMovedIsRegisteredAgain) {
    const QString moved = root->filePath(QStringLiteral("moved"));
    ASSERT_TRUE(run(QStringLiteral("cp"), {QStringLiteral("-a"), installed, moved}));

    ASSERT_EQ(start(installed, {QStringLiteral("--demo")}).exitCode, 0);
    const LauncherRun afterMove = start(moved, {});
    EXPECT_EQ(afterMove.exitCode, 0) << afterMove.errors.toStdString();
    EXPECT_EQ(afterMove.report.toStdString(), "window shown\nlanguage english\n");

    const QString registry = readText(userFolder(QStringLiteral("registry.reg")));
    EXPECT_TRUE(registry.contains(moved + QStringLiteral("/lib/veloxcd/TANLINK.OCX")));
    EXPECT_FALSE(registry.contains(installed + QStringLiteral("/lib/veloxcd/TANLINK.OCX")));
    EXPECT_EQ(QFileInfo(userFolder(QStringLiteral("program/korainst.exe"))).symLinkTarget(),
              moved + QStringLiteral("/lib/veloxcd/korainst.exe"));
}

TEST_F(Installation, TheLauncherRefusesAFolderThatIsNoCdAndWrongOptions) {
    const LauncherRun noFolder =
        start(installed, {QStringLiteral("--cd"), home.filePath("missing")});
    EXPECT_EQ(noFolder.exitCode, 1);
    EXPECT_TRUE(noFolder.errors.contains(QStringLiteral("is not a folder")));
    EXPECT_TRUE(noFolder.report.isEmpty());
    EXPECT_EQ(
        start(installed, {QStringLiteral("--cd"), home.path(), QStringLiteral("--demo")}).exitCode,
        2);
    EXPECT_FALSE(QFileInfo::exists(userFolder(QStringLiteral("drives"))));
}

} // namespace

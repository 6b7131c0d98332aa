#include "platform/registry/Prefix.h"

#include "support/ScopedPrefix.h"

#include <gtest/gtest.h>

using velox::platform::prefixDirectory;
using velox::platform::prefixPath;

TEST(Prefix, FollowsTheEnvironmentAtEveryCall) {
    velox::test::ScopedPrefix prefix;
    EXPECT_EQ(prefixDirectory(), prefix.path());
    EXPECT_EQ(prefixPath("system"), prefix.path() + "/system");
}

TEST(Prefix, DefaultsToTheDataHome) {
    const QByteArray saved = qgetenv("VELOX_PREFIX");
    const QByteArray savedData = qgetenv("XDG_DATA_HOME");
    qunsetenv("VELOX_PREFIX");
    qputenv("XDG_DATA_HOME", "/tmp/velox-data-home");
    EXPECT_EQ(prefixDirectory(), QString("/tmp/velox-data-home/veloxcd"));
    qputenv("VELOX_PREFIX", saved);
    qputenv("XDG_DATA_HOME", savedData);
}

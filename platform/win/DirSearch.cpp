#include "platform/win/DirSearch.h"

#include "platform/win/RuntimeError.h"
#include "platform/win/WinPath.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace velox::win {
namespace {

QString hostFolder(const QString& folder) {
    const HostPath resolved = resolvePath(folder.isEmpty() ? QStringLiteral(".") : folder);
    if (!resolved.ok()) {
        raiseError(err::BadFileNameOrNumber, folder);
    }
    if (!QFileInfo(resolved.path).isDir()) {
        raiseError(err::PathNotFound, folder);
    }
    return resolved.path;
}

// A file name against one pattern: "*" stands for any run of characters, "?"
// for one; every other character (brackets too) stands for itself, without
// regard to case. "*.*" matches names without a dot too, as on Windows.
bool matchesWildcard(const QString& name, const QString& pattern) {
    if (pattern == QLatin1String("*.*")) {
        return true;
    }
    const auto same = [](QChar a, QChar b) { return a.toCaseFolded() == b.toCaseFolded(); };
    qsizetype n = 0;
    qsizetype p = 0;
    qsizetype lastStar = -1; // the pattern's last "*" so far, and where its run ends in name
    qsizetype starEnd = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
            lastStar = p++;
            starEnd = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == QLatin1Char('?') || same(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (lastStar >= 0) {
            // Let the last "*" take one more character and try again from there.
            p = lastStar + 1;
            n = ++starEnd;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
        ++p;
    }
    return p == pattern.size();
}

} // namespace

bool matchesPatterns(const QString& name, const QString& patterns) {
    const QStringList parts = patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    return std::any_of(parts.begin(), parts.end(), [&](const QString& pattern) {
        return matchesWildcard(name, pattern.trimmed());
    });
}

QStringList dirList(const QString& folder, const QString& patterns) {
    const QString host = hostFolder(folder);
    QStringList names;
    for (const QString& name : QDir(host).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (matchesPatterns(name, patterns)) {
            names << name;
        }
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    return names;
}

QString Dir(const QString& pathPattern) {
    const QString name = lastName(pathPattern);
    const QString folder = pathPattern.left(pathPattern.size() - name.size());
    if (name.isEmpty()) {
        hostFolder(folder);
        return {};
    }
    const QStringList found = dirList(folder, name);
    return found.isEmpty() ? QString() : found.first();
}

} // namespace velox::win

#include "platform/win/files/DirSearch.h"

#include "platform/win/files/WinPath.h"
#include "platform/win/runtime/RuntimeError.h"

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

} // namespace

bool matchWildcard(const QString& name, const QString& pattern, Qt::CaseSensitivity cs) {
    if (pattern == QLatin1String("*.*")) {
        return true;
    }
    const auto same = [cs](QChar a, QChar b) {
        return cs == Qt::CaseSensitive ? a == b : a.toCaseFolded() == b.toCaseFolded();
    };
    // Greedy matching with one point to come back to: the last star seen.
    qsizetype n = 0;
    qsizetype p = 0;
    qsizetype lastStar = -1;
    qsizetype starEnd = 0; // where the last star's run ends in the name
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
            lastStar = p++;
            starEnd = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == QLatin1Char('?') || same(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (lastStar >= 0) {
            // The last star takes one more character, and matching goes on from there.
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

bool matchesPatterns(const QString& name, const QString& patterns) {
    const QStringList parts = patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    return std::any_of(parts.begin(), parts.end(), [&](const QString& pattern) {
        return matchWildcard(name, pattern.trimmed(), Qt::CaseInsensitive);
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

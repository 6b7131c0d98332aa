#include "platform/win/DirSearch.h"

#include "platform/win/RuntimeError.h"
#include "platform/win/WinPath.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
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

QRegularExpression wildcard(const QString& pattern) {
    // "*.*" matches names without a dot too, as on Windows.
    const QString effective = pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern;
    return QRegularExpression(QRegularExpression::wildcardToRegularExpression(effective),
                              QRegularExpression::CaseInsensitiveOption);
}

} // namespace

bool matchesPatterns(const QString& name, const QString& patterns) {
    const QStringList parts = patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    return std::any_of(parts.begin(), parts.end(), [&](const QString& pattern) {
        return wildcard(pattern.trimmed()).match(name).hasMatch();
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

#include "platform/registry/RegFile.h"

#include "platform/registry/Registry.h"

#include <QList>
#include <string>

namespace velox::registry {

namespace {

constexpr std::string_view kHeader = "REGEDIT4";

bool needsHex(const QByteArray& text) {
    return text.contains('\r') || text.contains('\n') || text.contains('\0');
}

QByteArray quoted(const QByteArray& text) {
    QByteArray out;
    out.reserve(text.size() + 2);
    out.append('"');
    for (const char c : text) {
        if (c == '\\' || c == '"') {
            out.append('\\');
        }
        out.append(c);
    }
    out.append('"');
    return out;
}

QByteArray hexBytes(const QByteArray& prefix, const QByteArray& data) {
    QByteArray out = prefix;
    int column = static_cast<int>(out.size());
    for (qsizetype i = 0; i < data.size(); ++i) {
        if (column > 74) {
            out.append("\\\r\n  ");
            column = 2;
        }
        out.append(
            QByteArray::number(static_cast<unsigned char>(data[i]), 16).rightJustified(2, '0'));
        column += 2;
        if (i + 1 < data.size()) {
            out.append(',');
            ++column;
        }
    }
    return out;
}

void writeKey(const RegistryKey& key, const std::string& path, QByteArray& out) {
    out.append('[').append(path.data(), static_cast<qsizetype>(path.size())).append("]\r\n");
    for (const auto& [name, value] : key.values()) {
        const QByteArray shownName =
            name.empty() ? QByteArray("@")
                         : quoted(QByteArray(name.data(), static_cast<qsizetype>(name.size())));
        out.append(shownName).append('=');
        if (value.type == REG_SZ && !needsHex(value.data)) {
            out.append(quoted(value.data));
        } else if (value.type == REG_DWORD && value.data.size() == 4) {
            std::uint32_t number = 0;
            for (int i = 3; i >= 0; --i) {
                number = (number << 8) | static_cast<unsigned char>(value.data[i]);
            }
            out.append("dword:").append(QByteArray::number(number, 16).rightJustified(8, '0'));
        } else {
            QByteArray data = value.data;
            if (value.type == REG_SZ) {
                data.append('\0');
            }
            const QByteArray prefix = value.type == REG_BINARY
                                          ? QByteArray("hex:")
                                          : "hex(" + QByteArray::number(value.type, 16) + "):";
            out.append(hexBytes(prefix, data));
        }
        out.append("\r\n");
    }
    out.append("\r\n");
    for (const auto& [name, child] : key.children()) {
        std::string childPath = path;
        childPath.append("\\").append(name);
        writeKey(*child, childPath, out);
    }
}

// Reads a quoted string starting at `pos` (at the opening quote).
bool readQuoted(const QByteArray& line, qsizetype& pos, QByteArray& out) {
    if (pos >= line.size() || line[pos] != '"') {
        return false;
    }
    ++pos;
    out.clear();
    while (pos < line.size()) {
        const char c = line[pos++];
        if (c == '"') {
            return true;
        }
        if (c == '\\') {
            if (pos >= line.size()) {
                return false;
            }
            out.append(line[pos++]);
        } else {
            out.append(c);
        }
    }
    return false;
}

bool readHexList(const QByteArray& text, QByteArray& out) {
    out.clear();
    const QByteArray trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        return true;
    }
    for (const QByteArray& part : trimmed.split(',')) {
        const QByteArray digits = part.trimmed();
        bool ok = false;
        const uint byte = digits.toUInt(&ok, 16);
        if (!ok || digits.size() > 2 || byte > 0xFF) {
            return false;
        }
        out.append(static_cast<char>(byte));
    }
    return true;
}

class Parser {
public:
    explicit Parser(const QByteArray& text) : lines_(text.split('\n')) {}

    std::optional<RegistryKey> parse(QString* error) {
        RegistryKey root;
        RegistryKey* current = nullptr;
        bool headerSeen = false;
        bool endSeen = false;
        for (index_ = 0; index_ < lines_.size(); ++index_) {
            QByteArray line = logicalLine();
            if (failed_) {
                return fail(error, QStringLiteral("a value continues past the end of the file"));
            }
            const QByteArray trimmed = line.trimmed();
            if (trimmed.isEmpty()) {
                continue;
            }
            if (endSeen) {
                return fail(error, QStringLiteral("text after the closing line"));
            }
            if (!headerSeen) {
                if (trimmed != QByteArray(kHeader.data(), kHeader.size())) {
                    return fail(error, QStringLiteral("the file does not start with REGEDIT4"));
                }
                headerSeen = true;
                continue;
            }
            if (trimmed.startsWith(';')) {
                endSeen = trimmed == kRegFileEndLine;
                continue;
            }
            if (trimmed.startsWith('[')) {
                if (!trimmed.endsWith(']')) {
                    return fail(error, QStringLiteral("a key line without its closing bracket"));
                }
                const QByteArray path = trimmed.mid(1, trimmed.size() - 2);
                const QByteArray rootName(kClassesRootName);
                if (path.compare(rootName, Qt::CaseInsensitive) == 0) {
                    current = &root;
                } else if (path.size() > rootName.size() && path[rootName.size()] == '\\' &&
                           path.left(rootName.size()).compare(rootName, Qt::CaseInsensitive) == 0) {
                    const QByteArray rest = path.mid(rootName.size() + 1);
                    current = &root.create(
                        std::string_view(rest.constData(), static_cast<std::size_t>(rest.size())));
                } else {
                    return fail(error, QStringLiteral("a key outside HKEY_CLASSES_ROOT: ") +
                                           QString::fromLatin1(path));
                }
                continue;
            }
            if (current == nullptr) {
                return fail(error, QStringLiteral("a value before the first key"));
            }
            QString problem;
            if (!parseValue(trimmed, *current, problem)) {
                return fail(error, problem);
            }
        }
        if (!headerSeen) {
            index_ = 0;
            return fail(error, QStringLiteral("the file is empty (no REGEDIT4 header)"));
        }
        if (!endSeen) {
            return fail(error, QStringLiteral("the closing line \"%1\" is missing: the file is "
                                              "truncated")
                                   .arg(QString::fromLatin1(kRegFileEndLine)));
        }
        return root;
    }

private:
    // The line at index_ with its continuation lines (a trailing backslash
    // outside a string continues a hex list).
    QByteArray logicalLine() {
        QByteArray line = lines_[index_];
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        startLine_ = index_;
        const bool isValue = line.trimmed().startsWith('"') || line.trimmed().startsWith('@');
        while (isValue && line.trimmed().endsWith('\\') && line.contains("=hex")) {
            line = line.trimmed();
            line.chop(1);
            if (index_ + 1 >= lines_.size()) {
                failed_ = true;
                return line;
            }
            QByteArray next = lines_[++index_];
            if (next.endsWith('\r')) {
                next.chop(1);
            }
            if (next.trimmed().isEmpty()) {
                failed_ = true;
                return line;
            }
            line.append(next.trimmed());
        }
        return line;
    }

    bool parseValue(const QByteArray& line, RegistryKey& key, QString& problem) {
        qsizetype pos = 0;
        QByteArray name;
        if (line[0] == '@') {
            pos = 1;
        } else if (!readQuoted(line, pos, name)) {
            problem = QStringLiteral("a value name without its closing quote");
            return false;
        }
        if (pos >= line.size() || line[pos] != '=') {
            problem = QStringLiteral("a value without \"=\"");
            return false;
        }
        ++pos;
        const QByteArray data = line.mid(pos);
        RegistryValue value;
        if (data.startsWith('"')) {
            qsizetype at = 0;
            if (!readQuoted(data, at, value.data) || at != data.size()) {
                problem = QStringLiteral("a string value without its closing quote");
                return false;
            }
            value.type = REG_SZ;
        } else if (data.startsWith("dword:")) {
            const QByteArray digits = data.mid(6);
            bool ok = false;
            const uint number = digits.toUInt(&ok, 16);
            if (!ok || digits.isEmpty() || digits.size() > 8) {
                problem = QStringLiteral("a bad dword value");
                return false;
            }
            for (int i = 0; i < 4; ++i) {
                value.data.append(static_cast<char>((number >> (8 * i)) & 0xFF));
            }
            value.type = REG_DWORD;
        } else if (data.startsWith("hex:") || data.startsWith("hex(")) {
            qsizetype colon = data.indexOf(':');
            value.type = REG_BINARY;
            if (data.startsWith("hex(")) {
                const qsizetype close = data.indexOf(')');
                bool ok = false;
                value.type = data.mid(4, close - 4).toUInt(&ok, 16);
                if (close < 0 || !ok || colon != close + 1) {
                    problem = QStringLiteral("a bad hex value type");
                    return false;
                }
            }
            if (!readHexList(data.mid(colon + 1), value.data)) {
                problem = QStringLiteral("a bad hex byte list");
                return false;
            }
            if (value.type == REG_SZ && value.data.endsWith('\0')) {
                value.data.chop(1);
            }
        } else {
            problem = QStringLiteral("a value of unknown form");
            return false;
        }
        key.setValue(std::string_view(name.constData(), static_cast<std::size_t>(name.size())),
                     std::move(value));
        return true;
    }

    std::optional<RegistryKey> fail(QString* error, const QString& why) const {
        if (error != nullptr) {
            *error = QStringLiteral("line %1: %2").arg(startLine_ + 1).arg(why);
        }
        return std::nullopt;
    }

    QList<QByteArray> lines_;
    qsizetype index_ = 0;
    qsizetype startLine_ = 0;
    bool failed_ = false;
};

} // namespace

std::optional<RegistryKey> parseRegFile(const QByteArray& text, QString* error) {
    return Parser(text).parse(error);
}

QByteArray writeRegFile(const RegistryKey& root) {
    QByteArray out;
    out.append(kHeader.data(), static_cast<qsizetype>(kHeader.size())).append("\r\n\r\n");
    writeKey(root, kClassesRootName, out);
    out.append(kRegFileEndLine).append("\r\n");
    return out;
}

} // namespace velox::registry

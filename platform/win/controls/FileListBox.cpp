#include "platform/win/controls/FileListBox.h"

#include "platform/win/files/DirSearch.h"

namespace velox::win {
namespace {

QString withoutClosingBackslash(QString path) {
    while (path.endsWith(QLatin1Char('\\')) &&
           !(path.size() == 3 && path.at(1) == QLatin1Char(':'))) {
        path.chop(1);
    }
    return path;
}

} // namespace

FileListBox::FileListBox(const QString& name, int index, QWidget* parent)
    : ListBox(name, index, parent) {}

void FileListBox::setPath(const QString& windowsPath) {
    const QString folder = withoutClosingBackslash(windowsPath);
    fill(folder);
    path_ = folder;
}

void FileListBox::setPattern(const QString& patterns) {
    pattern_ = patterns;
    if (!path_.isEmpty()) {
        fill(path_);
    }
}

QString FileListBox::FileName() const {
    const int row = ListIndex();
    return row < 0 ? QString() : List(row);
}

void FileListBox::Refresh() {
    if (!path_.isEmpty()) {
        fill(path_);
    }
}

void FileListBox::fill(const QString& folder) {
    QString searched = folder;
    if (!searched.endsWith(QLatin1Char('\\'))) {
        searched += QLatin1Char('\\');
    }
    const QStringList files = dirList(searched, pattern_);
    Clear();
    for (const QString& file : files) {
        AddItem(file);
    }
}

} // namespace velox::win

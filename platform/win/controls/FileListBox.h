#pragma once

#include "platform/win/controls/ListBox.h"

namespace velox::win {

// A file list box: the files of the folder `Path` whose names match `Pattern`
// ("*.WAV", "*.TXT;*.ME"), in name order. Setting either reads the folder again.
class FileListBox : public ListBox {
    Q_OBJECT

public:
    FileListBox(const QString& name, int index, QWidget* parent);

    // The folder as a Windows path, kept without a closing backslash (except for
    // a drive's root, "D:\"). Raises 52 for a drive without a readable disc and
    // 76 for a missing folder; the list keeps its old path and files then.
    [[nodiscard]] const QString& Path() const { return path_; }
    void setPath(const QString& windowsPath);

    [[nodiscard]] const QString& Pattern() const { return pattern_; }
    void setPattern(const QString& patterns);

    // The selected file's name, or empty.
    [[nodiscard]] QString FileName() const;

    // Reads the folder again.
    void Refresh();

private:
    void fill(const QString& folder);

    QString path_;
    QString pattern_ = QStringLiteral("*.*");
};

} // namespace velox::win

#pragma once

#include "platform/win/TwipsControl.h"

#include <QTextEdit>

namespace veloxcd {

// The read-me viewer `txtReadme` until the rich-text box joins the platform:
// setting its file name loads the file's text. Raises the run-time error of the
// file read (53, 76, 71) when the file cannot be read.
class TextFileBox : public QTextEdit, public velox::win::TwipsControl {
    Q_OBJECT

public:
    TextFileBox(const QString& name, int index, QWidget* parent);

    [[nodiscard]] const QString& FileName() const { return fileName_; }
    void setFileName(const QString& windowsPath);

private:
    QString fileName_;
};

} // namespace veloxcd

#include "catalogue/mainwindow/TextFileBox.h"

#include "platform/win/FileOps.h"
#include "platform/win/RuntimeError.h"

#include <QFile>

namespace veloxcd {

TextFileBox::TextFileBox(const QString& name, int index, QWidget* parent)
    : QTextEdit(parent), TwipsControl(this, name, index) {
    setReadOnly(true);
}

void TextFileBox::setFileName(const QString& windowsPath) {
    QFile file(velox::win::existingFile(windowsPath));
    if (!file.open(QIODevice::ReadOnly)) {
        velox::win::raiseError(velox::win::err::PathFileAccessError, windowsPath);
    }
    QString text = QString::fromLatin1(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(text);
    fileName_ = windowsPath;
}

} // namespace veloxcd

#include "platform/com/ModulePath.h"

#include <QFile>
#include <QFileInfo>
#include <dlfcn.h>

namespace velox::com {

QString modulePathOf(const void* address) {
    Dl_info info{};
    if (::dladdr(address, &info) == 0 || info.dli_fname == nullptr) {
        return QString();
    }
    return QFileInfo(QFile::decodeName(info.dli_fname)).absoluteFilePath();
}

} // namespace velox::com

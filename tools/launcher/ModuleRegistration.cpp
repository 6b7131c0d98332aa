#include "tools/launcher/ModuleRegistration.h"

#include "platform/registry/Registry.h"
#include "tools/regsvr/ModuleRegistrar.h"

#include <QByteArray>
#include <QFile>
#include <array>

namespace velox::launcher {

using namespace velox::registry;

bool isModuleRegistered(const QString& modulePath) {
    HKEY classes = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, "CLSID", 0, KEY_READ, &classes) != ERROR_SUCCESS) {
        return false;
    }
    const QByteArray wanted = QFile::encodeName(modulePath);
    bool found = false;
    std::array<char, 256> name{};
    for (DWORD index = 0; !found; ++index) {
        DWORD nameSize = name.size();
        if (RegEnumKeyExA(classes, index, name.data(), &nameSize, nullptr, nullptr, nullptr,
                          nullptr) != ERROR_SUCCESS) {
            break;
        }
        const QByteArray server = QByteArray(name.data(), nameSize) + "\\InprocServer32";
        LONG size = 0;
        if (RegQueryValueA(classes, server.constData(), nullptr, &size) != ERROR_SUCCESS ||
            size <= 0) {
            continue;
        }
        QByteArray value(size, '\0');
        if (RegQueryValueA(classes, server.constData(), value.data(), &size) == ERROR_SUCCESS) {
            found = QByteArray(value.constData()) == wanted;
        }
    }
    RegCloseKey(classes);
    return found;
}

bool ensureModuleRegistered(const QString& modulePath, QString* error) {
    if (isModuleRegistered(modulePath)) {
        return true;
    }
    const tools::RegistrarOutcome outcome = tools::runRegistration(modulePath, false);
    switch (outcome.kind) {
    case tools::RegistrarOutcome::Done:
        return true;
    case tools::RegistrarOutcome::LoadFailed:
        *error = QStringLiteral("cannot load %1: %2").arg(modulePath, outcome.detail);
        break;
    case tools::RegistrarOutcome::EntryMissing:
        *error = QStringLiteral("%1 has no DllRegisterServer").arg(modulePath);
        break;
    case tools::RegistrarOutcome::CallFailed:
        *error = QStringLiteral("registering %1 failed with 0x%2")
                     .arg(modulePath)
                     .arg(static_cast<unsigned>(outcome.result), 8, 16, QLatin1Char('0'));
        break;
    }
    return false;
}

} // namespace velox::launcher

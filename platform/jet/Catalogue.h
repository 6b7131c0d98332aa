#pragma once

#include "platform/jet/JetFile.h"
#include "platform/jet/TableDef.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace velox::jet {

// The system catalogue (MSysObjects): where each table's definition starts.
class Catalogue {
public:
    explicit Catalogue(const JetFile& file);

    struct Entry {
        QString name;
        std::uint32_t page = 0;
        bool system = false;
    };
    // The table of that name, matched without regard to case.
    [[nodiscard]] std::optional<Entry> find(const QString& name) const;
    // The names of the user tables, in catalogue order.
    [[nodiscard]] QStringList tableNames() const;

private:
    std::vector<Entry> tables_;
};

} // namespace velox::jet

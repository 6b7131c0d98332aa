#pragma once

#include "platform/jet/JetFormat.h"

#include <QByteArray>
#include <QString>

namespace velox::jet {

// The database definition page: format version, page size, database key,
// creation date and the database password (scrambled with RC4 under a fixed
// key; in Jet 4 additionally masked with the creation date).
struct DatabaseHeader {
    format::Version version = format::Version::Jet4;
    int pageSize = format::Jet4PageSize;
    QString password;
    std::uint32_t databaseKey = 0;
    double creationDate = 0.0;

    // Reads page 0; raises 3343 when it is not a Jet 3 or Jet 4 header.
    static DatabaseHeader parse(const char* data, qsizetype size);
    // A complete Jet 4 page 0 for these values.
    [[nodiscard]] QByteArray buildJet4() const;

    static constexpr int MaxPasswordLength = 20;
};

} // namespace velox::jet

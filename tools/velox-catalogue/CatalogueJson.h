#pragma once

#include "platform/jet/JetWriter.h"

#include <QByteArray>
#include <QString>
#include <stdexcept>

namespace veloxcd::tools {

// A catalogue source that cannot be used; the message says where and why.
class JsonError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The JSON form of a catalogue (docs/catalogue-json.md): an object with an
// optional "password" and one array of row objects per table.
velox::jet::DatabaseSpec catalogueFromJson(const QByteArray& json);
// The JSON form of an open catalogue file.
QByteArray catalogueToJson(const QString& path, const QString& password);

} // namespace veloxcd::tools

#pragma once

// Copying a request's arguments out of the caller's memory: the engine
// keeps nothing that points into it.

#include "simulator/Location.h"
#include "tanlink/EngineCodes.h"
#include "tanlink/EngineRecords.h"
#include "tanlink/MachinePath.h"

#include <QByteArray>

namespace velox::simulator {

// The machine and path of a record; 87 for a null record.
inline com::LONG argumentOf(const tanlink::MachinePathRecord* record, PathArgument* argument) {
    if (record == nullptr) {
        return tanlink::kErrorInvalidParameter;
    }
    argument->machine = record->machine;
    argument->path = tanlink::machinePathText(*record);
    return tanlink::kOk;
}

// Both records of a two-path request.
inline com::LONG argumentsOf(const tanlink::MachinePathRecord* from,
                             const tanlink::MachinePathRecord* to, PathArgument* a,
                             PathArgument* b) {
    const com::LONG code = argumentOf(from, a);
    return code != tanlink::kOk ? code : argumentOf(to, b);
}

// A NUL-terminated text, bounded by the path field's size; empty for null.
inline QByteArray textOf(const char* text) {
    return text == nullptr ? QByteArray()
                           : QByteArray(text, qstrnlen(text, tanlink::kPathFieldSize));
}

} // namespace velox::simulator

#pragma once

// The property exchange of a control: one routine both saves and loads the
// control's persistent state as a run of 32-bit little-endian values, so
// that the order written is the order read.

#include "platform/com/Types.h"

#include <QByteArray>
#include <QByteArrayView>

namespace velox::tanlink {

class PropExchange {
public:
    static PropExchange forSaving() { return PropExchange(true, {}); }
    static PropExchange forLoading(QByteArrayView data) { return PropExchange(false, data); }

    [[nodiscard]] bool isLoading() const { return !saving_; }

    // Saving appends `value`; loading replaces it with the next stored value
    // and returns false (leaving `value` alone) when the data has run out.
    bool exchange(com::DWORD& value);
    bool exchange(com::LONG& value);

    // What was saved.
    [[nodiscard]] const QByteArray& data() const { return data_; }

private:
    PropExchange(bool saving, QByteArrayView data) : saving_(saving), data_(data.toByteArray()) {}

    bool saving_;
    QByteArray data_;
    qsizetype position_ = 0;
};

} // namespace velox::tanlink

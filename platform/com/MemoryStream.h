#pragma once

// A stream over bytes in memory, as CreateStreamOnHGlobal gives on
// Windows: what a container hands a control to save its properties into
// and to load them from.

#include "platform/com/ComObject.h"
#include "platform/com/interfaces/Persist.h"

#include <QByteArray>
#include <mutex>

namespace velox::com {

class MemoryStream final : public ComObject<MemoryStream, IStream> {
public:
    // A new stream (one reference) holding `initial`, positioned at 0.
    static MemoryStream* create(QByteArray initial = QByteArray());

    // Everything written so far.
    [[nodiscard]] QByteArray contents() const;

    // IStream, and ISequentialStream, which it extends.
    static InterfaceTable<MemoryStream> interfaceTable() {
        static constexpr InterfaceEntry<MemoryStream> rows[] = {
            interfaceEntry<MemoryStream, IStream>(IID_IStream),
            interfaceEntry<MemoryStream, IStream>(IID_ISequentialStream)};
        return rows;
    }

    HRESULT Read(void* buffer, ULONG size, ULONG* read) override;
    HRESULT Write(const void* buffer, ULONG size, ULONG* written) override;
    HRESULT Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* position) override;
    HRESULT SetSize(ULARGE_INTEGER size) override;
    HRESULT CopyTo(IStream* target, ULARGE_INTEGER size, ULARGE_INTEGER* read,
                   ULARGE_INTEGER* written) override;
    HRESULT Commit(DWORD flags) override;
    HRESULT Revert() override;
    HRESULT LockRegion(ULARGE_INTEGER offset, ULARGE_INTEGER size, DWORD type) override;
    HRESULT UnlockRegion(ULARGE_INTEGER offset, ULARGE_INTEGER size, DWORD type) override;
    HRESULT Stat(STATSTG* stat, DWORD flags) override;
    HRESULT Clone(IStream** copy) override;

private:
    explicit MemoryStream(QByteArray initial) : data_(std::move(initial)) {}
    ~MemoryStream() override = default;

    mutable std::mutex mutex_;
    QByteArray data_;
    qint64 position_ = 0;
};

} // namespace velox::com

#include "platform/com/MemoryStream.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace velox::com {

namespace {
constexpr qint64 kMaxSize = std::numeric_limits<int>::max() / 2;
}

MemoryStream* MemoryStream::create(QByteArray initial) {
    return new MemoryStream(std::move(initial));
}

QByteArray MemoryStream::contents() const {
    const std::lock_guard lock(mutex_);
    return data_;
}

HRESULT MemoryStream::Read(void* buffer, ULONG size, ULONG* read) {
    if (buffer == nullptr && size > 0) {
        return STG_E_INVALIDPOINTER;
    }
    const std::lock_guard lock(mutex_);
    const qint64 available = std::max<qint64>(0, data_.size() - position_);
    const auto count = static_cast<ULONG>(std::min<qint64>(available, size));
    if (count > 0) {
        std::memcpy(buffer, data_.constData() + position_, count);
    }
    position_ += count;
    if (read != nullptr) {
        *read = count;
    }
    return count == size ? S_OK : S_FALSE;
}

HRESULT MemoryStream::Write(const void* buffer, ULONG size, ULONG* written) {
    if (buffer == nullptr && size > 0) {
        return STG_E_INVALIDPOINTER;
    }
    const std::lock_guard lock(mutex_);
    if (position_ + size > kMaxSize) {
        return E_OUTOFMEMORY;
    }
    if (position_ + size > data_.size()) {
        data_.resize(position_ + size, '\0');
    }
    if (size > 0) {
        std::memcpy(data_.data() + position_, buffer, size);
    }
    position_ += size;
    if (written != nullptr) {
        *written = size;
    }
    return S_OK;
}

HRESULT MemoryStream::Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* position) {
    const std::lock_guard lock(mutex_);
    qint64 base = 0;
    switch (origin) {
    case STREAM_SEEK_SET:
        break;
    case STREAM_SEEK_CUR:
        base = position_;
        break;
    case STREAM_SEEK_END:
        base = data_.size();
        break;
    default:
        return STG_E_INVALIDFUNCTION;
    }
    const qint64 target = base + move.QuadPart;
    if (target < 0 || target > kMaxSize) {
        return STG_E_INVALIDFUNCTION;
    }
    position_ = target;
    if (position != nullptr) {
        position->QuadPart = static_cast<ULONGLONG>(target);
    }
    return S_OK;
}

HRESULT MemoryStream::SetSize(ULARGE_INTEGER size) {
    if (size.QuadPart > static_cast<ULONGLONG>(kMaxSize)) {
        return E_OUTOFMEMORY;
    }
    const std::lock_guard lock(mutex_);
    data_.resize(static_cast<qsizetype>(size.QuadPart), '\0');
    return S_OK;
}

HRESULT MemoryStream::CopyTo(IStream* target, ULARGE_INTEGER size, ULARGE_INTEGER* read,
                             ULARGE_INTEGER* written) {
    if (target == nullptr) {
        return STG_E_INVALIDPOINTER;
    }
    QByteArray chunk;
    {
        const std::lock_guard lock(mutex_);
        const qint64 available = std::max<qint64>(0, data_.size() - position_);
        const qint64 count = static_cast<qint64>(
            std::min<ULONGLONG>(static_cast<ULONGLONG>(available), size.QuadPart));
        chunk = data_.mid(position_, count);
        position_ += count;
    }
    ULONG done = 0;
    const HRESULT hr = target->Write(chunk.constData(), static_cast<ULONG>(chunk.size()), &done);
    if (read != nullptr) {
        read->QuadPart = static_cast<ULONGLONG>(chunk.size());
    }
    if (written != nullptr) {
        written->QuadPart = done;
    }
    return hr;
}

HRESULT MemoryStream::Commit(DWORD /*flags*/) {
    return S_OK;
}

HRESULT MemoryStream::Revert() {
    return S_OK;
}

HRESULT MemoryStream::LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) {
    return STG_E_INVALIDFUNCTION;
}

HRESULT MemoryStream::UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) {
    return STG_E_INVALIDFUNCTION;
}

HRESULT MemoryStream::Stat(STATSTG* stat, DWORD /*flags*/) {
    if (stat == nullptr) {
        return STG_E_INVALIDPOINTER;
    }
    const std::lock_guard lock(mutex_);
    *stat = STATSTG{};
    stat->type = STGTY_STREAM;
    stat->cbSize.QuadPart = static_cast<ULONGLONG>(data_.size());
    return S_OK;
}

HRESULT MemoryStream::Clone(IStream** copy) {
    if (copy == nullptr) {
        return STG_E_INVALIDPOINTER;
    }
    const std::lock_guard lock(mutex_);
    auto* clone = new MemoryStream(data_);
    clone->position_ = position_;
    *copy = clone;
    return S_OK;
}

} // namespace velox::com

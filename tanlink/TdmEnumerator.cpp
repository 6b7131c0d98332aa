#include "tanlink/TdmEnumerator.h"

#include "tanlink/CTdmDirObj.h"
#include "tanlink/CTdmFile.h"
#include "tanlink/ModuleLock.h"

namespace velox::tanlink {

using namespace com;

TdmEnumerator* TdmEnumerator::create(CTdmDirObj* directory) {
    return new TdmEnumerator(directory);
}

TdmEnumerator::TdmEnumerator(CTdmDirObj* directory) : directory_(directory) {
    directory_->AddRef();
    moduleLock().lock();
}

TdmEnumerator::~TdmEnumerator() {
    directory_->Release();
    moduleLock().unlock();
}

ITandemDirectory* TdmEnumerator::listing() const {
    return directory_->engineObject();
}

HRESULT TdmEnumerator::Next(ULONG count, VARIANT* items, ULONG* fetched) {
    if (count > 0 && items == nullptr) {
        return E_POINTER;
    }
    for (ULONG i = 0; i < count; ++i) {
        VariantInit(&items[i]);
    }
    if (fetched != nullptr) {
        *fetched = 0;
    }
    ITandemDirectory* engine = listing();
    for (ULONG i = 0; i < count; ++i) {
        ITandemFile* entry = nullptr;
        ULONG delivered = 0;
        if (engine == nullptr) {
            return S_FALSE;
        }
        engine->Next(1, &entry, &delivered);
        if (delivered != 1 || entry == nullptr) {
            if (entry != nullptr) {
                entry->Release();
            }
            return S_FALSE;
        }
        items[i].vt = VT_DISPATCH;
        items[i].pdispVal = CTdmFile::adopt(entry);
        if (fetched != nullptr) {
            ++*fetched;
        }
    }
    return S_OK;
}

HRESULT TdmEnumerator::Skip(ULONG count) {
    ITandemDirectory* engine = listing();
    return engine != nullptr ? engine->Skip(count) : S_FALSE;
}

HRESULT TdmEnumerator::Reset() {
    ITandemDirectory* engine = listing();
    return engine != nullptr ? engine->Reset() : S_FALSE;
}

HRESULT TdmEnumerator::Clone(IEnumVARIANT** copy) {
    if (copy != nullptr) {
        *copy = nullptr;
    }
    return E_NOTIMPL;
}

} // namespace velox::tanlink

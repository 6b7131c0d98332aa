#include "tanlink/CTdmFile.h"

#include "platform/com/Ansi.h"
#include "platform/com/DispatchThunk.h"
#include "tanlink/EngineCodes.h"
#include "tanlink/EngineRecords.h"
#include "tanlink/InfoRecords.h"
#include "tanlink/ObjectNotReady.h"

namespace velox::tanlink {

using namespace com;

namespace {

constexpr MemberInfo kMembers[] = {
    {1, "GetFileName", MemberKind::Method, VT_BSTR, {}, dispatchThunk<&CTdmFile::GetFileName>},
    {2,
     "GetModifiedDate",
     MemberKind::Method,
     VT_DATE,
     {},
     dispatchThunk<&CTdmFile::GetModifiedDate>},
    {3, "GetSize", MemberKind::Method, VT_I4, {}, dispatchThunk<&CTdmFile::GetSize>},
    {4, "GetAttributes", MemberKind::Method, VT_I4, {}, dispatchThunk<&CTdmFile::GetAttributes>},
    {5, "Clone", MemberKind::Method, VT_DISPATCH, {}, dispatchThunk<&CTdmFile::Clone>},
};

const InterfaceInfo kInterface{IID_ITdmFile, "ITdmFile", kMembers};

} // namespace

const InterfaceInfo& CTdmFile::dispatchInterface() {
    return kInterface;
}

CTdmFile* CTdmFile::adopt(ITandemFile* engine) {
    CTdmFile* file = create();
    *file->engineSlot() = engine;
    return file;
}

BSTR CTdmFile::GetFileName() {
    char name[kPathFieldSize + 1] = {};
    if (engineObject() == nullptr || engineObject()->GetName(name) != kOk) {
        raiseObjectNotReady();
    }
    name[kPathFieldSize] = '\0';
    return bstrFromQString(unicodeFromAnsi(QByteArrayView(name, qstrnlen(name, kPathFieldSize))));
}

DATE CTdmFile::GetModifiedDate() {
    const std::optional<DATE> date =
        localDateFromFileTime(readFileTime(informationRecord(), file_record::kModified));
    if (!date) {
        raiseObjectNotReady();
    }
    return *date;
}

LONG CTdmFile::GetSize() {
    return static_cast<LONG>(readDword(informationRecord(), file_record::kSize));
}

LONG CTdmFile::GetAttributes() {
    return static_cast<LONG>(readDword(informationRecord(), file_record::kAttributes));
}

IDispatch* CTdmFile::Clone() {
    CTdmFile* copy = create();
    if (engineObject() != nullptr) {
        engineObject()->Clone(copy->engineSlot());
    }
    if (copy->engineObject() == nullptr) {
        copy->Release();
        return nullptr;
    }
    return copy;
}

} // namespace velox::tanlink

#include "tanlink/CFSinfoS.h"

#include "tanlink/CTanlinkCtrlS.h"

namespace velox::tanlink {

using namespace com;

namespace {

constexpr ParamInfo kProgress[] = {{"Percent", VT_I2}, {"Cancel", VT_BOOL | VT_BYREF}};
constexpr ParamInfo kFileName[] = {{"FileName", VT_BSTR}};
constexpr ParamInfo kCloseProgress[] = {{"Application", VT_BSTR}, {"File", VT_BSTR}};

constexpr MemberInfo kEvents[] = {
    {1, "OnCopyProgress", MemberKind::Method, VT_EMPTY, kProgress, nullptr},
    {2, "OnCopyDirectoryProgress", MemberKind::Method, VT_EMPTY, kFileName, nullptr},
    {3, "OnFormatProgress", MemberKind::Method, VT_EMPTY, kProgress, nullptr},
    {4, "OnCloseProgramProgress", MemberKind::Method, VT_EMPTY, kCloseProgress, nullptr},
};

const InterfaceInfo kInterface{IID__DTandemEngSEvents, "_DTandemEngSEvents", kEvents, nullptr,
                               TYPEFLAG_FDISPATCHABLE};

} // namespace

const InterfaceInfo& CFSinfoS::eventInterface() {
    return kInterface;
}

LONG CFSinfoS::OnCopyProgress(SHORT percent, BOOL* cancel) {
    return fireWithCancel(OnCopyProgressId, cancel,
                          [percent](EventArguments& args) { args.addShort(percent); });
}

LONG CFSinfoS::OnCopyDirectoryProgress(const char* fileName) {
    EventArguments args;
    args.addText(fileName);
    return fire(OnCopyDirectoryProgressId, args);
}

LONG CFSinfoS::OnFormatProgress(SHORT percent, BOOL* cancel) {
    return fireWithCancel(OnFormatProgressId, cancel,
                          [percent](EventArguments& args) { args.addShort(percent); });
}

LONG CFSinfoS::OnCloseProgramProgress(const char* application, const char* file) {
    EventArguments args;
    args.addText(application).addText(file);
    return fire(OnCloseProgramProgressId, args);
}

} // namespace velox::tanlink

// A late-bound call of a five-argument method, by DISPID and by name
// (GetIDsOfNames + Invoke), side by side with a direct virtual call of the
// same implementation. The target: by DISPID at most 30 times the direct
// call. The ratios are printed after the run.

#include "BenchRun.h"
#include "BenchSummary.h"
#include "platform/com/DispatchImpl.h"
#include "platform/com/DispatchThunk.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>

using namespace velox::com;

namespace {

constexpr IID IID_IAdder = {0x5A3E3001, 0x2222, 0x3333, {1, 2, 3, 4, 5, 6, 7, 8}};

// A dual interface: the same method reachable directly and by Invoke.
struct IAdder : IDispatch {
    virtual LONG Add(LONG a, SHORT b, SHORT flag, BSTR text, DOUBLE when) = 0;

protected:
    ~IAdder() = default;
};

class Adder final : public DispatchImpl<Adder, IAdder> {
public:
    HRESULT QueryInterface(REFIID riid, void** object) override {
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_IAdder) {
            *object = static_cast<IAdder*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }

    LONG Add(LONG a, SHORT b, SHORT flag, BSTR text, DOUBLE when) override {
        return a + b + (flag != 0 ? 1 : 0) + static_cast<LONG>(SysStringLen(text)) +
               static_cast<LONG>(when);
    }

    static const InterfaceInfo& dispatchInterface();
};

constexpr ParamInfo kAddParams[] = {
    {"A", VT_I4}, {"B", VT_I2}, {"Flag", VT_BOOL}, {"Text", VT_BSTR}, {"When", VT_DATE}};
constexpr ParamInfo kNoParams[] = {{"X", VT_I4}};
void nothing(void*, DispatchCall&) {}
// A table of a realistic size: the method sits among thirty others.
constexpr MemberInfo kMembers[] = {
    {1, "Init", MemberKind::Method, VT_I4, kNoParams, nothing},
    {2, "Connect", MemberKind::Method, VT_I4, kNoParams, nothing},
    {3, "GetDirectory", MemberKind::Method, VT_I4, kNoParams, nothing},
    {4, "Disconnect", MemberKind::Method, VT_I4, kNoParams, nothing},
    {6, "MoveFile", MemberKind::Method, VT_I4, kNoParams, nothing},
    {7, "DeleteFile", MemberKind::Method, VT_I4, kNoParams, nothing},
    {8, "RenameFile", MemberKind::Method, VT_I4, kNoParams, nothing},
    {9, "DeleteDirectory", MemberKind::Method, VT_I4, kNoParams, nothing},
    {10, "GetDrives", MemberKind::Method, VT_I4, kNoParams, nothing},
    {11, "GetDriveInfo", MemberKind::Method, VT_I4, kNoParams, nothing},
    {12, "LabelDrive", MemberKind::Method, VT_I4, kNoParams, nothing},
    {13, "CreateDirectory", MemberKind::Method, VT_I4, kNoParams, nothing},
    {14, "MoveDirectory", MemberKind::Method, VT_I4, kNoParams, nothing},
    {15, "SetAttributes", MemberKind::Method, VT_I4, kNoParams, nothing},
    {16, "ParseFile", MemberKind::Method, VT_I4, kNoParams, nothing},
    {17, "CopyDirectory", MemberKind::Method, VT_I4, kNoParams, nothing},
    {18, "RenameDirectory", MemberKind::Method, VT_I4, kNoParams, nothing},
    {19, "GetFileInfo", MemberKind::Method, VT_I4, kNoParams, nothing},
    {20, "GetMachineInfo", MemberKind::Method, VT_I4, kNoParams, nothing},
    {21, "GetExtraMachineInfo", MemberKind::Method, VT_I4, kNoParams, nothing},
    {22, "MachineSyncTime", MemberKind::Method, VT_I4, kNoParams, nothing},
    {23, "Format", MemberKind::Method, VT_I4, kNoParams, nothing},
    {24, "MatchWildcard", MemberKind::Method, VT_I4, kNoParams, nothing},
    {25, "CancelOperation", MemberKind::Method, VT_I4, kNoParams, nothing},
    {26, "SetConfiguration", MemberKind::Method, VT_I4, kNoParams, nothing},
    {27, "GetConfiguration", MemberKind::Method, VT_I4, kNoParams, nothing},
    {28, "ClosePrograms", MemberKind::Method, VT_I4, kNoParams, nothing},
    {29, "StartProgram", MemberKind::Method, VT_I4, kNoParams, nothing},
    {30, "StopProgram", MemberKind::Method, VT_I4, kNoParams, nothing},
    {31, "ReadConfig", MemberKind::Method, VT_I4, kNoParams, nothing},
    {32, "WriteConfig", MemberKind::Method, VT_I4, kNoParams, nothing},
    {5, "CopyFile", MemberKind::Method, VT_I4, kAddParams, dispatchThunk<&Adder::Add>},
};
const InterfaceInfo kAdder{IID_IAdder, "IAdder", kMembers};
const InterfaceInfo& Adder::dispatchInterface() {
    return kAdder;
}

// A late-bound call's parameters: the five arguments, last first, as a
// late-binding caller passes them, and the place for the result.
struct LateCall {
    LateCall() {
        for (VARIANT& v : args) {
            VariantInit(&v);
        }
        args[4].vt = VT_I4;
        args[4].lVal = 40;
        args[3].vt = VT_I2;
        args[3].iVal = 2;
        args[2].vt = VT_BOOL;
        args[2].boolVal = VARIANT_TRUE;
        args[1].vt = VT_BSTR;
        args[1].bstrVal = SysAllocString(u"C:\\System\\Alarms\\temp.wve");
        args[0].vt = VT_DATE;
        args[0].date = 3.0;
    }
    ~LateCall() { VariantClear(&args[1]); }
    LateCall(const LateCall&) = delete;
    LateCall& operator=(const LateCall&) = delete;
    VARIANT args[5];
    DISPPARAMS params{args, nullptr, 5, 0};
    VARIANT result{};
};

void DirectVirtualCall(benchmark::State& state) {
    Adder adder;
    IAdder* target = &adder;
    BSTR text = SysAllocString(u"C:\\System\\Alarms\\temp.wve");
    for (auto _ : state) {
        benchmark::DoNotOptimize(target);
        benchmark::DoNotOptimize(target->Add(40, 2, VARIANT_TRUE, text, 3.0));
    }
    SysFreeString(text);
}

void InvokeByDispid(benchmark::State& state) {
    Adder adder;
    IDispatch* target = &adder;
    LateCall call;
    for (auto _ : state) {
        benchmark::DoNotOptimize(target);
        target->Invoke(5, GUID_NULL, 0, DISPATCH_METHOD, &call.params, &call.result, nullptr,
                       nullptr);
        benchmark::DoNotOptimize(call.result.lVal);
    }
}

void InvokeByName(benchmark::State& state) {
    Adder adder;
    IDispatch* target = &adder;
    LateCall call;
    LPOLESTR names[] = {const_cast<LPOLESTR>(u"copyfile")};
    for (auto _ : state) {
        benchmark::DoNotOptimize(target);
        DISPID id = 0;
        target->GetIDsOfNames(GUID_NULL, names, 1, 0, &id);
        target->Invoke(id, GUID_NULL, 0, DISPATCH_METHOD, &call.params, &call.result, nullptr,
                       nullptr);
        benchmark::DoNotOptimize(call.result.lVal);
    }
}

BENCHMARK(DirectVirtualCall);
BENCHMARK(InvokeByDispid);
BENCHMARK(InvokeByName);

// Keeps each benchmark's time per iteration to print the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.iterations > 0) {
                times[run.benchmark_name()] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, std::pair<double, double>> times; // real, CPU
};

} // namespace

int main(int argc, char** argv) {
    RatioReporter reporter;
    if (!velox::bench::runBenchmarks(argc, argv, &reporter)) {
        return 1;
    }
    const auto direct = reporter.times.find("DirectVirtualCall");
    if (direct != reporter.times.end() && direct->second.first > 0 && direct->second.second > 0) {
        for (const char* name : {"InvokeByDispid", "InvokeByName"}) {
            const auto it = reporter.times.find(name);
            if (it != reporter.times.end()) {
                std::printf("%-16s %6.1f x the direct call in real time, %6.1f x in CPU time\n",
                            name, it->second.first / direct->second.first,
                            it->second.second / direct->second.second);
            }
        }
        const auto byDispid = reporter.times.find("InvokeByDispid");
        if (byDispid != reporter.times.end()) {
            velox::bench::summarise("Late call by DISPID / direct virtual call (CPU)",
                                    byDispid->second.second / direct->second.second,
                                    velox::bench::Bound::AtMost, 30);
        }
    }
    return 0;
}

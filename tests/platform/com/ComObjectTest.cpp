#include "platform/com/ComObject.h"

#include <gtest/gtest.h>
#include <thread>
#include <vector>

using namespace velox::com;

namespace {

constexpr IID IID_IFirst = {0x5A1E0001, 0x0000, 0x0000, {0, 0, 0, 0, 0, 0, 0, 1}};
constexpr IID IID_ISecond = {0x5A1E0002, 0x0000, 0x0000, {0, 0, 0, 0, 0, 0, 0, 2}};
constexpr IID IID_IFirstAlias = {0x5A1E0003, 0x0000, 0x0000, {0, 0, 0, 0, 0, 0, 0, 3}};
constexpr IID IID_IOther = {0x5A1E0004, 0x0000, 0x0000, {0, 0, 0, 0, 0, 0, 0, 4}};

struct IFirst : IUnknown {
    static constexpr const IID& iid = IID_IFirst;
    virtual int first() = 0;

protected:
    ~IFirst() = default;
};

struct ISecond : IUnknown {
    static constexpr const IID& iid = IID_ISecond;
    virtual int second() = 0;

protected:
    ~ISecond() = default;
};

// Counts what happens to it in `log`, which outlives it.
struct Log {
    int lastReleased = 0;
    int deleted = 0;
};

class Both final : public ComObject<Both, IFirst, ISecond> {
public:
    explicit Both(Log& log) : log_(log) {}
    int first() override { return 1; }
    int second() override { return 2; }

private:
    ~Both() override { ++log_.deleted; }
    void lastReleased() override {
        EXPECT_EQ(log_.deleted, 0) << "before the object goes";
        ++log_.lastReleased;
    }

    Log& log_;
};

// An object that answers one interface under two IIDs.
class Aliased final : public ComObject<Aliased, IFirst> {
public:
    static InterfaceTable<Aliased> interfaceTable() {
        static constexpr InterfaceEntry<Aliased> rows[] = {
            interfaceEntry<Aliased, IFirst>(IID_IFirst),
            interfaceEntry<Aliased, IFirst>(IID_IFirstAlias),
            interfaceEntry<Aliased, IFirst>(nullptr)};
        return rows;
    }
    int first() override { return 7; }
};

template <typename Interface> Interface* query(IUnknown* object, const IID& iid) {
    void* found = nullptr;
    EXPECT_EQ(object->QueryInterface(iid, &found), S_OK);
    return static_cast<Interface*>(found);
}

} // namespace

TEST(ComObject, AnswersItsInterfacesWithOneIdentity) {
    Log log;
    auto* object = new Both(log);
    IFirst* first = object;
    ISecond* second = query<ISecond>(first, IID_ISecond);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->second(), 2);
    EXPECT_EQ(query<IFirst>(second, IID_IFirst)->first(), 1);

    // IUnknown from either interface is the same pointer: the first one's.
    IUnknown* fromFirst = query<IUnknown>(first, IID_IUnknown);
    IUnknown* fromSecond = query<IUnknown>(second, IID_IUnknown);
    EXPECT_EQ(fromFirst, fromSecond);
    EXPECT_EQ(static_cast<void*>(fromFirst), static_cast<void*>(first));

    void* none = &log;
    EXPECT_EQ(first->QueryInterface(IID_IOther, &none), E_NOINTERFACE);
    EXPECT_EQ(none, nullptr) << "a refused query clears the out-argument";
    EXPECT_EQ(first->QueryInterface(IID_IFirst, nullptr), E_POINTER);

    // Four queries answered: four references to give back, then the creator's.
    for (int i = 0; i < 4; ++i) {
        first->Release();
    }
    EXPECT_EQ(log.deleted, 0);
    EXPECT_EQ(second->Release(), 0u);
    EXPECT_EQ(log.lastReleased, 1);
    EXPECT_EQ(log.deleted, 1);
}

TEST(ComObject, OwnTableAnswersAliasesAndSkipsRowsWithoutId) {
    auto* object = new Aliased;
    IFirst* alias = query<IFirst>(object, IID_IFirstAlias);
    EXPECT_EQ(alias, static_cast<IFirst*>(object));
    EXPECT_EQ(alias->first(), 7);
    void* none = nullptr;
    EXPECT_EQ(object->QueryInterface(IID_ISecond, &none), E_NOINTERFACE);
    alias->Release();
    EXPECT_EQ(object->Release(), 0u);
}

TEST(ComObject, EndsOnceWhenReferencesComeAndGoOnManyThreads) {
    Log log;
    auto* object = new Both(log);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([object] {
            for (int i = 0; i < 10000; ++i) {
                object->AddRef();
                object->Release();
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(log.deleted, 0);
    object->Release();
    EXPECT_EQ(log.deleted, 1);
    EXPECT_EQ(log.lastReleased, 1);
}

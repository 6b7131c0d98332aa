#include "platform/com/MemoryStream.h"

#include "platform/com/ComPtr.h"

#include <gtest/gtest.h>

using namespace velox::com;

namespace {
LARGE_INTEGER offset(LONGLONG value) {
    LARGE_INTEGER x{};
    x.QuadPart = value;
    return x;
}
} // namespace

TEST(MemoryStream, WritesReadsAndSeeksLikeAFile) {
    auto stream = ComPtr<IStream>::attach(MemoryStream::create());
    const DWORD version = 0x10000; // a property exchange's version record
    ULONG done = 0;
    ASSERT_EQ(stream->Write(&version, sizeof version, &done), S_OK);
    EXPECT_EQ(done, 4u);
    ASSERT_EQ(stream->Write("abc", 3, &done), S_OK);

    ULARGE_INTEGER position{};
    ASSERT_EQ(stream->Seek(offset(0), STREAM_SEEK_SET, &position), S_OK);
    DWORD back = 0;
    ASSERT_EQ(stream->Read(&back, sizeof back, &done), S_OK);
    EXPECT_EQ(back, version);
    char rest[8] = {};
    EXPECT_EQ(stream->Read(rest, sizeof rest, &done), S_FALSE) << "short read at the end";
    EXPECT_EQ(done, 3u);
    EXPECT_STREQ(rest, "abc");

    // Writing past the end after a seek fills the gap with zeros.
    ASSERT_EQ(stream->Seek(offset(2), STREAM_SEEK_END, &position), S_OK);
    EXPECT_EQ(position.QuadPart, 9u);
    ASSERT_EQ(stream->Write("z", 1, nullptr), S_OK);
    STATSTG stat{};
    ASSERT_EQ(stream->Stat(&stat, STATFLAG_NONAME), S_OK);
    EXPECT_EQ(stat.cbSize.QuadPart, 10u);
    EXPECT_EQ(stream->Seek(offset(-11), STREAM_SEEK_END, &position), STG_E_INVALIDFUNCTION);

    ComPtr<IStream> clone;
    ASSERT_EQ(stream->Clone(clone.put()), S_OK);
    ULARGE_INTEGER size{};
    size.QuadPart = 2;
    ASSERT_EQ(stream->SetSize(size), S_OK);
    ASSERT_EQ(clone->Stat(&stat, STATFLAG_NONAME), S_OK);
    EXPECT_EQ(stat.cbSize.QuadPart, 10u) << "a clone holds its own copy";
    EXPECT_EQ(static_cast<MemoryStream*>(stream.get())->contents(), QByteArray("\0\0", 2));
}

TEST(MemoryStream, CopiesIntoAnotherStream) {
    auto source = ComPtr<IStream>::attach(MemoryStream::create("0123456789"));
    auto target = ComPtr<IStream>::attach(MemoryStream::create());
    ASSERT_EQ(source->Seek(offset(3), STREAM_SEEK_SET, nullptr), S_OK);
    ULARGE_INTEGER size{};
    size.QuadPart = 4;
    ULARGE_INTEGER read{};
    ULARGE_INTEGER written{};
    ASSERT_EQ(source->CopyTo(target.get(), size, &read, &written), S_OK);
    EXPECT_EQ(read.QuadPart, 4u);
    EXPECT_EQ(written.QuadPart, 4u);
    EXPECT_EQ(static_cast<MemoryStream*>(target.get())->contents(), "3456");
    auto sequential = source.as<ISequentialStream>();
    EXPECT_TRUE(sequential);
    EXPECT_FALSE(source.as<IPersist>());
}

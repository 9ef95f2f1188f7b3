#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/core/exceptions.h"
#include "platform/core/streams.h"
#include "tests/core/expect_message.h"

namespace {

String ReadAll(TStream& s) {
  String out(static_cast<size_t>(s.Size() - s.Position()), '\0');
  s.ReadBuffer(out.data(), static_cast<int64_t>(out.size()));
  return out;
}

// ---- Memory streams ---------------------------------------------------------------------

TEST(MemoryStream, ReadsBackWhatWasWrittenAndTracksPosition) {
  TMemoryStream s;
  s.WriteBuffer("hello", 5);
  EXPECT_EQ(s.Position(), 5);
  EXPECT_EQ(s.Size(), 5);
  s.SetPosition(1);
  char buf[8] = {};
  EXPECT_EQ(s.Read(buf, 8), 4);  // only what is there
  EXPECT_EQ(std::string(buf, 4), "ello");
  EXPECT_EQ(s.Read(buf, 8), 0);
  s.Seek(-2, soEnd);
  EXPECT_EQ(ReadAll(s), "lo");
  s.Seek(-4, soCurrent);
  EXPECT_EQ(s.Position(), 1);
}

TEST(MemoryStream, SeekPastTheEndReadsNothingAndWritingFillsTheGapWithZeros) {
  TMemoryStream s;
  s.WriteBuffer("ab", 2);
  EXPECT_EQ(s.Seek(5, soBeginning), 5);
  char c = 'x';
  EXPECT_EQ(s.Read(&c, 1), 0);
  EXPECT_EQ(s.Size(), 2);
  s.WriteBuffer("z", 1);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(s.Memory()), 6), std::string("ab\0\0\0z", 6));
}

TEST(MemoryStream, RefusesSeeksBeforeTheStartAndKeepsItsPosition) {
  TMemoryStream s;
  s.WriteBuffer("abc", 3);
  s.SetPosition(2);
  EXPECT_THROW(s.Seek(-3, soCurrent), EStreamError);
  EXPECT_THROW(s.Seek(INT64_MAX, soCurrent), EStreamError);
  EXPECT_THROW(s.Seek(0, static_cast<TSeekOrigin>(7)), EStreamError);
  EXPECT_EQ(s.Position(), 2);
}

TEST(MemoryStream, NegativeCountsMoveNothing) {
  TMemoryStream s;
  s.WriteBuffer("abc", 3);
  s.SetPosition(0);
  char buf[4] = {};
  EXPECT_EQ(s.Read(buf, -1), 0);
  EXPECT_EQ(s.Write("x", -5), 0);
  EXPECT_EQ(s.Position(), 0);
  EXPECT_EQ(s.Size(), 3);
  EXPECT_THROW(s.ReadBuffer(buf, -1), EReadError);
  EXPECT_THROW(s.WriteBuffer(buf, -1), EWriteError);
}

TEST(MemoryStream, SetSizeCutsAndMovesAPositionPastTheNewEnd) {
  TMemoryStream s;
  s.WriteBuffer("abcdef", 6);
  s.SetSize(3);
  EXPECT_EQ(s.Position(), 3);
  EXPECT_EQ(s.Size(), 3);
  s.SetPosition(1);
  s.SetSize(10);
  EXPECT_EQ(s.Position(), 1);
  EXPECT_EQ(s.Bytes()[9], 0);
  s.Clear();
  EXPECT_EQ(s.Size(), 0);
  EXPECT_EQ(s.Position(), 0);
}

TEST(MemoryStream, CanAppendItsOwnBytes) {
  TMemoryStream s;
  s.WriteBuffer("0123456789", 10);
  s.WriteBuffer(s.Memory(), 10);  // growing moves the memory being read
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(s.Memory()), 20), "01234567890123456789");
}

TEST(StreamBuffers, ShortReadsAndRefusedWritesRaiseTheLibraryMessages) {
  TMemoryStream s;
  s.WriteBuffer("abc", 3);
  s.SetPosition(1);
  char buf[8];
  ExpectRaises<EReadError>([&] { s.ReadBuffer(buf, 3); }, "Stream read error");
  const char data[] = "xyz";
  TBytesStream readOnly(data, 3);
  ExpectRaises<EWriteError>([&] { readOnly.WriteBuffer("a", 1); }, "Stream write error");
}

TEST(StreamCopy, CopiesAllFromTheStartOrAGivenCount) {
  TStringStream source("0123456789");
  source.SetPosition(7);
  TMemoryStream all;
  EXPECT_EQ(all.CopyFrom(source, 0), 10);
  all.SetPosition(0);
  EXPECT_EQ(ReadAll(all), "0123456789");

  source.SetPosition(2);
  TMemoryStream part;
  EXPECT_EQ(part.CopyFrom(source, 3), 3);
  part.SetPosition(0);
  EXPECT_EQ(ReadAll(part), "234");
  EXPECT_EQ(part.CopyFrom(source, -1), 0);
  EXPECT_THROW(part.CopyFrom(source, 50), EReadError);
}

TEST(BytesStream, ReadsAndSeeksOverCallerBytes) {
  const char data[] = {'a', '\0', 'b', 'c'};
  TBytesStream s(data, 4);
  EXPECT_EQ(s.Size(), 4);
  s.Seek(1, soBeginning);
  EXPECT_EQ(ReadAll(s), std::string("\0bc", 3));
  EXPECT_EQ(s.Seek(10, soBeginning), 10);
  char c;
  EXPECT_EQ(s.Read(&c, 1), 0);
  TBytesStream empty(nullptr, 5);
  EXPECT_EQ(empty.Size(), 0);
}

TEST(StringStream, HoldsBinaryTextFromItsStart) {
  TStringStream s(std::string("a\0b", 3));
  EXPECT_EQ(s.Position(), 0);
  EXPECT_EQ(s.DataString(), std::string("a\0b", 3));
  s.Seek(0, soEnd);
  s.WriteBuffer("中", 3);
  EXPECT_EQ(s.DataString(), std::string("a\0b中", 6));
}

// ---- File streams -----------------------------------------------------------------------

class FileStreamTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::temp_directory_path() /
           ("core_streams_" + std::to_string(getpid()) + "_" + info->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  String PathOf(const char* name) const { return (dir_ / name).string(); }

  std::filesystem::path dir_;
};

TEST_F(FileStreamTest, CreateWritesAndOpenReadsBack) {
  const String path = PathOf("data.bin");
  {
    TFileStream out(path, fmCreate);
    out.WriteBuffer("hello 中文", 12);
    EXPECT_EQ(out.Size(), 12);
    EXPECT_EQ(out.FileName(), path);
  }
  TFileStream in(path, fmOpenRead | fmShareDenyNone);
  EXPECT_EQ(in.Size(), 12);
  in.Seek(6, soBeginning);
  EXPECT_EQ(ReadAll(in), "中文");
  char c;
  EXPECT_EQ(in.Read(&c, 1), 0);
  EXPECT_THROW(in.WriteBuffer("x", 1), EWriteError);
}

TEST_F(FileStreamTest, MissingFilesAndFoldersRaiseNamedErrors) {
  const String missing = PathOf("missing.txt");
  ExpectRaises<EFOpenError>([&] { TFileStream s(missing, fmOpenRead); }, "Cannot open file \"" + missing + "\"");
  ExpectRaises<EFOpenError>([&] { TFileStream s(missing, fmOpenReadWrite); }, "Cannot open file \"" + missing + "\"");
  const String noFolder = PathOf("no/such/folder.txt");
  ExpectRaises<EFCreateError>([&] { TFileStream s(noFolder, fmCreate); }, "Cannot create file \"" + noFolder + "\"");
  const String folder = dir_.string();
  ExpectRaises<EFOpenError>([&] { TFileStream s(folder, fmOpenRead); }, "Cannot open file \"" + folder + "\"");
}

TEST_F(FileStreamTest, OpenForWritingKeepsContentsAndCreateEmptiesThem) {
  const String path = PathOf("keep.txt");
  { TFileStream(path, fmCreate).WriteBuffer("abcdef", 6); }
  {
    TFileStream s(path, fmOpenWrite | fmShareExclusive);
    s.Seek(2, soBeginning);
    s.WriteBuffer("XY", 2);
  }
  {
    TFileStream s(path, fmOpenRead);
    EXPECT_EQ(ReadAll(s), "abXYef");
  }
  { TFileStream s(path, fmCreate); }
  TFileStream s(path, fmOpenRead);
  EXPECT_EQ(s.Size(), 0);
}

TEST_F(FileStreamTest, SwitchesBetweenReadingAndWriting) {
  TFileStream s(PathOf("rw.bin"), fmCreate);
  s.WriteBuffer("0123456789", 10);
  s.SetPosition(2);
  char two[2];
  s.ReadBuffer(two, 2);
  s.WriteBuffer("ab", 2);  // lands right after what was read
  s.ReadBuffer(two, 2);
  EXPECT_EQ(std::string(two, 2), "67");
  s.SetPosition(0);
  EXPECT_EQ(ReadAll(s), "0123ab6789");
  s.SetSize(3);
  EXPECT_EQ(s.Size(), 3);
  EXPECT_EQ(s.Position(), 3);
  EXPECT_THROW(s.Seek(-1, soBeginning), EStreamError);
}

TEST_F(FileStreamTest, MemoryStreamSavesAndLoadsWholeFiles) {
  const String path = PathOf("memory.bin");
  TMemoryStream out;
  out.WriteBuffer(std::string("x\0y", 3).data(), 3);
  out.SetPosition(1);  // saving ignores the position
  out.SaveToFile(path);
  TMemoryStream in;
  in.WriteBuffer("old contents", 12);
  in.LoadFromFile(path);
  EXPECT_EQ(in.Position(), 0);
  EXPECT_EQ(ReadAll(in), std::string("x\0y", 3));
  EXPECT_THROW(in.LoadFromFile(PathOf("absent")), EFOpenError);
  EXPECT_EQ(in.Size(), 3);
}

// /dev/full takes a file open and every buffered byte, then refuses them when they are
// written out: the refusal must reach the caller, not vanish when the file closes.
TEST(FileStreamFailures, BytesTheDeviceRefusesRaiseOnFlushAndSave) {
  if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
  TMemoryStream bytes;
  bytes.WriteBuffer("abc", 3);
  EXPECT_THROW(bytes.SaveToFile("/dev/full"), EWriteError);
  TFileStream file("/dev/full", fmOpenWrite);
  file.WriteBuffer("abc", 3);
  EXPECT_THROW(file.Flush(), EWriteError);
}

}  // namespace

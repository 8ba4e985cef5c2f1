// The files role as the programs rely on it, as one typed test that runs against the fake
// natively and against the Win32 adapter under Wine: what an open file allows (a reader
// shares reading only, a writer nothing), and long paths and names. Instantiate it in
// one source of a test program with a backend type B that offers Files& Role() and removes,
// when it goes, whatever the test made below kProbeFolder.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace lectavo::conformance {

inline constexpr WStringView kProbeFolder = u"\\LectavoFilesProbe";

template <class B>
class FilesBehaviourTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(files().CreateFolder(kProbeFolder)); }

  Files& files() { return backend.Role(); }
  static WString At(WStringView name) { return WString(kProbeFolder) + u"\\" + WString(name); }

  bool Put(WStringView path, std::string_view bytes) {
    const Handle file = files().CreateForWriting(path);
    if (file == kInvalidHandle) return false;
    std::uint32_t written = 0;
    const bool ok =
        files().Write(file, bytes.data(), static_cast<std::uint32_t>(bytes.size()), &written) &&
        written == bytes.size();
    return files().CloseFile(file) && ok;
  }
  std::optional<std::string> Content(WStringView path) {
    const Handle file = files().OpenForReading(path);
    if (file == kInvalidHandle) return std::nullopt;
    std::string bytes(64, '\0');
    std::uint32_t read = 0;
    const bool ok = files().Read(file, bytes.data(), 64, &read);
    files().CloseFile(file);
    if (!ok) return std::nullopt;
    bytes.resize(read);
    return bytes;
  }

  B backend;
};

TYPED_TEST_SUITE_P(FilesBehaviourTest);

TYPED_TEST_P(FilesBehaviourTest, FileOpenForWritingCanBeNeitherOpenedCopiedNorDeleted) {
  Files& files = this->files();
  const WString note = this->At(u"note.txt");
  const Handle writer = files.CreateForWriting(note);
  ASSERT_NE(writer, kInvalidHandle);
  EXPECT_EQ(files.OpenForReading(note), kInvalidHandle);
  EXPECT_EQ(files.CreateForWriting(note), kInvalidHandle);
  EXPECT_FALSE(files.Copy(note, this->At(u"copy.txt"), false));
  EXPECT_FALSE(files.Delete(note));
  std::uint32_t written = 0;
  EXPECT_TRUE(files.Write(writer, "abc", 3, &written));
  EXPECT_TRUE(files.CloseFile(writer));
  EXPECT_EQ(this->Content(note), "abc");
}

TYPED_TEST_P(FilesBehaviourTest, FileOpenForReadingSharesReadingOnly) {
  Files& files = this->files();
  const WString note = this->At(u"note.txt");
  const WString copy = this->At(u"copy.txt");
  ASSERT_TRUE(this->Put(note, "abc"));
  ASSERT_TRUE(this->Put(copy, "old"));
  const Handle first = files.OpenForReading(note);
  const Handle second = files.OpenForReading(note);
  ASSERT_NE(first, kInvalidHandle);
  ASSERT_NE(second, kInvalidHandle) << "a second reader";
  EXPECT_EQ(files.CreateForWriting(note), kInvalidHandle);
  EXPECT_FALSE(files.Delete(note));
  EXPECT_FALSE(files.Copy(copy, note, false)) << "onto a file being read";
  EXPECT_TRUE(files.Copy(note, copy, false)) << "from a file being read";
  EXPECT_TRUE(files.CloseFile(first));
  EXPECT_TRUE(files.CloseFile(second));
  EXPECT_EQ(this->Content(copy), "abc");
  EXPECT_TRUE(files.Delete(note));
  EXPECT_TRUE(files.Delete(copy));
}

// A replace puts the new file in the old one's place whole, or leaves both as they were: over
// a file that is being read it fails.
TYPED_TEST_P(FilesBehaviourTest, ReplaceTakesTheOldFilesPlaceOrChangesNothing) {
  Files& files = this->files();
  const WString note = this->At(u"note.txt");
  const WString written = this->At(u"note.txt.new");
  ASSERT_TRUE(this->Put(note, "old"));
  ASSERT_TRUE(this->Put(written, "new text"));
  const Handle reader = files.OpenForReading(note);
  ASSERT_NE(reader, kInvalidHandle);
  EXPECT_FALSE(files.Replace(written, note)) << "over a file being read";
  EXPECT_TRUE(files.CloseFile(reader));
  EXPECT_EQ(this->Content(note), "old");
  EXPECT_EQ(this->Content(written), "new text");

  EXPECT_TRUE(files.Replace(written, note));
  EXPECT_EQ(this->Content(note), "new text");
  EXPECT_EQ(this->Content(written), std::nullopt);
  EXPECT_FALSE(files.Replace(written, note)) << "nothing left to put there";

  ASSERT_TRUE(this->Put(written, "first"));
  EXPECT_TRUE(files.Replace(written, this->At(u"other.txt"))) << "where no file was";
  EXPECT_EQ(this->Content(this->At(u"other.txt")), "first");
  EXPECT_TRUE(files.Delete(note));
  EXPECT_TRUE(files.Delete(this->At(u"other.txt")));
}

// The device (Wine) takes a path past MAX_PATH like any other; only a single name longer than
// 255 characters is refused.
TYPED_TEST_P(FilesBehaviourTest, PathsLongerThanMaxPathWorkButNotNamesLongerThan255) {
  Files& files = this->files();
  const WString folder = this->At(WString(200, u'f'));
  const WString note = folder + u"\\" + WString(80, u'n');
  ASSERT_GT(note.size(), 260u);
  ASSERT_TRUE(files.CreateFolder(folder));
  ASSERT_TRUE(this->Put(note, "abc"));
  EXPECT_EQ(this->Content(note), "abc");
  EXPECT_TRUE(files.Copy(note, note + u"2", false));
  EXPECT_TRUE(files.CreateFolder(note + u"3"));
  FindData found;
  const Handle search = files.FindFirst(folder + u"\\" + WString(80, u'n') + u"*", &found);
  ASSERT_NE(search, kInvalidHandle);
  EXPECT_EQ(WString(found.fileName), WString(80, u'n'));
  files.FindClose(search);
  EXPECT_TRUE(files.Delete(note));
  EXPECT_TRUE(files.Delete(note + u"2"));

  EXPECT_EQ(files.CreateForWriting(this->At(WString(256, u'n'))), kInvalidHandle);
  EXPECT_FALSE(files.CreateFolder(this->At(WString(256, u'f'))));
  EXPECT_TRUE(this->Put(this->At(WString(255, u'n')), "abc"));
}

REGISTER_TYPED_TEST_SUITE_P(FilesBehaviourTest,
                            FileOpenForWritingCanBeNeitherOpenedCopiedNorDeleted,
                            FileOpenForReadingSharesReadingOnly,
                            ReplaceTakesTheOldFilesPlaceOrChangesNothing,
                            PathsLongerThanMaxPathWorkButNotNamesLongerThan255);

}  // namespace lectavo::conformance

#include "app/ensure_folder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/codepage.h"

namespace {

bool IsFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateEmptyFile(const std::wstring& path) {
  HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  CloseHandle(h);
  return true;
}

void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(folder.c_str());
}

// Each test works in a fresh folder under the temp folder, removed afterwards.
class EnsureFolderTest : public testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
    base_ = std::wstring(temp) + L"orvelle-folder-" + std::to_wstring(GetCurrentProcessId());
    RemoveTree(base_);
    ASSERT_TRUE(CreateDirectoryW(base_.c_str(), nullptr));
  }
  void TearDown() override { RemoveTree(base_); }

  Text Base() const { return TextFromWide(base_); }

  std::wstring base_;
};

TEST_F(EnsureFolderTest, CreatesNestedChineseFoldersAndAppendsTheBackslash) {
  Text path = Base() + "\\相册\\第一页";
  EXPECT_EQ(EnsureFolder(path), 1);
  EXPECT_EQ(path, Base() + "\\相册\\第一页\\");
  EXPECT_TRUE(IsFolder(base_ + L"\\相册\\第一页"));
}

TEST_F(EnsureFolderTest, AnExistingFolderGivesOneAndKeepsItsContent) {
  const std::wstring file = base_ + L"\\keep.txt";
  ASSERT_TRUE(CreateEmptyFile(file));

  Text path = Base() + "\\";
  EXPECT_EQ(EnsureFolder(path), 1);
  EXPECT_EQ(path, Base() + "\\");
  EXPECT_NE(GetFileAttributesW(file.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(EnsureFolderTest, NamesEndingInAGbkCharacterWithSecondByte5CGetTheirBackslash) {
  // 乗 is 81 5C: its last byte is the code of "\" but it is not a backslash.
  for (const char* name : {"乗", "億"}) {
    Text path = Base() + "\\" + name;
    EXPECT_EQ(EnsureFolder(path), 1) << name;
    EXPECT_EQ(path, Base() + "\\" + name + "\\");
    EXPECT_TRUE(IsFolder(base_ + L"\\" + WideFromText(name))) << name;
  }
}

TEST_F(EnsureFolderTest, GivesZeroWhenAComponentIsAFile) {
  const std::wstring file = base_ + L"\\plain";
  ASSERT_TRUE(CreateEmptyFile(file));

  Text path = Base() + "\\plain\\sub";
  EXPECT_EQ(EnsureFolder(path), 0);
  EXPECT_FALSE(IsFolder(file + L"\\sub"));
}

TEST(EnsureFolder, GivesZeroOnADriveThatDoesNotExist) {
  const DWORD drives = GetLogicalDrives();
  char letter = 0;
  for (char c = 'Q'; c <= 'Y' && !letter; ++c) {
    if (!(drives & (1u << (c - 'A')))) letter = c;
  }
  ASSERT_NE(letter, 0) << "no unused drive letter";
  Text path = Text(1, letter) + ":\\orvelle\\x";
  EXPECT_EQ(EnsureFolder(path), 0);
}

}  // namespace

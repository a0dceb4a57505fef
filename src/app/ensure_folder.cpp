#include "app/ensure_folder.h"

#include <windows.h>

#include "app/codepage.h"

namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool IsFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Index of the first character after the root, which cannot be created: "C:\", "\\server\share\",
// "\\?\C:\", or a leading "\".
std::size_t RootLength(const std::wstring& p) {
  const std::size_t prefix = p.rfind(L"\\\\?\\", 0) == 0 ? 4 : 0;
  if (p.size() >= prefix + 2 && p[prefix + 1] == L':') {
    return prefix + (p.size() > prefix + 2 && IsSeparator(p[prefix + 2]) ? 3 : 2);
  }
  if (prefix == 0 && p.size() >= 2 && IsSeparator(p[0]) && IsSeparator(p[1])) {
    std::size_t separators = 0;  // UNC: the server and the share name are the root
    for (std::size_t i = 2; i < p.size(); ++i) {
      if (IsSeparator(p[i]) && ++separators == 2) return i + 1;
    }
    return p.size();
  }
  return prefix == 0 && !p.empty() && IsSeparator(p[0]) ? 1 : prefix;
}

// Creates each component that a separator ends, from the root down, as the path's trailing
// separator makes the last component a folder too.
bool CreateFolderTree(const std::wstring& path) {
  for (std::size_t i = RootLength(path); i < path.size(); ++i) {
    if (!IsSeparator(path[i]) || i == 0 || IsSeparator(path[i - 1])) continue;
    const std::wstring folder = path.substr(0, i);
    // An existing folder may answer ERROR_ACCESS_DENIED rather than ERROR_ALREADY_EXISTS (a
    // protected parent), so what counts is whether a folder is there afterwards.
    if (!CreateDirectoryW(folder.c_str(), nullptr) && !IsFolder(folder)) return false;
  }
  return IsFolder(path);
}

}  // namespace

int EnsureFolder(Text& path) {
  // Tested at a character boundary: a name ending in a GBK character whose second byte is 0x5C
  // must still get its backslash, or its last component would never be created.
  if (!EndsWithText(path, "\\")) path += "\\";
  return CreateFolderTree(WideFromText(path)) ? 1 : 0;
}

// DOS-style paths on the Linux file system.
//
// The game names its files the way its original platform did: "\" between
// folders, any letter case, sometimes a drive letter. Each component is
// matched case-insensitively against the folder's entries, so data made with
// any case convention is found.
#include "platform/platform.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <vector>

namespace {

std::string EnvOr(const char* name, const char* fallback) {
  const char* v = std::getenv(name);
  return (v && *v) ? std::string(v) : std::string(fallback);
}

bool Exists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

// Finds the on-disk spelling of one component inside folder.
std::string MatchComponent(const std::string& folder, const std::string& comp) {
  std::string exact = folder.empty() ? comp : (folder == "/" ? "/" + comp : folder + "/" + comp);
  if (comp == "." || comp == ".." || Exists(exact)) return comp;
  DIR* d = opendir(folder.empty() ? "." : folder.c_str());
  if (!d) return comp;
  std::string found = comp;
  while (dirent* e = readdir(d)) {
    if (strcasecmp(e->d_name, comp.c_str()) == 0) {
      found = e->d_name;
      break;
    }
  }
  closedir(d);
  return found;
}

}  // namespace

std::string PlatResolvePath(const char* dosPath) {
  std::string in = dosPath ? dosPath : "";
  std::string base;  // folder the path is relative to ("" = working folder)
  size_t pos = 0;
  if (in.size() >= 2 && std::isalpha(static_cast<unsigned char>(in[0])) && in[1] == ':') {
    char drive = static_cast<char>(std::toupper(static_cast<unsigned char>(in[0])));
    if (drive == PLAT_CD_DRIVE)
      base = EnvOr("GAFFERON_CD", "cd");
    else if (drive == 'A')
      base = EnvOr("GAFFERON_EXPORT", "export");
    pos = 2;
    while (pos < in.size() && (in[pos] == '\\' || in[pos] == '/')) ++pos;
  } else if (!in.empty() && in[0] == '/') {
    base = "/";
    pos = 1;
  } else {
    while (pos < in.size() && in[pos] == '\\') ++pos;
  }
  std::string out = base;
  while (pos <= in.size()) {
    size_t end = in.find_first_of("\\/", pos);
    if (end == std::string::npos) end = in.size();
    std::string comp = in.substr(pos, end - pos);
    if (!comp.empty()) {
      std::string m = MatchComponent(out, comp);
      if (out.empty())
        out = m;
      else if (out == "/")
        out += m;
      else
        out += "/" + m;
    }
    pos = end + 1;
  }
  if (out.empty()) out = ".";
  return out;
}

FILE* PlatOpenFile(const char* dosPath, const char* mode) {
  std::string path = PlatResolvePath(dosPath);
  std::string m;
  for (const char* p = mode; *p; ++p)
    if (*p != 't') m += *p;  // text and binary are the same here
  return std::fopen(path.c_str(), m.c_str());
}

int PlatRemoveFile(const char* dosPath) { return std::remove(PlatResolvePath(dosPath).c_str()); }

int PlatRenameFile(const char* fromDosPath, const char* toDosPath) {
  const std::string from = PlatResolvePath(fromDosPath);
  const std::string to = PlatResolvePath(toDosPath);
  return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : -1;
}

bool PlatFileExists(const char* dosPath) {
  struct stat st;
  return stat(PlatResolvePath(dosPath).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

uint32_t PlatLogicalDrives() {
  // A: exported teams, C: the working folder, D: the CD folder.
  return (1u << 0) | (1u << 2) | (1u << (PLAT_CD_DRIVE - 'A'));
}

int PlatDriveType(const char* root) {
  if (!root || !root[0]) return PLAT_DRIVE_NONE;
  switch (std::toupper(static_cast<unsigned char>(root[0]))) {
    case 'A': return PLAT_DRIVE_REMOVABLE;
    case 'C': return PLAT_DRIVE_FIXED;
    case PLAT_CD_DRIVE: return PLAT_DRIVE_CDROM;
    default: return PLAT_DRIVE_NONE;
  }
}

bool PlatListDir(const char* dosFolder, void (*fn)(const PlatDirEntry&, void*), void* user) {
  std::string folder = (dosFolder && *dosFolder) ? PlatResolvePath(dosFolder) : ".";
  DIR* d = opendir(folder.c_str());
  if (!d) return false;
  std::vector<PlatDirEntry> entries;
  while (dirent* e = readdir(d)) {
    if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0) continue;
    struct stat st;
    std::string full = folder + "/" + e->d_name;
    if (stat(full.c_str(), &st) != 0) continue;
    entries.push_back({e->d_name, S_ISDIR(st.st_mode), static_cast<uint64_t>(st.st_size)});
  }
  closedir(d);
  // Folder order is not stable on Linux: give entries in name order so that
  // everything built from a folder walk is repeatable.
  std::sort(entries.begin(), entries.end(),
            [](const PlatDirEntry& a, const PlatDirEntry& b) { return a.name < b.name; });
  for (const auto& e : entries) fn(e, user);
  return true;
}

int64_t PlatFileSize(FILE* stream) {
  const off_t at = ftello(stream);
  if (at < 0 || fseeko(stream, 0, SEEK_END) != 0) return -1;
  const off_t size = ftello(stream);
  if (fseeko(stream, at, SEEK_SET) != 0) return -1;
  return size;
}

bool PlatFileSeek(FILE* stream, int64_t offset) {
  if (offset < 0 || static_cast<off_t>(offset) != offset) return false;
  return fseeko(stream, static_cast<off_t>(offset), SEEK_SET) == 0;
}

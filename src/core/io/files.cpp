#include "core/io/files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarveno {

namespace {

std::string reasonFromErrno(int err) {
  switch (err) {
    case ENOENT: return "ファイルまたはフォルダが見つかりません";
    case EACCES:
    case EPERM: return "アクセスが拒否されました";
    case EISDIR: return "フォルダです";
    case ENOSPC: return "ディスクの空き容量が不足しています";
    case EROFS: return "読み取り専用の場所です";
    default: return std::string("システムエラー: ") + std::strerror(err);
  }
}

}  // namespace

std::string displayName(const std::filesystem::path& path) { return path.string(); }

Result<std::string> readFileBytes(const std::filesystem::path& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    return Error{ErrorCode::FileOpen,
                 "ファイルを開けません: " + displayName(path) + "（" + reasonFromErrno(EISDIR) + "）"};
  }
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    return Error{ErrorCode::FileOpen,
                 "ファイルを開けません: " + displayName(path) + "（" + reasonFromErrno(errno) + "）"};
  }
  std::string bytes;
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      int err = errno;
      ::close(fd);
      return Error{ErrorCode::FileOpen,
                   "ファイルを読み込めません: " + displayName(path) + "（" + reasonFromErrno(err) + "）"};
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  return bytes;
}

Status writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  auto fail = [&](int err) {
    return Error{ErrorCode::FileWrite,
                 "ファイルを保存できません: " + displayName(path) + "（" + reasonFromErrno(err) + "）"};
  };
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return fail(EISDIR);

  std::filesystem::path folder = path.parent_path();
  if (folder.empty()) folder = ".";
  std::random_device rd;
  std::filesystem::path temp;
  int fd = -1;
  for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
    temp = folder / ("." + path.filename().string() + ".tmp" + std::to_string(rd() % 1000000));
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0 && errno != EEXIST) return fail(errno);
  }
  if (fd < 0) return fail(EEXIST);

  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      int err = errno;
      ::close(fd);
      ::unlink(temp.c_str());
      return fail(err);
    }
    done += static_cast<size_t>(n);
  }
  if (::fsync(fd) != 0 || ::close(fd) != 0) {
    int err = errno;
    ::unlink(temp.c_str());
    return fail(err);
  }
  // Keep the permissions of a file we replace.
  struct stat st{};
  if (::stat(path.c_str(), &st) == 0) ::chmod(temp.c_str(), st.st_mode & 07777);
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    int err = errno;
    ::unlink(temp.c_str());
    return fail(err);
  }
  return {};
}

}  // namespace tarveno

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
    case ENOENT:
      return "ファイルまたはフォルダが見つかりません";
    case EACCES:
    case EPERM:
      return "アクセスが拒否されました";
    case EISDIR:
      return "フォルダです";
    case ENOSPC:
      return "ディスクの空き容量が不足しています";
    case EROFS:
      return "読み取り専用の場所です";
    default:
      return std::string("システムエラー: ") + std::strerror(err);
  }
}

}  // namespace

std::string displayName(const std::filesystem::path& path) {
  return path.string();
}

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

namespace {

// The file a save really replaces: a symbolic link is followed (also when it dangles), so the
// link stays a link and the file it names gets the new content.
std::filesystem::path resolveLinks(std::filesystem::path path, std::error_code& ec) {
  for (int hops = 0; hops < 40; ++hops) {
    const auto status = std::filesystem::symlink_status(path, ec);
    if (ec || !std::filesystem::is_symlink(status)) {
      if (ec == std::errc::no_such_file_or_directory) ec.clear();
      return path;
    }
    std::filesystem::path next = std::filesystem::read_symlink(path, ec);
    if (ec) return path;
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  ec = std::make_error_code(std::errc::too_many_symbolic_link_levels);
  return path;
}

}  // namespace

bool userMayWrite(const std::filesystem::path& path) {
  // Root passes every access() check, yet a file or folder without write permission is the
  // owner's way of saying "keep this one": for root the permission bits themselves decide.
  if (::geteuid() != 0) return ::access(path.c_str(), W_OK) == 0;
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && (st.st_mode & 0222) != 0;
}

Status writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  auto failWith = [&](const std::string& reason) {
    return Error{ErrorCode::FileWrite, "ファイルを保存できません: " + displayName(path) + "（" + reason + "）"};
  };
  auto fail = [&](int err) { return failWith(reasonFromErrno(err)); };

  std::error_code ec;
  const std::filesystem::path target = resolveLinks(path, ec);
  if (ec) return fail(ec.value());
  if (std::filesystem::is_directory(target, ec)) return fail(EISDIR);
  struct stat st {};
  const bool exists = ::stat(target.c_str(), &st) == 0;
  // The rename would replace a read-only file all the same: only the folder's permission counts.
  if (exists && !userMayWrite(target)) return failWith("書き込みが許可されていないファイルです");

  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  std::random_device rd;
  std::filesystem::path temp;
  int fd = -1;
  for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
    std::string name = ".";
    name += target.filename().string();
    name += ".tmp";
    name += std::to_string(rd() % 1000000);
    temp = folder / name;
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
  if (exists) ::chmod(temp.c_str(), st.st_mode & 07777);
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    int err = errno;
    ::unlink(temp.c_str());
    return fail(err);
  }
  return {};
}

}  // namespace tarveno

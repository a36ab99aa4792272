#include "core/io/files.h"

#include "core/io/file_text.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <random>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarveno {

namespace {

Message reasonFromErrno(int err) {
  switch (err) {
    case ENOENT:
      return {FileText::ReasonNotFound, {}, {}};
    case EACCES:
    case EPERM:
      return {FileText::ReasonAccessDenied, {}, {}};
    case EISDIR:
      return {FileText::ReasonIsFolder, {}, {}};
    case ENOSPC:
      return {FileText::ReasonDiskFull, {}, {}};
    case EROFS:
      return {FileText::ReasonReadOnly, {}, {}};
    default:
      return {FileText::ReasonSystem, {std::strerror(err)}, {}};
  }
}

Error fileError(ErrorCode code, FileText kind, const std::filesystem::path& path, Message reason) {
  return Error{code, Message{kind, {displayName(path)}, {std::move(reason)}}};
}

}  // namespace

std::string displayName(const std::filesystem::path& path) {
  return path.string();
}

Result<std::string> readFileBytes(const std::filesystem::path& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    return fileError(ErrorCode::FileOpen, FileText::CannotOpen, path, reasonFromErrno(EISDIR));
  }
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    return fileError(ErrorCode::FileOpen, FileText::CannotOpen, path, reasonFromErrno(errno));
  }
  std::string bytes;
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      int err = errno;
      ::close(fd);
      return fileError(ErrorCode::FileOpen, FileText::CannotRead, path, reasonFromErrno(err));
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

namespace {

// Creates the temporary file beside the target under a fresh name. A new file is asked for
// with 0666 so that the kernel applies the umask (or the folder's default ACL) as on any
// ordinary create: reading the umask would mean setting it, which races with other threads.
// A replacement starts private and takes the old file's mode once written.
int createTemporary(const std::filesystem::path& folder, const std::string& base, bool replacing, std::string& temp) {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = base;
    for (int k = 0; k < 8; ++k) name += kLetters[random() % (sizeof kLetters - 1)];
    temp = (folder / name).string();
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, replacing ? 0600 : 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

bool writeAll(int fd, std::string_view bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

// Writes the pieces into the open temporary file and closes it, the descriptor in every case.
// The file takes over the owner, group and mode of the file it replaces: root saving a user's
// chart must not hand it to root.
int fillAndClose(int fd, const ByteSource& next, const struct stat* replaced) {
  int err = 0;
  for (std::string_view piece = next(); err == 0 && !piece.empty(); piece = next()) {
    if (!writeAll(fd, piece)) err = errno;
  }
  // Changing the owner clears set-id bits, so the mode is set after it.
  if (replaced && ::fchown(fd, replaced->st_uid, replaced->st_gid) != 0) {
    // Only root may give a file away: anyone else saving someone else's file becomes its
    // owner, yet keeps its group where the user belongs to it, so the group still reads it.
    if (::fchown(fd, static_cast<uid_t>(-1), replaced->st_gid) != 0) {
      // Not a member either: the file stays in the user's own group.
    }
  }
  if (err == 0 && replaced && ::fchmod(fd, replaced->st_mode & 07777) != 0) err = errno;
  if (err == 0 && ::fsync(fd) != 0) err = errno;
  if (::close(fd) != 0 && err == 0) err = errno;
  return err;
}

// Makes the rename itself durable: until the folder is synced, a crash can bring back the old
// name. File systems that cannot sync a folder refuse with EINVAL; the save has happened then.
void syncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

Status writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  return writeFileAtomically(path, [bytes]() mutable { return std::exchange(bytes, std::string_view()); });
}

Status writeFileAtomically(const std::filesystem::path& path, const ByteSource& next) {
  auto failWith = [&](Message reason) {
    return fileError(ErrorCode::FileWrite, FileText::CannotSave, path, std::move(reason));
  };
  auto fail = [&](int err) { return failWith(reasonFromErrno(err)); };

  std::error_code ec;
  const std::filesystem::path target = resolveLinks(path, ec);
  if (ec) return fail(ec.value());
  if (std::filesystem::is_directory(target, ec)) return fail(EISDIR);
  struct stat st {};
  const bool exists = ::stat(target.c_str(), &st) == 0;
  // A pipe or a device would be replaced by a regular file, and whoever reads it would lose it.
  if (exists && !S_ISREG(st.st_mode)) return failWith({FileText::ReasonNotRegular, {}, {}});
  // The rename would replace a read-only file all the same: only the folder's permission counts.
  if (exists && !userMayWrite(target)) return failWith({FileText::ReasonNotWritable, {}, {}});

  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) about "." + string at -O3.
  std::string name(1, '.');
  name += target.filename().string();
  name += '.';
  std::string temp;
  const int fd = createTemporary(folder, name, exists, temp);
  if (fd < 0) return fail(errno);
  if (const int err = fillAndClose(fd, next, exists ? &st : nullptr); err != 0) {
    ::unlink(temp.c_str());
    return fail(err);
  }
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    const int err = errno;
    ::unlink(temp.c_str());
    return fail(err);
  }
  syncFolder(folder);
  return {};
}

}  // namespace tarveno

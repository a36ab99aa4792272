#include "core/io/recovery_store.h"

#include "core/io/file_text.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <random>
#include <string_view>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/io/files.h"
#include "core/text/number.h"

namespace tarveno {

namespace {

constexpr std::string_view kLockEnding = ".lock";
constexpr std::string_view kCopyEnding = ".state";

std::string runName() {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device random;
  std::string name = std::to_string(::getpid()) + '-';
  for (int k = 0; k < 8; ++k) name += kLetters[random() % (sizeof kLetters - 1)];
  return name;
}

std::filesystem::path withEnding(const std::filesystem::path& lockFile, std::string_view ending) {
  std::string name = lockFile.filename().string();
  name.resize(name.size() - kLockEnding.size());
  return lockFile.parent_path() / (name + std::string(ending));
}

// Where locks are not supported (some network folders) the process id written into the lock
// file decides alone: a process by that id still running counts as the owner.
bool ownerRunsByPid(int fd) {
  char text[32] = {};
  const ssize_t n = ::pread(fd, text, sizeof text - 1, 0);
  const int64_t pid = n > 0 ? leadingNumber(std::string_view(text, static_cast<size_t>(n))) : 0;
  if (pid <= 0 || pid > INT32_MAX) return false;
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

// The lock file of a run that is gone, opened and locked by this run; -1 when its owner lives,
// it vanished meanwhile, or it was replaced under the same name.
int claimDeadRun(const std::filesystem::path& lockFile) {
  const int fd = ::open(lockFile.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) return -1;
  const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
  const bool alive = locked ? false : (errno == EWOULDBLOCK || ownerRunsByPid(fd));
  struct stat held {
  }, named{};
  const bool same = ::fstat(fd, &held) == 0 && ::stat(lockFile.c_str(), &named) == 0 && held.st_ino == named.st_ino &&
                    held.st_dev == named.st_dev;
  if (alive || !same) {
    ::close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

LeftCopy::LeftCopy(std::filesystem::path copyFile, std::filesystem::path lockFile, int lockFd)
    : copyFile_(std::move(copyFile)), lockFile_(std::move(lockFile)), lockFd_(lockFd) {}

LeftCopy::LeftCopy(LeftCopy&& other) noexcept
    : copyFile_(std::move(other.copyFile_)), lockFile_(std::move(other.lockFile_)), lockFd_(other.lockFd_) {
  other.lockFd_ = -1;
}

LeftCopy& LeftCopy::operator=(LeftCopy&& other) noexcept {
  std::swap(copyFile_, other.copyFile_);
  std::swap(lockFile_, other.lockFile_);
  std::swap(lockFd_, other.lockFd_);
  return *this;
}

LeftCopy::~LeftCopy() {
  if (lockFd_ >= 0) ::close(lockFd_);
}

Result<std::string> LeftCopy::read() const {
  return readFileBytes(copyFile_);
}

void LeftCopy::remove() {
  // The copy goes first and the lock file last, while still locked: an editor that opened the
  // lock file meanwhile either finds it locked or finds it no longer under its name.
  std::error_code ec;
  std::filesystem::remove(copyFile_, ec);
  // A write cut off by the crash leaves its temporary file beside the copy.
  const std::string temporary = '.' + copyFile_.filename().string() + '.';
  for (std::filesystem::directory_iterator it(copyFile_.parent_path(), ec), end; !ec && it != end; it.increment(ec)) {
    if (it->path().filename().string().starts_with(temporary)) std::filesystem::remove(it->path(), ec);
  }
  std::filesystem::remove(lockFile_, ec);
}

RecoveryStore::RecoveryStore(std::filesystem::path folder) : folder_(std::move(folder)) {
  std::error_code ec;
  std::filesystem::create_directories(folder_, ec);
  lockFile_ = folder_ / (runName() + std::string(kLockEnding));
  copyFile_ = withEnding(lockFile_, kCopyEnding);
  const int fd = ec ? -1 : ::open(lockFile_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) {
    error_ = Error{ErrorCode::FileWrite, Message{FileText::RecoveryFolderUnusable, {displayName(folder_)}, {}}};
    return;
  }
  // The file is new, so only a folder without locks can refuse; the process id then stands in.
  ::flock(fd, LOCK_EX | LOCK_NB);
  const std::string pid = std::to_string(::getpid()) + '\n';
  if (::write(fd, pid.data(), pid.size()) < 0) {
    // The lock alone tells a living run; the id only helps where locks are not supported.
  }
  lockFd_ = fd;
  worker_ = std::thread([this] { work(); });
}

RecoveryStore::~RecoveryStore() {
  if (!active()) return;
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  worker_.join();
  // A run that ends with its copy still there ends like a crash: the next start offers it.
  std::error_code ec;
  if (!std::filesystem::exists(copyFile_, ec)) ::unlink(lockFile_.c_str());
  ::close(lockFd_);
}

void RecoveryStore::keep(std::string bytes) {
  if (!active()) return;
  {
    std::lock_guard lock(mutex_);
    pending_ = std::move(bytes);
    removeWanted_ = false;
  }
  changed_.notify_all();
}

void RecoveryStore::discard() {
  if (!active()) return;
  {
    std::lock_guard lock(mutex_);
    pending_.reset();
    removeWanted_ = true;
  }
  changed_.notify_all();
}

Status RecoveryStore::flush() {
  if (!active()) return *error_;
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return !busy_ && !pending_ && !removeWanted_; });
  return lastWrite_;
}

void RecoveryStore::work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stopping_ || pending_ || removeWanted_; });
    if (!pending_ && !removeWanted_) return;  // stopping with nothing left to do
    std::optional<std::string> bytes = std::move(pending_);
    pending_.reset();
    removeWanted_ = false;
    busy_ = true;
    lock.unlock();
    Status done;
    std::error_code ec;
    if (bytes) {
      done = writeFileAtomically(copyFile_, *bytes);
    } else {
      std::filesystem::remove(copyFile_, ec);
    }
    lock.lock();
    busy_ = false;
    if (bytes) lastWrite_ = std::move(done);
    changed_.notify_all();
  }
}

std::vector<LeftCopy> RecoveryStore::leftCopies() const {
  std::vector<std::pair<std::filesystem::file_time_type, LeftCopy>> found;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
    const std::filesystem::path lockFile = it->path();
    if (!lockFile.filename().string().ends_with(kLockEnding) || lockFile == lockFile_) continue;
    const int fd = claimDeadRun(lockFile);
    if (fd < 0) continue;
    LeftCopy copy(withEnding(lockFile, kCopyEnding), lockFile, fd);
    const auto written = std::filesystem::last_write_time(copy.copyFile(), ec);
    if (ec) {
      copy.remove();  // a run that ended with nothing unsaved: only its lock file is left
      continue;
    }
    found.emplace_back(written, std::move(copy));
  }
  std::ranges::stable_sort(found, std::ranges::greater{}, [](const auto& item) { return item.first; });
  std::vector<LeftCopy> copies;
  for (auto& item : found) copies.push_back(std::move(item.second));
  return copies;
}

}  // namespace tarveno

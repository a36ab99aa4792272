#pragma once

#include <condition_variable>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/result.h"

namespace tarveno {

// A copy left behind by a run that ended without cleaning up (a crash, a kill, a power cut).
// While the object lives it holds that run's lock, so no other editor starting at the same
// moment takes the same copy; letting it go without remove() leaves the copy for a later start.
class LeftCopy {
 public:
  LeftCopy(std::filesystem::path copyFile, std::filesystem::path lockFile, int lockFd);
  LeftCopy(LeftCopy&& other) noexcept;
  LeftCopy& operator=(LeftCopy&& other) noexcept;
  LeftCopy(const LeftCopy&) = delete;
  ~LeftCopy();

  const std::filesystem::path& copyFile() const { return copyFile_; }
  // The copy's bytes, as this store's owner handed them over.
  Result<std::string> read() const;
  // Deletes the copy and the dead run's lock file.
  void remove();

 private:
  std::filesystem::path copyFile_;
  std::filesystem::path lockFile_;
  int lockFd_ = -1;
};

// This run's recovery copy of the open document (bytes the caller makes), beside those of other runs in one folder of
// the user's data. Every run has a name of its own (process id and a random part) and holds a
// lock on its lock file for as long as it lives: the kernel lets the lock go when the process
// dies, however it dies, so a held lock means a living owner even after the id was reused.
//
// Copies are written on a thread of the store: the caller hands over the bytes and goes on
// editing. Only the newest copy handed over is written; an older one still waiting is dropped.
class RecoveryStore {
 public:
  // Takes this run's name and lock in `folder` (made when missing). When that fails the
  // store keeps nothing, and error() says why.
  explicit RecoveryStore(std::filesystem::path folder);
  ~RecoveryStore();
  RecoveryStore(const RecoveryStore&) = delete;
  RecoveryStore& operator=(const RecoveryStore&) = delete;

  bool active() const { return lockFd_ >= 0; }
  const std::optional<Error>& error() const { return error_; }
  const std::filesystem::path& copyFile() const { return copyFile_; }

  // Writes these bytes as this run's copy, soon, on the store's thread.
  void keep(std::string bytes);
  // Removes this run's copy (after any write under way); a copy still waiting is dropped.
  void discard();
  // Waits until everything handed over is done. The last write's outcome.
  Status flush();

  // Copies of runs that are no longer alive, newest first; this run's own never among them.
  std::vector<LeftCopy> leftCopies() const;

 private:
  void work();

  std::filesystem::path folder_;
  std::filesystem::path copyFile_;
  std::filesystem::path lockFile_;
  int lockFd_ = -1;
  std::optional<Error> error_;

  std::mutex mutex_;
  std::condition_variable changed_;
  std::optional<std::string> pending_;
  bool removeWanted_ = false;
  bool busy_ = false;
  bool stopping_ = false;
  Status lastWrite_;
  std::thread worker_;
};

}  // namespace tarveno

#pragma once

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <variant>

#include "core/message.h"

namespace tarveno {

// Why a core operation failed. `text` says it as values for the words layer; the code lets
// callers (the CLI's exit status, tests) tell failures apart. The core fills `text` only;
// `message` is for the front ends' own failures (the renderer's, say), already worded in the
// user's language. The words layer prefers `text`.
enum class ErrorCode {
  FileOpen,     // the file could not be opened or read
  FileWrite,    // the file could not be written or replaced
  BadData,      // the content is not what the format needs
  Unsupported,  // a file kind or value the program cannot handle
  OutOfRange,   // a value does not fit where it has to go
};

struct Error {
  Error() = default;
  Error(ErrorCode code, std::string message) : code(code), message(std::move(message)) {}
  Error(ErrorCode code, Message text) : code(code), text(std::move(text)) {}

  ErrorCode code = ErrorCode::BadData;
  std::string message;
  std::optional<Message> text;
};

// Asking a Result for the side it does not hold is a programming error: stop at once with a
// message rather than throw into code that never expects an exception.
inline void requireResultSide(bool holds, const char* asked) {
  if (holds) return;
  std::fprintf(stderr, "tarveno: Result::%s() called on the other alternative\n", asked);
  std::abort();
}

// A value or an error: core readers hand this back instead of throwing or showing UI.
template <class T>
class Result {
 public:
  Result(T value) : data_(std::move(value)) {}      // NOLINT: implicit on purpose
  Result(Error error) : data_(std::move(error)) {}  // NOLINT

  bool ok() const { return std::holds_alternative<T>(data_); }
  explicit operator bool() const { return ok(); }

  T& value() {
    requireResultSide(ok(), "value");
    return *std::get_if<T>(&data_);
  }
  const T& value() const {
    requireResultSide(ok(), "value");
    return *std::get_if<T>(&data_);
  }
  T& operator*() { return value(); }
  const T& operator*() const { return value(); }
  T* operator->() { return &value(); }
  const T* operator->() const { return &value(); }

  const Error& error() const {
    requireResultSide(!ok(), "error");
    return *std::get_if<Error>(&data_);
  }

 private:
  std::variant<T, Error> data_;
};

// Success or an error, for operations that produce nothing.
class Status {
 public:
  Status() = default;
  Status(Error error) : error_(std::move(error)) {}  // NOLINT: implicit on purpose

  bool ok() const { return !error_.has_value(); }
  explicit operator bool() const { return ok(); }
  const Error& error() const {
    requireResultSide(!ok(), "error");
    return *error_;
  }

 private:
  std::optional<Error> error_;
};

// What a reader's notice says about the file. The card reader stops at an unknown song code or
// a play style byte above 2 and leaves the chart empty under the header it had.
enum class NoticeKind {
  Warning,           // the file was read; the user should know something about it
  CardUnknownSong,   // the card's song code is not in the catalogue
  CardBadPlayStyle,  // the card's play style byte is not 0, 1 or 2
};

// Something a reader wants the user told while it goes on (or after it stopped early),
// e.g. the "#msdstyle" box or the card reader's errors.
struct Notice {
  NoticeKind kind = NoticeKind::Warning;
  Message title;
  Message text;
};

// True when the notice means the file was not read: what the chart holds then is not the
// file's content, so it must not be shown, counted or converted as if it were.
inline bool fileWasNotRead(const Notice& notice) {
  return notice.kind != NoticeKind::Warning;
}

}  // namespace tarveno

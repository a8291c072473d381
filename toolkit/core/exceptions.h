// The toolkit's exception family and the class library's standard messages.
#pragma once
#include <exception>
#include <string>

#include "toolkit/core/text.h"

namespace toolkit {

class Exception : public std::exception {
 public:
  explicit Exception(String message);
  const String& Message() const { return message_; }
  const char* what() const noexcept override { return utf8_.c_str(); }

 private:
  String message_;
  std::string utf8_;
};

// A list index or capacity outside its range.
class ListError : public Exception {
 public:
  using Exception::Exception;
};

class StringListError : public ListError {
 public:
  using ListError::ListError;
};

class StreamError : public Exception {
 public:
  using Exception::Exception;
};

class ReadError : public StreamError {
 public:
  using StreamError::StreamError;
};

class WriteError : public StreamError {
 public:
  using StreamError::StreamError;
};

class FileStreamError : public StreamError {
 public:
  using StreamError::StreamError;
};

class ConvertError : public Exception {
 public:
  using Exception::Exception;
};

class InvalidOperation : public Exception {
 public:
  using Exception::Exception;
};

class ComponentError : public Exception {
 public:
  using Exception::Exception;
};

class OutOfResources : public Exception {
 public:
  using Exception::Exception;
};

class ThreadError : public Exception {
 public:
  using Exception::Exception;
};

namespace messages {
inline constexpr Char kListIndexError[] = u"List index out of bounds (%d)";
inline constexpr Char kListCapacityError[] = u"List capacity out of bounds (%d)";
inline constexpr Char kListCountError[] = u"List count out of bounds (%d)";
inline constexpr Char kStringListCapacityError[] = u"Stringlist capacity cannot be smaller than count";
inline constexpr Char kSortedListError[] = u"Operation not allowed on sorted list";
inline constexpr Char kDuplicateString[] = u"String list does not allow duplicates";
inline constexpr Char kReadError[] = u"Stream read error";
inline constexpr Char kWriteError[] = u"Stream write error";
inline constexpr Char kFOpenError[] = u"Cannot open file \"%s\"";
inline constexpr Char kFCreateError[] = u"Cannot create file \"%s\"";
inline constexpr Char kAssignError[] = u"Cannot assign a %s to a %s";
inline constexpr Char kDuplicateName[] = u"A component named %s already exists";
inline constexpr Char kInvalidName[] = u"''%s'' is not a valid component name";
inline constexpr Char kParentRequired[] = u"Control '%s' has no parent window";
inline constexpr Char kCannotFocus[] = u"Cannot focus a disabled or invisible window";
inline constexpr Char kInvalidImage[] = u"Invalid image";
inline constexpr Char kImageIndexError[] = u"Invalid ImageList Index";
inline constexpr Char kImageListSize[] = u"Invalid image size";
inline constexpr Char kInvalidPixelFormat[] = u"Invalid pixel format";
inline constexpr Char kCannotOpenClipboard[] = u"Cannot open clipboard";
inline constexpr Char kOutOfResources[] = u"Out of system resources";
inline constexpr Char kThreadCreateError[] = u"Thread creation error";
}  // namespace messages

[[noreturn]] void ThrowListIndexError(long long index);

}  // namespace toolkit

#include "toolkit/core/exceptions.h"

namespace toolkit {

Exception::Exception(String message) : message_(std::move(message)), utf8_(ToUtf8(message_)) {}

void ThrowListIndexError(long long index) { throw ListError(FormatText(messages::kListIndexError, index)); }

}  // namespace toolkit

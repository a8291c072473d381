#include <openssl/evp.h>

#include "runtime/error.h"
#include "runtime/sys/digest.h"

namespace runtime {

namespace {

template <int N>
void Compute(const EVP_MD* type, std::string_view bytes, std::uint8_t (&digest)[N]) {
  unsigned size = 0;
  if (!EVP_Digest(bytes.data(), bytes.size(), digest, &size, type, nullptr) || size != N) {
    RaiseError(QT("The digest service failed"));
  }
}

}  // namespace

void ComputeMD5(std::string_view bytes, std::uint8_t (&digest)[kMD5Size]) { Compute(EVP_md5(), bytes, digest); }

void ComputeSHA1(std::string_view bytes, std::uint8_t (&digest)[kSHA1Size]) { Compute(EVP_sha1(), bytes, digest); }

}  // namespace runtime

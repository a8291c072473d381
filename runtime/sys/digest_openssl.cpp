#include <openssl/evp.h>

#include "runtime/error.h"
#include "runtime/sys/digest.h"
#include "runtime/sys/sys_util.h"

namespace runtime {

// libcrypto is opened on the first digest, not linked: relocating it cost
// every run most of its start-up, and few scripts ask for a digest. The
// header gives the exports' types; QEL_LIBCRYPTO_NAME is the library the
// build found.
namespace {

struct DigestService {
  decltype(&EVP_Digest) digest;
  decltype(&EVP_md5) md5;
  decltype(&EVP_sha1) sha1;
};

template <typename F>
F Export(platform::LibraryHandle library, TextView name) {
  return reinterpret_cast<F>(GetProcAddressChecked(library, name));
}

// Loaded once and kept for the process; a failure raises and the next digest
// tries again.
DigestService LoadService() {
  const std::string_view name = QEL_LIBCRYPTO_NAME;
  const platform::LibraryHandle library = LoadLibraryChecked(Text(name.begin(), name.end()));
  return {Export<decltype(&EVP_Digest)>(library, QT("EVP_Digest")), Export<decltype(&EVP_md5)>(library, QT("EVP_md5")),
          Export<decltype(&EVP_sha1)>(library, QT("EVP_sha1"))};
}

const DigestService& Service() {
  static const DigestService service = LoadService();
  return service;
}

template <int N>
void Compute(const EVP_MD* type, std::string_view bytes, std::uint8_t (&digest)[N]) {
  unsigned size = 0;
  if (!type || !Service().digest(bytes.data(), bytes.size(), digest, &size, type, nullptr) || size != N) {
    RaiseError(QT("The digest service failed"));
  }
}

}  // namespace

void ComputeMD5(std::string_view bytes, std::uint8_t (&digest)[kMD5Size]) { Compute(Service().md5(), bytes, digest); }

void ComputeSHA1(std::string_view bytes, std::uint8_t (&digest)[kSHA1Size]) { Compute(Service().sha1(), bytes, digest); }

}  // namespace runtime

#include <algorithm>

#include "runtime/sys/digest.h"
#include "runtime/sys/sys_util.h"

namespace runtime {

// advapi32's digest functions fill contexts of their own layout; the digest
// lies inside the context (MD5) or is written where the caller says (SHA-1).
namespace {

constexpr std::size_t kMD5ContextSize = 104;
constexpr std::size_t kMD5DigestOffset = 88;
constexpr std::size_t kSHA1ContextSize = 136;
constexpr std::size_t kSHA1DigestOffset = 116;

using InitFunction = void(__stdcall*)(void* context);
using UpdateFunction = void(__stdcall*)(void* context, const unsigned char* bytes, unsigned count);
using MD5FinalFunction = void(__stdcall*)(void* context);
using SHA1FinalFunction = void(__stdcall*)(void* context, unsigned char* digest);

struct DigestService {
  InitFunction md5Init;
  UpdateFunction md5Update;
  MD5FinalFunction md5Final;
  InitFunction shaInit;
  UpdateFunction shaUpdate;
  SHA1FinalFunction shaFinal;
};

template <typename F>
F Export(platform::LibraryHandle library, TextView name) {
  return reinterpret_cast<F>(GetProcAddressChecked(library, name));
}

// Loaded once and kept: advapi32 stays in every process anyway.
DigestService LoadService() {
  const platform::LibraryHandle library = LoadLibraryChecked(QT("advapi32.dll"));
  return {Export<InitFunction>(library, QT("MD5Init")),       Export<UpdateFunction>(library, QT("MD5Update")),
          Export<MD5FinalFunction>(library, QT("MD5Final")),  Export<InitFunction>(library, QT("A_SHAInit")),
          Export<UpdateFunction>(library, QT("A_SHAUpdate")), Export<SHA1FinalFunction>(library, QT("A_SHAFinal"))};
}

const DigestService& Service() {
  static const DigestService service = LoadService();
  return service;
}

void Feed(UpdateFunction update, void* context, std::string_view bytes) {
  constexpr std::size_t kPiece = 1u << 30;
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  for (std::size_t done = 0; done < bytes.size();) {
    const std::size_t piece = std::min(kPiece, bytes.size() - done);
    update(context, data + done, static_cast<unsigned>(piece));
    done += piece;
  }
}

}  // namespace

void ComputeMD5(std::string_view bytes, std::uint8_t (&digest)[kMD5Size]) {
  const DigestService& service = Service();
  alignas(8) unsigned char context[kMD5ContextSize] = {};
  service.md5Init(context);
  Feed(service.md5Update, context, bytes);
  service.md5Final(context);
  std::copy_n(context + kMD5DigestOffset, kMD5Size, digest);
}

void ComputeSHA1(std::string_view bytes, std::uint8_t (&digest)[kSHA1Size]) {
  const DigestService& service = Service();
  alignas(8) unsigned char context[kSHA1ContextSize] = {};
  service.shaInit(context);
  Feed(service.shaUpdate, context, bytes);
  service.shaFinal(context, context + kSHA1DigestOffset);
  std::copy_n(context + kSHA1DigestOffset, kSHA1Size, digest);
}

}  // namespace runtime

// Native calls and callback thunks of the 32-bit Windows build. Every
// argument is one 32-bit word pushed right to left; the stack pointer is
// restored after the call whatever the callee removed, so stdcall and cdecl
// exports both work. A thunk is 13 bytes of executable memory:
//   B8 <object>      mov eax, object
//   E8 <entry>       call QelCallbackEntry
//   C2 <n>           ret n  (the stdcall caller's argument bytes)
#include <cstring>
#include <vector>

#include "host/native_call.h"
#include "host/native_callback.h"
#include "platform/memory.h"
#include "runtime/error.h"

using namespace runtime;

extern "C" {
uint32_t QelCallWords(void* address, const uint32_t* words, uint32_t count);
// Called by a thunk with the callback object in EAX.
void QelCallbackEntry();
uint32_t QelDispatchWords(host::CNativeCallback* callback, const uint32_t* words) noexcept;
}

// The entry finds the first native argument above its saved EBP, the return
// into the thunk and the native caller's return address. Both routines keep
// the stack 16-byte aligned for the code they call.
asm(R"(
    .text
    .globl _QelCallWords
_QelCallWords:
    pushl %ebp
    movl %esp, %ebp
    pushl %esi
    pushl %edi
    movl 16(%ebp), %ecx
    movl 12(%ebp), %esi
    leal 0(,%ecx,4), %eax
    subl %eax, %esp
    andl $-16, %esp
    movl %esp, %edi
    cld
    rep movsl
    call *8(%ebp)
    leal -8(%ebp), %esp
    popl %edi
    popl %esi
    popl %ebp
    ret

    .globl _QelCallbackEntry
_QelCallbackEntry:
    pushl %ebp
    movl %esp, %ebp
    leal 12(%ebp), %edx
    andl $-16, %esp
    subl $8, %esp
    pushl %edx
    pushl %eax
    call _QelDispatchWords
    movl %ebp, %esp
    popl %ebp
    ret
)");

uint32_t QelDispatchWords(host::CNativeCallback* callback, const uint32_t* words) noexcept {
  return callback->Dispatch(words);
}

namespace host {

namespace {

constexpr size_t kThunkSize = 13;

void PutWord(unsigned char* at, uint32_t word) { std::memcpy(at, &word, sizeof word); }

}  // namespace

NativeWord CallExport(void* address, const std::vector<NativeWord>& args, Char) {
  return QelCallWords(address, args.data(), uint32_t(args.size()));
}

class CThunk {
public:
  explicit CThunk(unsigned char* code) : code_(code) {}
  ~CThunk() { platform::FreeExecutable(code_, kThunkSize); }
  CThunk(const CThunk&) = delete;
  CThunk& operator=(const CThunk&) = delete;

  unsigned char* Code() const { return code_; }

private:
  unsigned char* code_;
};

CThunk* NewThunk(CNativeCallback& callback) {
  const TextView signature = callback.Signature();
  const size_t argBytes = IsCdeclCallback(signature) ? 0 : CallbackArgCount(signature) * 4;
  if (argBytes > 0xFFFF) RaiseError(QT("@toCallback: too many arguments for a native callback"));
  auto* code = static_cast<unsigned char*>(platform::AllocExecutable(kThunkSize));
  if (!code) RaiseError(QT("No memory for a native callback"));
  const auto entry = reinterpret_cast<uint32_t>(&QelCallbackEntry);
  code[0] = 0xB8;
  PutWord(code + 1, reinterpret_cast<uint32_t>(&callback));
  code[5] = 0xE8;
  PutWord(code + 6, entry - (reinterpret_cast<uint32_t>(code) + 10));
  code[10] = 0xC2;
  code[11] = static_cast<unsigned char>(argBytes & 0xFF);
  code[12] = static_cast<unsigned char>(argBytes >> 8);
  return new CThunk(code);
}

void* ThunkAddress(const CThunk* thunk) { return thunk->Code(); }

void DeleteThunk(CThunk* thunk) { delete thunk; }

}  // namespace host

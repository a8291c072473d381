// Native calls and callback thunks through libffi (x86-64: Linux and 64-bit
// Windows).
#include <ffi.h>

#include <memory>
#include <vector>

#include "host/error_relay.h"
#include "host/native_call.h"
#include "host/native_callback.h"
#include "runtime/error.h"

using namespace runtime;

namespace host {

namespace {

ffi_type* WordType(Char letter) {
  if (letter == 'i') return &ffi_type_sint32;
  if (IsInt32Letter(letter)) return &ffi_type_uint32;
  return &ffi_type_pointer;
}

// A returned value narrower than a register is widened to ffi_arg by libffi.
NativeWord ResultWord(Char letter, ffi_arg value) {
  return IsInt32Letter(letter) ? NativeWord(uint32_t(value)) : NativeWord(value);
}

void PrepareCif(ffi_cif& cif, std::vector<ffi_type*>& types, ffi_type* result) {
  if (ffi_prep_cif(&cif, FFI_DEFAULT_ABI, unsigned(types.size()), result, types.data()) != FFI_OK)
    RaiseError(QT("libffi cannot describe this native call"));
}

}  // namespace

// Every argument is a whole word: a callee reads the low 32 bits of an
// integer's, and varargs take them as they are.
NativeWord CallExport(void* address, const std::vector<NativeWord>& args, Char resultLetter) {
  std::vector<ffi_type*> types(args.size(), &ffi_type_pointer);
  std::vector<void*> values;
  values.reserve(args.size());
  for (const NativeWord& word : args) values.push_back(const_cast<NativeWord*>(&word));
  ffi_cif cif;
  PrepareCif(cif, types, WordType(resultLetter));
  ffi_arg result = 0;
  ffi_call(&cif, FFI_FN(address), &result, values.data());
  return ResultWord(resultLetter, result);
}

class CThunk {
public:
  explicit CThunk(CNativeCallback& callback) : callback_(callback) {
    const TextView signature = callback.Signature();
    for (size_t i = 0; i < CallbackArgCount(signature); ++i) types_.push_back(WordType(signature[i]));
    PrepareCif(cif_, types_, WordType(signature.back()));
    closure_ = static_cast<ffi_closure*>(ffi_closure_alloc(sizeof(ffi_closure), &code_));
    if (!closure_) RaiseError(QT("No memory for a native callback"));
    if (ffi_prep_closure_loc(closure_, &cif_, &Entry, this, code_) != FFI_OK) {
      ffi_closure_free(closure_);
      RaiseError(QT("libffi cannot make this native callback"));
    }
  }
  ~CThunk() { ffi_closure_free(closure_); }
  CThunk(const CThunk&) = delete;
  CThunk& operator=(const CThunk&) = delete;

  void* Address() const { return code_; }

private:
  static void Entry(ffi_cif* cif, void* result, void** args, void* self) {
    auto* thunk = static_cast<CThunk*>(self);
    // Even the words' own memory must not fail across the native frames.
    const NativeWord word = ErrorRelay::Guard(NativeWord(0), [&] {
      std::vector<NativeWord> words(cif->nargs);
      for (unsigned i = 0; i < cif->nargs; ++i) {
        if (cif->arg_types[i] == &ffi_type_sint32)
          words[i] = NativeWord(*static_cast<int32_t*>(args[i]));
        else if (cif->arg_types[i] == &ffi_type_uint32)
          words[i] = *static_cast<uint32_t*>(args[i]);
        else
          words[i] = *static_cast<NativeWord*>(args[i]);
      }
      return thunk->callback_.Dispatch(words.data());
    });
    if (cif->rtype == &ffi_type_sint32)
      *static_cast<ffi_sarg*>(result) = int32_t(uint32_t(word));
    else if (cif->rtype == &ffi_type_uint32)
      *static_cast<ffi_arg*>(result) = uint32_t(word);
    else
      *static_cast<NativeWord*>(result) = word;
  }

  CNativeCallback& callback_;
  std::vector<ffi_type*> types_;
  ffi_cif cif_;
  ffi_closure* closure_ = nullptr;
  void* code_ = nullptr;
};

CThunk* NewThunk(CNativeCallback& callback) { return new CThunk(callback); }

void* ThunkAddress(const CThunk* thunk) { return thunk->Address(); }

void DeleteThunk(CThunk* thunk) { delete thunk; }

}  // namespace host

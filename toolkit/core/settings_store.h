// Settings kept as named integer and text values in a tree of keys, the
// shape of the Windows registry: the registry itself on Windows, a store in
// memory on the headless backend. Keys are paths of names joined by "\",
// below one of two roots; key and value names compare without regard to case.
// Every operation answers false (or nothing) on failure and never throws.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <optional>

#include "toolkit/core/text.h"

namespace toolkit {

// HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE.
enum class SettingsRoot { CurrentUser, LocalMachine };

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  virtual bool KeyExists(SettingsRoot root, StringView key) const = 0;
  // Creates the key with any missing parents; true when it exists afterwards.
  virtual bool CreateKey(SettingsRoot root, StringView key) = 0;
  // Removes the key with everything below it.
  virtual bool DeleteKey(SettingsRoot root, StringView key) = 0;

  virtual bool ValueExists(SettingsRoot root, StringView key, StringView name) const = 0;
  // Nothing when the key or value is missing or holds the other kind.
  virtual std::optional<std::int32_t> ReadInteger(SettingsRoot root, StringView key, StringView name) const = 0;
  virtual std::optional<String> ReadString(SettingsRoot root, StringView key, StringView name) const = 0;
  // Writing needs an existing key; a value of the other kind is replaced.
  virtual bool WriteInteger(SettingsRoot root, StringView key, StringView name, std::int32_t value) = 0;
  virtual bool WriteString(SettingsRoot root, StringView key, StringView name, StringView value) = 0;
};

// A store held in memory, for the headless backend and for tests.
class MemorySettingsStore : public SettingsStore {
 public:
  bool KeyExists(SettingsRoot root, StringView key) const override;
  bool CreateKey(SettingsRoot root, StringView key) override;
  bool DeleteKey(SettingsRoot root, StringView key) override;
  bool ValueExists(SettingsRoot root, StringView key, StringView name) const override;
  std::optional<std::int32_t> ReadInteger(SettingsRoot root, StringView key, StringView name) const override;
  std::optional<String> ReadString(SettingsRoot root, StringView key, StringView name) const override;
  bool WriteInteger(SettingsRoot root, StringView key, StringView name, std::int32_t value) override;
  bool WriteString(SettingsRoot root, StringView key, StringView name, StringView value) override;

 private:
  struct Value {
    bool isInteger = false;
    std::int32_t integer = 0;
    String text;
  };
  struct IgnoringCase {
    bool operator()(const String& a, const String& b) const { return CompareTextIgnoringCase(a, b) < 0; }
  };
  struct Key {
    std::map<String, Value, IgnoringCase> values;
  };
  // Keys by root and normalised path (no empty names, single "\").
  using KeyMap = std::map<String, Key, IgnoringCase>;

  const Key* Find(SettingsRoot root, StringView key) const;
  Key* Find(SettingsRoot root, StringView key);
  KeyMap& Keys(SettingsRoot root) { return root == SettingsRoot::CurrentUser ? currentUser_ : localMachine_; }
  const KeyMap& Keys(SettingsRoot root) const {
    return root == SettingsRoot::CurrentUser ? currentUser_ : localMachine_;
  }

  KeyMap currentUser_;
  KeyMap localMachine_;
};

// The process's own store: the registry on Windows, a memory store on the
// headless backend.
SettingsStore& SystemSettingsStore();

// A path with empty names dropped ("\a\\b\" is "a\b"); false when a name
// holds a character no key name may hold.
bool NormaliseSettingsKey(StringView key, String& normalised);

}  // namespace toolkit

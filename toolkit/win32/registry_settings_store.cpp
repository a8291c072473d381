#include "toolkit/win32/registry_settings_store.h"

#include <cstring>
#include <vector>

#include "toolkit/win32/windows_api.h"

namespace toolkit::win32 {

namespace {

HKEY RootKey(SettingsRoot root) { return root == SettingsRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }

const wchar_t* Wide(const String& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

// One opened key, closed with the object.
class OpenedKey {
 public:
  OpenedKey(SettingsRoot root, StringView key, REGSAM access) {
    String path;
    if (!NormaliseSettingsKey(key, path)) return;
    if (RegOpenKeyExW(RootKey(root), Wide(path), 0, access, &key_) != ERROR_SUCCESS) key_ = nullptr;
  }
  ~OpenedKey() {
    if (key_) RegCloseKey(key_);
  }
  OpenedKey(const OpenedKey&) = delete;
  OpenedKey& operator=(const OpenedKey&) = delete;

  explicit operator bool() const { return key_ != nullptr; }
  HKEY Handle() const { return key_; }

  // The value's type and bytes; false when it is missing.
  bool Query(StringView name, DWORD& type, std::vector<BYTE>& data) const {
    const String valueName(name);
    DWORD size = 0;
    if (RegQueryValueExW(key_, Wide(valueName), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
    // A value may grow between the two calls: ask again until it fits.
    for (;;) {
      data.resize(size);
      const LONG result = RegQueryValueExW(key_, Wide(valueName), nullptr, &type, data.data(), &size);
      if (result == ERROR_SUCCESS) {
        data.resize(size);
        return true;
      }
      if (result != ERROR_MORE_DATA) return false;
    }
  }

 private:
  HKEY key_ = nullptr;
};

bool SetValue(SettingsRoot root, StringView key, StringView name, DWORD type, const void* data, std::size_t size) {
  OpenedKey opened(root, key, KEY_SET_VALUE);
  if (!opened) return false;
  const String valueName(name);
  return RegSetValueExW(opened.Handle(), Wide(valueName), 0, type, static_cast<const BYTE*>(data),
                        static_cast<DWORD>(size)) == ERROR_SUCCESS;
}

}  // namespace

bool RegistrySettingsStore::KeyExists(SettingsRoot root, StringView key) const {
  return static_cast<bool>(OpenedKey(root, key, KEY_READ));
}

bool RegistrySettingsStore::CreateKey(SettingsRoot root, StringView key) {
  String path;
  if (!NormaliseSettingsKey(key, path)) return false;
  HKEY created = nullptr;
  if (RegCreateKeyExW(RootKey(root), Wide(path), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr,
                      &created, nullptr) != ERROR_SUCCESS)
    return false;
  RegCloseKey(created);
  return true;
}

bool RegistrySettingsStore::DeleteKey(SettingsRoot root, StringView key) {
  String path;
  if (!NormaliseSettingsKey(key, path) || path.empty()) return false;
  if (RegDeleteTreeW(RootKey(root), Wide(path)) != ERROR_SUCCESS) return false;
  // Some registries leave the emptied key itself behind.
  RegDeleteKeyW(RootKey(root), Wide(path));
  return true;
}

bool RegistrySettingsStore::ValueExists(SettingsRoot root, StringView key, StringView name) const {
  OpenedKey opened(root, key, KEY_READ);
  if (!opened) return false;
  const String valueName(name);
  return RegQueryValueExW(opened.Handle(), Wide(valueName), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

std::optional<std::int32_t> RegistrySettingsStore::ReadInteger(SettingsRoot root, StringView key,
                                                               StringView name) const {
  OpenedKey opened(root, key, KEY_READ);
  DWORD type = 0;
  std::vector<BYTE> data;
  if (!opened || !opened.Query(name, type, data) || type != REG_DWORD || data.size() != sizeof(DWORD))
    return std::nullopt;
  DWORD value = 0;
  std::memcpy(&value, data.data(), sizeof(value));
  return static_cast<std::int32_t>(value);
}

std::optional<String> RegistrySettingsStore::ReadString(SettingsRoot root, StringView key, StringView name) const {
  OpenedKey opened(root, key, KEY_READ);
  DWORD type = 0;
  std::vector<BYTE> data;
  if (!opened || !opened.Query(name, type, data) || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
  String text(data.size() / sizeof(Char), u'\0');
  std::memcpy(text.data(), data.data(), text.size() * sizeof(Char));
  // Stored texts usually end with their terminator, but need not.
  while (!text.empty() && text.back() == u'\0') text.pop_back();
  return text;
}

bool RegistrySettingsStore::WriteInteger(SettingsRoot root, StringView key, StringView name, std::int32_t value) {
  const auto word = static_cast<DWORD>(value);
  return SetValue(root, key, name, REG_DWORD, &word, sizeof(word));
}

bool RegistrySettingsStore::WriteString(SettingsRoot root, StringView key, StringView name, StringView value) {
  const String text(value);
  return SetValue(root, key, name, REG_SZ, text.c_str(), (text.size() + 1) * sizeof(Char));
}

}  // namespace toolkit::win32

namespace toolkit {

SettingsStore& SystemSettingsStore() {
  static win32::RegistrySettingsStore store;
  return store;
}

}  // namespace toolkit

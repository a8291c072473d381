#include "toolkit/core/settings_store.h"

namespace toolkit {

bool NormaliseSettingsKey(StringView key, String& normalised) {
  normalised.clear();
  std::size_t start = 0;
  while (start <= key.size()) {
    std::size_t end = key.find(u'\\', start);
    if (end == StringView::npos) end = key.size();
    const StringView name = key.substr(start, end - start);
    if (name.find(u'\0') != StringView::npos) return false;
    if (!name.empty()) {
      if (!normalised.empty()) normalised += u'\\';
      normalised += name;
    }
    start = end + 1;
  }
  return true;
}

const MemorySettingsStore::Key* MemorySettingsStore::Find(SettingsRoot root, StringView key) const {
  String path;
  if (!NormaliseSettingsKey(key, path)) return nullptr;
  const KeyMap& keys = Keys(root);
  const auto found = keys.find(path);
  if (found != keys.end()) return &found->second;
  // The root always exists, even before anything was written.
  static const Key kEmptyRoot;
  return path.empty() ? &kEmptyRoot : nullptr;
}

MemorySettingsStore::Key* MemorySettingsStore::Find(SettingsRoot root, StringView key) {
  String path;
  if (!NormaliseSettingsKey(key, path)) return nullptr;
  KeyMap& keys = Keys(root);
  if (path.empty()) return &keys[path];
  const auto found = keys.find(path);
  return found == keys.end() ? nullptr : &found->second;
}

bool MemorySettingsStore::KeyExists(SettingsRoot root, StringView key) const { return Find(root, key) != nullptr; }

bool MemorySettingsStore::CreateKey(SettingsRoot root, StringView key) {
  String path;
  if (!NormaliseSettingsKey(key, path)) return false;
  KeyMap& keys = Keys(root);
  // Parents first, so that every prefix of a key is itself a key.
  for (std::size_t end = path.find(u'\\'); end != String::npos; end = path.find(u'\\', end + 1))
    keys.try_emplace(path.substr(0, end));
  keys.try_emplace(path);
  return true;
}

bool MemorySettingsStore::DeleteKey(SettingsRoot root, StringView key) {
  String path;
  if (!NormaliseSettingsKey(key, path) || path.empty()) return false;
  KeyMap& keys = Keys(root);
  const auto found = keys.find(path);
  if (found == keys.end()) return false;
  const String prefix = path + u'\\';
  for (auto it = keys.begin(); it != keys.end();) {
    const bool below = it->first.size() > prefix.size() &&
                       CompareTextIgnoringCase(StringView(it->first).substr(0, prefix.size()), prefix) == 0;
    it = (it->first.size() == path.size() && CompareTextIgnoringCase(it->first, path) == 0) || below ? keys.erase(it)
                                                                                                     : std::next(it);
  }
  return true;
}

bool MemorySettingsStore::ValueExists(SettingsRoot root, StringView key, StringView name) const {
  const Key* found = Find(root, key);
  return found && found->values.count(String(name)) != 0;
}

std::optional<std::int32_t> MemorySettingsStore::ReadInteger(SettingsRoot root, StringView key,
                                                             StringView name) const {
  const Key* found = Find(root, key);
  if (!found) return std::nullopt;
  const auto value = found->values.find(String(name));
  if (value == found->values.end() || !value->second.isInteger) return std::nullopt;
  return value->second.integer;
}

std::optional<String> MemorySettingsStore::ReadString(SettingsRoot root, StringView key, StringView name) const {
  const Key* found = Find(root, key);
  if (!found) return std::nullopt;
  const auto value = found->values.find(String(name));
  if (value == found->values.end() || value->second.isInteger) return std::nullopt;
  return value->second.text;
}

bool MemorySettingsStore::WriteInteger(SettingsRoot root, StringView key, StringView name, std::int32_t value) {
  Key* found = Find(root, key);
  if (!found) return false;
  found->values[String(name)] = Value{true, value, {}};
  return true;
}

bool MemorySettingsStore::WriteString(SettingsRoot root, StringView key, StringView name, StringView value) {
  Key* found = Find(root, key);
  if (!found) return false;
  found->values[String(name)] = Value{false, 0, String(value)};
  return true;
}

#if !defined(_WIN32)
SettingsStore& SystemSettingsStore() {
  static MemorySettingsStore store;
  return store;
}
#endif

}  // namespace toolkit

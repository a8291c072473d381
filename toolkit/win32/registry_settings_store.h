// The settings store over the Windows registry: integers are REG_DWORD
// values, texts REG_SZ (REG_EXPAND_SZ is read as it is stored).
#pragma once
#include "toolkit/core/settings_store.h"

namespace toolkit::win32 {

class RegistrySettingsStore : public SettingsStore {
 public:
  bool KeyExists(SettingsRoot root, StringView key) const override;
  bool CreateKey(SettingsRoot root, StringView key) override;
  bool DeleteKey(SettingsRoot root, StringView key) override;
  bool ValueExists(SettingsRoot root, StringView key, StringView name) const override;
  std::optional<std::int32_t> ReadInteger(SettingsRoot root, StringView key, StringView name) const override;
  std::optional<String> ReadString(SettingsRoot root, StringView key, StringView name) const override;
  bool WriteInteger(SettingsRoot root, StringView key, StringView name, std::int32_t value) override;
  bool WriteString(SettingsRoot root, StringView key, StringView name, StringView value) override;
};

}  // namespace toolkit::win32

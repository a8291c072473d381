#include "editor/highlighter_attributes.h"

#include <utility>

namespace editor {

TCodeHighlighterAttributes::TCodeHighlighterAttributes(toolkit::String name, toolkit::String friendlyName)
    : friendlyName_(std::move(friendlyName)), name_(std::move(name)) {}

void TCodeHighlighterAttributes::Assign(const toolkit::Persistent* source) {
  const auto* other = dynamic_cast<const TCodeHighlighterAttributes*>(source);
  if (!other) {
    Persistent::Assign(source);
    return;
  }
  name_ = other->name_;
  const bool differs =
      background_ != other->background_ || foreground_ != other->foreground_ || style_ != other->style_;
  background_ = other->background_;
  foreground_ = other->foreground_;
  style_ = other->style_;
  if (differs) Changed();
}

void TCodeHighlighterAttributes::SetBackground(toolkit::Color color) {
  if (color == background_) return;
  background_ = color;
  Changed();
}

void TCodeHighlighterAttributes::SetForeground(toolkit::Color color) {
  if (color == foreground_) return;
  foreground_ = color;
  Changed();
}

void TCodeHighlighterAttributes::SetStyle(TCodeFontStyles style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TCodeHighlighterAttributes::KeepAsDefaults() {
  backgroundDefault_ = background_;
  foregroundDefault_ = foreground_;
  styleDefault_ = style_;
}

namespace {

toolkit::String SubKey(toolkit::StringView key, toolkit::StringView name) {
  toolkit::String path(key);
  path += u'\\';
  path += name;
  return path;
}

// Reads one integer when it is there: false only for a value of the wrong kind.
bool ReadPresent(const toolkit::SettingsStore& store, toolkit::SettingsRoot root, const toolkit::String& key,
                 toolkit::StringView name, std::optional<std::int32_t>& value) {
  value = store.ReadInteger(root, key, name);
  return value || !store.ValueExists(root, key, name);
}

}  // namespace

bool TCodeHighlighterAttributes::ReadFromRegistry(const toolkit::SettingsStore& store, toolkit::SettingsRoot root,
                                                  toolkit::StringView key) {
  const toolkit::String path = SubKey(key, name_);
  if (!store.KeyExists(root, path)) return false;
  std::optional<std::int32_t> background, foreground, style;
  bool ok = ReadPresent(store, root, path, u"Background", background);
  ok = ReadPresent(store, root, path, u"Foreground", foreground) && ok;
  ok = ReadPresent(store, root, path, u"Style", style) && ok;
  if (background) SetBackground(*background);
  if (foreground) SetForeground(*foreground);
  if (style) SetStyle(*style & (fsBold | fsItalic | fsUnderline | fsStrikeOut));
  return ok;
}

bool TCodeHighlighterAttributes::WriteToRegistry(toolkit::SettingsStore& store, toolkit::SettingsRoot root,
                                                 toolkit::StringView key) const {
  const toolkit::String path = SubKey(key, name_);
  if (!store.CreateKey(root, path)) return false;
  bool ok = store.WriteInteger(root, path, u"Background", background_);
  ok = store.WriteInteger(root, path, u"Foreground", foreground_) && ok;
  return store.WriteInteger(root, path, u"Style", style_) && ok;
}

}  // namespace editor

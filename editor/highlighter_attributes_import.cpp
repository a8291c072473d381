// Colours another editor left in the registry, in either of its two layouts.
#include <vector>

#include "editor/highlighter_attributes.h"

namespace editor {

namespace {

constexpr toolkit::Color kPalette[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                         0x808000, 0xC0C0C0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                                         0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

bool PaletteColor(long long number, toolkit::Color& color) {
  if (number < 0 || number > 15) return false;
  color = kPalette[number];
  return true;
}

bool PaletteColor(toolkit::StringView text, toolkit::Color& color) {
  long long number = 0;
  if (text.empty() || text.size() > 4) return false;
  for (const toolkit::Char c : text) {
    if (c < u'0' || c > u'9') return false;
    number = number * 10 + (c - u'0');
  }
  return PaletteColor(number, color);
}

std::vector<toolkit::String> SplitItems(toolkit::StringView text, std::size_t wanted) {
  std::vector<toolkit::String> items;
  std::size_t start = 0;
  while (items.size() < wanted && start <= text.size()) {
    std::size_t end = text.find(u',', start);
    if (end == toolkit::StringView::npos) end = text.size();
    items.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  items.resize(wanted);
  return items;
}

bool TextIsTrue(const toolkit::String& text) {
  const toolkit::String upper = toolkit::UpperCase(text);
  return upper != u"FALSE" && upper != u"0";
}

// A colour in the class library's notation; system colours take the editor's form.
bool ColorFromText(toolkit::StringView text, toolkit::Color& color) {
  if (!toolkit::StringToColor(text, color)) return false;
  if (color & toolkit::kSystemColorFlag) color = CodeSystemColor(color & 0xFF);
  return true;
}

struct Imported {
  toolkit::Color background;
  toolkit::Color foreground;
  TCodeFontStyles style;
};

bool ImportOldLayout(const toolkit::SettingsStore& store, toolkit::SettingsRoot root, toolkit::StringView key,
                     toolkit::StringView name, Imported& result) {
  const std::optional<toolkit::String> text = store.ReadString(root, key, name);
  if (!text) return false;
  const std::vector<toolkit::String> items = SplitItems(*text, 7);
  if (items[4] == u"1") {
    result.background = kColorWindow;
  } else if (!PaletteColor(items[6], result.background)) {
    return false;
  }
  if (items[3] == u"1") {
    result.foreground = kColorWindowText;
  } else if (!PaletteColor(items[5], result.foreground)) {
    return false;
  }
  const toolkit::String& flags = items[2];
  result.style = 0;
  if (flags.find(u'B') != toolkit::String::npos) result.style |= fsBold;
  if (flags.find(u'I') != toolkit::String::npos) result.style |= fsItalic;
  if (flags.find(u'U') != toolkit::String::npos) result.style |= fsUnderline;
  return true;
}

// The palette number in integerName, else the colour text in textName.
bool ReadNewLayoutColor(const toolkit::SettingsStore& store, toolkit::SettingsRoot root, const toolkit::String& key,
                        toolkit::StringView integerName, toolkit::StringView textName, toolkit::Color& color) {
  if (const std::optional<std::int32_t> number = store.ReadInteger(root, key, integerName))
    return PaletteColor(*number, color);
  const std::optional<toolkit::String> text = store.ReadString(root, key, textName);
  return text && ColorFromText(*text, color);
}

bool ImportNewLayout(const toolkit::SettingsStore& store, toolkit::SettingsRoot root, toolkit::StringView key,
                     toolkit::StringView name, Imported& result) {
  toolkit::String path(key);
  path += u'\\';
  path += name;
  if (!store.KeyExists(root, path)) return false;
  const toolkit::Char* const flagNames[] = {u"Bold", u"Italic", u"Underline", u"Default Foreground",
                                            u"Default Background"};
  bool flags[5];
  for (int i = 0; i < 5; ++i) {
    const std::optional<toolkit::String> text = store.ReadString(root, path, flagNames[i]);
    if (!text) return false;
    flags[i] = TextIsTrue(*text);
  }
  if (flags[4]) {
    result.background = kColorWindow;
  } else if (!ReadNewLayoutColor(store, root, path, u"Background Color", u"Background Color New",
                                 result.background)) {
    return false;
  }
  if (flags[3]) {
    result.foreground = kColorWindowText;
  } else if (!ReadNewLayoutColor(store, root, path, u"Foreground Color", u"Foreground Color New",
                                 result.foreground)) {
    return false;
  }
  result.style = (flags[0] ? fsBold : 0) | (flags[1] ? fsItalic : 0) | (flags[2] ? fsUnderline : 0);
  return true;
}

}  // namespace

bool TCodeHighlighterAttributes::ImportExternalRegistry(const toolkit::SettingsStore& store,
                                                        toolkit::SettingsRoot root, toolkit::StringView key,
                                                        toolkit::StringView name, bool oldLayout) {
  Imported imported{};
  const bool found = oldLayout ? ImportOldLayout(store, root, key, name, imported)
                               : ImportNewLayout(store, root, key, name, imported);
  if (!found) return false;
  SetBackground(imported.background);
  SetForeground(imported.foreground);
  SetStyle(imported.style);
  return true;
}

}  // namespace editor

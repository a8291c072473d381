#include "toolkit/core/shortcut.h"

namespace toolkit {

namespace {

struct NamedKey {
  std::uint16_t key;
  const Char* name;
};

constexpr NamedKey kNamedKeys[] = {
    {0x08, u"BkSp"},  {0x09, u"Tab"},  {0x0D, u"Enter"}, {0x1B, u"Esc"},   {0x20, u"Space"},
    {0x21, u"PgUp"},  {0x22, u"PgDn"}, {0x23, u"End"},   {0x24, u"Home"},  {0x25, u"Left"},
    {0x26, u"Up"},    {0x27, u"Right"}, {0x28, u"Down"}, {0x2D, u"Ins"},   {0x2E, u"Del"},
    {0x6A, u"Num *"}, {0x6B, u"Num +"}, {0x6D, u"Num -"}, {0x6E, u"Num ."}, {0x6F, u"Num /"},
    {0xBA, u";"},     {0xBB, u"="},    {0xBC, u","},     {0xBD, u"-"},     {0xBE, u"."},
    {0xBF, u"/"},     {0xC0, u"`"},    {0xDB, u"["},     {0xDC, u"\\"},    {0xDD, u"]"},
    {0xDE, u"'"},
};

constexpr struct {
  ShortCut flag;
  const Char* prefix;
} kPrefixes[] = {{scShift, u"Shift+"}, {scCtrl, u"Ctrl+"}, {scAlt, u"Alt+"}};

}  // namespace

ShortCut MakeShortCut(std::uint16_t key, ShiftState shift) {
  if (key > 0xFF) return scNone;
  ShortCut result = key;
  if (shift & ssShift) result |= scShift;
  if (shift & ssCtrl) result |= scCtrl;
  if (shift & ssAlt) result |= scAlt;
  return result;
}

void ShortCutToKey(ShortCut shortCut, std::uint16_t& key, ShiftState& shift) {
  key = shortCut & 0xFF;
  shift = 0;
  if (shortCut & scShift) shift |= ssShift;
  if (shortCut & scCtrl) shift |= ssCtrl;
  if (shortCut & scAlt) shift |= ssAlt;
}

String KeyName(std::uint16_t key) {
  if ((key >= u'0' && key <= u'9') || (key >= u'A' && key <= u'Z')) return String(1, static_cast<Char>(key));
  // Built by appending: MinGW's g++ warns falsely about prefix + text.
  if (key >= 0x60 && key <= 0x69) {
    String name = u"Num ";
    name += static_cast<Char>(u'0' + key - 0x60);
    return name;
  }
  if (key >= 0x70 && key <= 0x87) {
    String name = u"F";
    name += IntToString(key - 0x6F);
    return name;
  }
  for (const NamedKey& named : kNamedKeys)
    if (named.key == key) return named.name;
  return String();
}

String ShortCutToText(ShortCut shortCut) {
  const String name = KeyName(shortCut & 0xFF);
  if (name.empty()) return String();
  String text;
  for (const auto& p : kPrefixes)
    if (shortCut & p.flag) text += p.prefix;
  return text + name;
}

ShortCut TextToShortCut(StringView text) {
  ShortCut modifiers = 0;
  bool progress = true;
  while (progress) {
    progress = false;
    for (const auto& p : kPrefixes) {
      const StringView prefix(p.prefix);
      if (text.size() > prefix.size() && CompareTextIgnoringCase(text.substr(0, prefix.size()), prefix) == 0) {
        modifiers |= p.flag;
        text.remove_prefix(prefix.size());
        progress = true;
      }
    }
  }
  for (std::uint16_t key = 1; key <= 0xFF; ++key) {
    const String name = KeyName(key);
    if (!name.empty() && CompareTextIgnoringCase(name, text) == 0) return static_cast<ShortCut>(key | modifiers);
  }
  return scNone;
}

}  // namespace toolkit

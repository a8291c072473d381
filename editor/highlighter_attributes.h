// The colours and font style of one token class of a highlighter, with the
// defaults a form file compares them with, and their place in the settings
// store: a key named after the attribute holding "Background", "Foreground"
// and "Style".
#pragma once
#include "editor/colors.h"
#include "toolkit/core/component.h"
#include "toolkit/core/settings_store.h"

namespace editor {

// Font style bits as the attributes store them.
using TCodeFontStyles = int;
inline constexpr TCodeFontStyles fsBold = 1;
inline constexpr TCodeFontStyles fsItalic = 2;
inline constexpr TCodeFontStyles fsUnderline = 4;
inline constexpr TCodeFontStyles fsStrikeOut = 8;

class TCodeHighlighterAttributes : public toolkit::Persistent {
 public:
  TCodeHighlighterAttributes(toolkit::String name, toolkit::String friendlyName);

  toolkit::String ClassName() const override { return u"TCodeHighlighterAttributes"; }
  // From another attribute: its name and its three values, with one change
  // notification when any value differed.
  void Assign(const toolkit::Persistent* source) override;

  const toolkit::String& Name() const { return name_; }
  const toolkit::String& FriendlyName() const { return friendlyName_; }
  toolkit::Color Background() const { return background_; }
  void SetBackground(toolkit::Color color);
  toolkit::Color Foreground() const { return foreground_; }
  void SetForeground(toolkit::Color color);
  TCodeFontStyles Style() const { return style_; }
  void SetStyle(TCodeFontStyles style);

  // The current values become the ones a form file leaves out.
  void KeepAsDefaults();
  bool BackgroundStored() const { return background_ != backgroundDefault_; }
  bool ForegroundStored() const { return foreground_ != foregroundDefault_; }
  bool StyleStored() const { return style_ != styleDefault_; }

  // Loads the values present under key\Name; false when the key is missing
  // or a value is of the wrong kind (the others are still read).
  bool ReadFromRegistry(const toolkit::SettingsStore& store, toolkit::SettingsRoot root, toolkit::StringView key);
  // Creates key\Name and writes the three values as integers.
  bool WriteToRegistry(toolkit::SettingsStore& store, toolkit::SettingsRoot root, toolkit::StringView key) const;
  // Takes the colours another editor stored under key, in its old layout
  // (one comma-separated text value called name) or its new one (a key
  // called name). Answers false and changes nothing unless every value it
  // needs is there and valid.
  virtual bool ImportExternalRegistry(const toolkit::SettingsStore& store, toolkit::SettingsRoot root,
                                      toolkit::StringView key, toolkit::StringView name, bool oldLayout);

  toolkit::NotifyEvent OnChange;

 protected:
  virtual void Changed() { OnChange(this); }

 private:
  toolkit::Color background_ = kColorNone;
  toolkit::Color backgroundDefault_ = kColorNone;
  toolkit::Color foreground_ = kColorNone;
  toolkit::Color foregroundDefault_ = kColorNone;
  toolkit::String friendlyName_;
  toolkit::String name_;
  TCodeFontStyles style_ = 0;
  TCodeFontStyles styleDefault_ = 0;
};

}  // namespace editor

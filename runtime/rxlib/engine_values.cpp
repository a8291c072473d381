#include "engine_values.h"

#include "../regex/engine_text.h"
#include "../tree/object_value.h"
#include "../tree/value_node.h"
#include "platform/codepage.h"

void SetEngineText(Value& value, std::string_view bytes) { value.SetText(EngineText(bytes)); }

void SetEngineBytes(Value& value, std::string_view bytes) {
  value.SetAnsiString(bytes, kEngineBytesAreUtf8 ? uint16_t(platform::kCodePageUtf8) : 0);
}

void SetEngineTextList(Value& value, const std::vector<std::string>& entries) {
  auto* list = new CObjectInstance(nullptr);
  for (const std::string& entry : entries) {
    Value text;
    SetEngineText(text, entry);
    list->Members()->Add(new CValue(list, text));
  }
  value.SetCountedObject(list);
  list->Release();
}

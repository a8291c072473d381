#include "index_ref.h"

#include "../base/list.h"
#include "../error.h"
#include "../stack_guard.h"
#include "../value/convert.h"
#include "../value/predicates.h"
#include "object_value.h"
#include "value_list.h"
#include "value_ops.h"

CIndexRef::CIndexRef(CNode* owner, CValue* object, CValue* key) : CMemberRef(owner, {}, object, false), key_(key) {}

CIndexRef::~CIndexRef() { ReleaseObject(key_); }

CValue* CIndexRef::Resolve(CContext& context, bool forAssign) {
  CheckStackRoom();
  object_->Compute(context);
  key_->Compute(context);
  const Value& object = object_->ValueRef();
  const Value& key = key_->ValueRef();
  Hold(object);
  CObjectValue* script = ScriptObjectOf(object);
  if (script && IsIntegerType(key.Type())) return ElementAt(script, key, forAssign);
  Text name = ToText(key);
  if (CValue* member = MemberOf(object, name, forAssign)) return member;
  return Missing(QT(".") + name + QT(" not found"));
}

CValue* CIndexRef::ElementAt(CObjectValue* object, const Value& key, bool forAssign) {
  const int64_t count = object->MemberCount();
  const int64_t index = ToInt64(key);
  int64_t position = index < 0 ? index + count : index;
  if (position >= 0 && position < count)
    if (CValue* element = object->Members()->At(int32_t(position))) return element;
  if (!forAssign) return Spare();
  if (position < 0) position = count;
  if (position >= CList::kMaxIndex) RaiseError(QT("List index out of range"));
  auto* element = new CValue(object);
  object->Members()->PutAt(int32_t(position), element);
  return element;
}

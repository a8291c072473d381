#include "runtime/tree/references.h"

#include <optional>
#include <typeinfo>

#include "runtime/base/list.h"
#include "runtime/error.h"
#include "runtime/lib/context.h"
#include "runtime/stack_guard.h"
#include "runtime/value/convert.h"
#include "runtime/value/predicates.h"
#include "runtime/tree/block.h"
#include "runtime/tree/function.h"
#include "runtime/tree/object_value.h"
#include "runtime/tree/value_node.h"
#include "runtime/tree/variable.h"
#include "runtime/base/ref.h"

namespace runtime {

CNameRef::CNameRef(CNode* owner, TextView name, bool optional)
    : CRef(owner), refName_(name), optional_(optional) {}

CNameRef::~CNameRef() = default;

CValue* VariableOf(CValue* node) {
  if (node && node->Id() == ClassId::kNameRef) node = static_cast<CNameRef*>(node)->ResolvedTarget();
  return node && node->IsVariable() ? node : nullptr;
}

namespace {

// Exact classes: a subclass may compute its value or read it elsewhere.
bool ReadsOwnSlot(const CValue* node) {
  const std::type_info& type = typeid(*node);
  return type == typeid(CValue) || type == typeid(CVariable) || type == typeid(CStackVariable);
}

}  // namespace

CValue* SlotHolder(CValue* node) {
  if (typeid(*node) == typeid(CNameRef)) node = static_cast<CNameRef*>(node)->ResolvedTarget();
  return node && ReadsOwnSlot(node) ? node : nullptr;
}

CValue* CNameRef::Unresolved() {
  // Found once, then cached; a failed lookup leaves it to the next evaluation.
  CValue* found = Owner() ? Owner()->Lookup(refName_) : nullptr;
  target_ = found ? found : Missing(refName_ + QT(" not found"));
  return target_;
}

void CNameRef::Compute(CContext&) { Target(); }

int32_t CNameRef::Count() {
  CValue* target = Target();
  if (CObjectValue* object = ScriptObjectOf(target->ValueRef())) return object->Count();
  return target->Count();
}

const Value& CNameRef::Call(CContext& context, CValueList* args) { return CallHeldNode(Target(), context, args); }

CValue* CNameRef::Missing(TextView message) {
  if (!optional_) RaiseError(Text(message));
  return Spare();
}

CValue* CNameRef::Spare() {
  if (!spare_) spare_ = Adopt(new CValue(this));
  spare_->OwnValue().Clear();
  return spare_;
}

const Value& CallHeldNode(CValue* holder, CContext& context, CValueList* args) {
  CNode* node = NodeOf(holder->ValueRef());
  return node ? node->Call(context, args) : DefaultValue();
}

CMemberRef::CMemberRef(CNode* owner, TextView name, CValue* object, bool optional)
    : CNameRef(owner, name, optional), object_(Adopt(object)) {}

CMemberRef::~CMemberRef() = default;

CValue* CMemberRef::Unresolved() { return Spare(); }

void CMemberRef::Compute(CContext& context) {
  target_ = nullptr;
  target_ = Resolve(context, false);
  if (IsComTarget(target_)) ReadCom();
}

void CMemberRef::Assign(CContext& context, const Value& value) {
  target_ = nullptr;
  target_ = Resolve(context, true);
  target_->Assign(context, value);
  if (IsComTarget(target_)) WriteCom();
}

CValue* CMemberRef::Resolve(CContext& context, bool forAssign) {
  CheckStackRoom();
  const Value& object = Eval(object_, context);
  Hold(object);
  CObjectValue* script = ScriptObjectOf(object);
  if (script)
    if (CValue* member = CachedMember(script)) return member;
  if (CValue* member = MemberOf(object, RefName(), forAssign)) {
    if (script) Remember(script, member);
    return member;
  }
  return Missing(QT(".") + RefName() + QT(" not found"));
}

CValue* CMemberRef::CachedMember(const CObjectValue* object) {
  const CValueList* members = object->MemberList();
  if (members && members->Version() == cache_.version) return cache_.member;
  return MemberAtCachedPosition(members);
}

CValue* CMemberRef::MemberAtCachedPosition(const CValueList* members) {
  if (!members) return nullptr;
  // Where every member went in by name, the one of this name at the
  // remembered position is the one the name finds.
  if (cache_.position < 0 || cache_.position >= members->Count() || !members->NamesMatchPositions()) return nullptr;
  CValue* member = members->At(cache_.position);
  if (!member || !SameName(member->Name(), RefName())) return nullptr;
  cache_.version = members->Version();
  cache_.member = member;
  return member;
}

void CMemberRef::Remember(const CObjectValue* object, CValue* member) {
  // A missing member reads as the spare node, which is no member to keep.
  CValueList* members = object->MemberList();
  if (IsSpare(member) || !members) return;
  const int32_t position = members->IndexOfName(RefName());
  cache_ = {members->Version(), member, position >= 0 && members->At(position) == member ? position : -1};
}

bool CMemberRef::Hold(const Value& object) {
  if (object.Type() != varCountedObject)
    held_.Clear();
  else if (held_.Type() != varCountedObject || held_.Pointer() != object.Pointer())
    held_ = object;
  else
    return true;
  return false;
}

CValue* CMemberRef::MemberOf(const Value& object, TextView name, bool forAssign) {
  CNode* node = NodeOf(object);
  if (!node) return IsDispatchValue(object) ? ComValue() : nullptr;
  if (CObjectValue* script = node->AsObjectValue()) {
    if (CValue* member = script->FindMember(name)) return member;
    if (!forAssign) return Spare();
    auto* member = new CValue(script);
    member->SetName(name);
    script->Members()->Add(member);
    return member;
  }
  if (CFunction* function = node->AsFunction()) {
    if (CValue* own = function->FindInScope(name)) return own;
    return CVariable::Declare(function->Body(), name);
  }
  if (CBlock* block = node->AsBlock()) return block->FindOwn(name);
  return nullptr;
}

const Value& CMemberRef::Call(CContext& context, CValueList* args) {
  const Value& object = Eval(object_, context);
  const Ref<CBase> keep = Retain(object.AsObject());
  if (CClassInstance* instance = ClassInstanceOf(object)) return CallMethod(context, instance, args);
  value_.Clear();
  if (context.Call(object_, RefName(), CallKind::kCall, value_, args)) return value_;
  CValue* member = MemberOf(object_->ValueRef(), RefName(), false);
  if (!member) member = Missing(QT(".") + RefName() + QT(" not found"));
  return CallHeldNode(member, context, args);
}

const Value& CMemberRef::CallMethod(CContext& context, CClassInstance* instance, CValueList* args) {
  std::optional<CInstanceBinding> binding;
  if (!instance->Class()->IsBoundTo(instance)) binding.emplace(instance);
  CValue* member = CachedMember(instance);
  if (!member) {
    member = instance->FindMember(RefName());
    if (!member) return CallHeldNode(Spare(), context, args);
    Remember(instance, member);
  }
  return CallHeldNode(member, context, args);
}

CValue* CMemberRef::ComValue() {
  if (!comValue_) comValue_ = Adopt(new CValue(this));
  return comValue_;
}

// COM properties are read and written by the COM library of the chain,
// through the context of the running program.
void CMemberRef::ReadCom() {
  Value& property = comValue_->OwnValue();
  property.Clear();
  CContext* context = CurrentContext();
  bool handled = context && context->Call(object_, RefName(), CallKind::kRead, property, nullptr);
  if (!handled && !Optional()) RaiseError(QT(".") + RefName() + QT(" not found"));
}

void CMemberRef::WriteCom() {
  CContext* context = CurrentContext();
  if (!context || !context->Call(object_, RefName(), CallKind::kWrite, comValue_->OwnValue(), nullptr))
    RaiseError(QT(".") + RefName() + QT(" not found"));
}

CIndexRef::CIndexRef(CNode* owner, CValue* object, CValue* key) : CMemberRef(owner, {}, object, false), key_(Adopt(key)) {}

CIndexRef::~CIndexRef() = default;

CValue* CIndexRef::Resolve(CContext& context, bool forAssign) {
  CheckStackRoom();
  if (!plainObject_) object_->Compute(context);
  if (!plainKey_) key_->Compute(context);
  if (!operandsKnown_) {
    // Decided once the names are resolved: the image reader fills the fields after construction.
    plainObject_ = SlotHolder(object_);
    plainKey_ = SlotHolder(key_);
    operandsKnown_ = true;
  }
  // Both read after both are computed: the key may change the object's variable.
  const Value& object = plainObject_ ? **plainObject_->SlotAddress() : object_->ValueRef();
  const Value& key = plainKey_ ? **plainKey_->SlotAddress() : key_->ValueRef();
  if (!Hold(object)) heldScript_ = ScriptObjectOf(object);
  if (CObjectValue* script = heldScript_) {
    // Loop counters and most computed positions are 32-bit: no conversion.
    if (key.Type() == varInteger) return ElementAt(script, key.AsInt32Raw(), forAssign);
    if (IsIntegerType(key.Type())) return ElementAt(script, ToInt64(key), forAssign);
  }
  Text name = ToText(key);
  if (CValue* member = MemberOf(object, name, forAssign)) return member;
  return Missing(QT(".") + name + QT(" not found"));
}

CValue* CIndexRef::ElementAt(CObjectValue* object, int64_t index, bool forAssign) {
  const CValueList* members = object->MemberList();
  const int64_t count = members ? members->Count() : 0;
  int64_t position = index < 0 ? index + count : index;
  if (position >= 0 && position < count)
    if (CValue* element = members->At(int32_t(position))) return element;
  if (!forAssign) return Spare();
  return NewElement(object, position < 0 ? count : position);
}

CValue* CIndexRef::NewElement(CObjectValue* object, int64_t position) {
  if (position >= CList::kMaxIndex) RaiseError(QT("List index out of range"));
  auto* element = new CValue(object);
  object->Members()->PutAt(int32_t(position), element);
  return element;
}

}  // namespace runtime

#include "toolkit/core/component.h"

#include <algorithm>

#include "toolkit/core/exceptions.h"

namespace toolkit {

namespace {

bool IsIdentifier(StringView name) {
  if (name.empty()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const Char c = name[i];
    const bool letter = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_';
    const bool digit = c >= u'0' && c <= u'9';
    if (!letter && !(digit && i > 0)) return false;
  }
  return true;
}

void Erase(std::vector<Component*>& list, Component* item) {
  list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}  // namespace

void Persistent::Assign(const Persistent* source) {
  if (source) {
    source->AssignTo(this);
  } else {
    throw ConvertError(FormatText(FormatText(messages::kAssignError, u"nil"), ClassName()));
  }
}

void Persistent::AssignTo(Persistent* destination) const {
  throw ConvertError(FormatText(FormatText(messages::kAssignError, ClassName()), destination->ClassName()));
}

Component::Component(Component* owner) {
  if (owner) owner->InsertComponent(this);
}

Component::~Component() {
  state_ |= csDestroying;
  // Everyone who asked is told first, then the owned components go.
  while (!freeNotifies_.empty()) {
    Component* other = freeNotifies_.back();
    freeNotifies_.pop_back();
    Erase(other->freeNotifies_, this);
    other->Notification(this, Operation::Remove);
  }
  while (!components_.empty()) {
    Component* child = components_.back();
    Remove(child);
    delete child;
  }
  if (owner_) owner_->RemoveComponent(this);
}

Component* Component::Components(int index) const {
  if (index < 0 || index >= ComponentCount()) ThrowListIndexError(index);
  return components_[static_cast<std::size_t>(index)];
}

Component* Component::FindComponent(StringView name) const {
  if (name.empty()) return nullptr;
  for (Component* c : components_)
    if (CompareTextIgnoringCase(c->name_, name) == 0) return c;
  return nullptr;
}

void Component::SetName(const String& name) {
  if (name == name_) return;
  if (!name.empty() && !IsIdentifier(name)) throw ComponentError(FormatText(messages::kInvalidName, name));
  if (owner_ && owner_->FindComponent(name) && CompareTextIgnoringCase(name, name_) != 0)
    throw ComponentError(FormatText(messages::kDuplicateName, name));
  name_ = name;
}

void Component::SetLoading(bool loading) {
  if (loading) {
    state_ |= csLoading;
    return;
  }
  if (!(state_ & csLoading)) return;
  state_ &= ~csLoading;
  Loaded();
}

void Component::SetDesigning(bool designing) {
  state_ = designing ? state_ | csDesigning : state_ & ~csDesigning;
}

void Component::FreeNotification(Component* other) {
  if (!other || other == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), other) == freeNotifies_.end()) {
    freeNotifies_.push_back(other);
    other->freeNotifies_.push_back(this);
  }
}

void Component::RemoveFreeNotification(Component* other) {
  if (!other) return;
  Erase(freeNotifies_, other);
  Erase(other->freeNotifies_, this);
}

void Component::InsertComponent(Component* component) {
  if (component->owner_) component->owner_->RemoveComponent(component);
  if (!component->name_.empty() && FindComponent(component->name_))
    throw ComponentError(FormatText(messages::kDuplicateName, component->name_));
  Insert(component);
  NotifyAll(component, Operation::Insert);
}

void Component::RemoveComponent(Component* component) {
  NotifyAll(component, Operation::Remove);
  Remove(component);
}

void Component::Notification(Component* component, Operation operation) {
  if (operation == Operation::Remove) RemoveFreeNotification(component);
}

void Component::Insert(Component* component) {
  components_.push_back(component);
  component->owner_ = this;
}

void Component::Remove(Component* component) {
  Erase(components_, component);
  component->owner_ = nullptr;
}

void Component::NotifyAll(Component* component, Operation operation) {
  Notification(component, operation);
  const std::vector<Component*> siblings = components_;
  for (Component* c : siblings)
    if (c != component) c->Notification(component, operation);
}

}  // namespace toolkit

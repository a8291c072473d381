// Persistent objects (copyable by Assign) and components (owned, named, and
// told when a component they refer to goes away).
#pragma once
#include <vector>

#include "toolkit/core/method.h"
#include "toolkit/core/text.h"

namespace toolkit {

class Persistent : public Object {
 public:
  // Copies the source's properties into this object; a class that cannot
  // take the source asks the source to assign itself, and fails when neither can.
  virtual void Assign(const Persistent* source);
  // The name that assignment errors show.
  virtual String ClassName() const { return u"Persistent"; }

 protected:
  virtual void AssignTo(Persistent* destination) const;
};

enum class Operation { Insert, Remove };

enum ComponentStateFlag : unsigned {
  csLoading = 1,
  csDestroying = 2,
  csDesigning = 4,
  csUpdating = 8,
};

class Component : public Persistent {
 public:
  explicit Component(Component* owner);
  ~Component() override;
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  String ClassName() const override { return u"Component"; }

  Component* Owner() const { return owner_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  Component* Components(int index) const;
  Component* FindComponent(StringView name) const;

  const String& Name() const { return name_; }
  // A name is empty or an identifier, unique among the owner's components.
  void SetName(const String& name);

  long long Tag = 0;
  unsigned ComponentState() const { return state_; }
  void SetLoading(bool loading);

  // Asks other to call Notification on this component when it is freed.
  void FreeNotification(Component* other);
  void RemoveFreeNotification(Component* other);

  void InsertComponent(Component* component);
  void RemoveComponent(Component* component);

 protected:
  // Told about components inserted into or removed from the owner, and about
  // freed components this one asked to hear of.
  virtual void Notification(Component* component, Operation operation);
  // Called once loading ends.
  virtual void Loaded() {}
  void SetDesigning(bool designing);

 private:
  void Insert(Component* component);
  void Remove(Component* component);
  void NotifyAll(Component* component, Operation operation);

  Component* owner_ = nullptr;
  String name_;
  unsigned state_ = 0;
  std::vector<Component*> components_;
  std::vector<Component*> freeNotifies_;
};

}  // namespace toolkit

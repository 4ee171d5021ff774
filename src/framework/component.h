#pragma once
// TComponent: ownership (owned components die with their owner), Name, Tag, the Loaded()
// notification after a form's settings are in place, and notifications of a component's removal.
#include <string>
#include <string_view>
#include <vector>

#include "framework/object.h"

namespace fw {

enum class TOperation { opInsert, opRemove };
enum TComponentStateFlag : unsigned { csLoading = 1, csDestroying = 2 };

class TComponent : public TObject {
  FW_CLASS()
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }
  unsigned ComponentState() const { return state_; }

  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(static_cast<size_t>(index)); }
  TComponent* FindComponent(std::string_view name) const;

  // Ask `other` to be told (Notification opRemove) when this component is destroyed, and back.
  void FreeNotification(TComponent* other);
  void RemoveFreeNotification(TComponent* other);

  // Runs once, after the owner form's settings are in place; reaches every owned component.
  void NotifyLoaded();

 protected:
  virtual void Loaded() {}
  // Told when `component` (owned by the same owner, or registered by FreeNotification) goes.
  virtual void Notification(TComponent* component, TOperation operation);
  // Deletes the owned components, newest first. Derived destructors call it while they are whole.
  void DestroyComponents();
  void SetDestroying() { state_ |= csDestroying; }

 private:
  void Insert(TComponent* c) { components_.push_back(c); }
  void Remove(TComponent* c);

  TComponent* owner_ = nullptr;
  std::string name_;
  int tag_ = 0;
  unsigned state_ = 0;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> free_notifies_;
};

}  // namespace fw

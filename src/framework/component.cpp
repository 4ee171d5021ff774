#include "framework/component.h"

#include <algorithm>

namespace fw {

const TClassInfo& TComponent::StaticClassInfo() {
  static const TClassInfo info = ClassInfoBuilder<TComponent>("TComponent", &TObject::StaticClassInfo())
                                     .Str("Name", &TComponent::Name, &TComponent::SetName)
                                     .Int("Tag", &TComponent::Tag, &TComponent::SetTag)
                                     .Build();
  return info;
}

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner_) owner_->Insert(this);
}

TComponent::~TComponent() {
  state_ |= csDestroying;
  // Whoever asked to hear about this component's end forgets it now.
  std::vector<TComponent*> listeners;
  listeners.swap(free_notifies_);
  for (TComponent* c : listeners) {
    auto& back = c->free_notifies_;
    back.erase(std::remove(back.begin(), back.end(), this), back.end());
    c->Notification(this, TOperation::opRemove);
  }
  DestroyComponents();
  if (owner_) {
    TComponent* owner = owner_;
    owner_ = nullptr;
    owner->Remove(this);
    if (!(owner->state_ & csDestroying)) owner->Notification(this, TOperation::opRemove);
  }
}

void TComponent::DestroyComponents() {
  state_ |= csDestroying;
  while (!components_.empty()) {
    TComponent* c = components_.back();
    components_.pop_back();
    c->owner_ = nullptr;
    delete c;
  }
}

void TComponent::Remove(TComponent* c) {
  components_.erase(std::remove(components_.begin(), components_.end(), c), components_.end());
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_)
    if (SameText(c->name_, name)) return c;
  return nullptr;
}

void TComponent::FreeNotification(TComponent* other) {
  if (!other || other == this) return;
  if (std::find(free_notifies_.begin(), free_notifies_.end(), other) == free_notifies_.end()) {
    free_notifies_.push_back(other);
    other->free_notifies_.push_back(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent* other) {
  if (!other) return;
  free_notifies_.erase(std::remove(free_notifies_.begin(), free_notifies_.end(), other), free_notifies_.end());
  auto& back = other->free_notifies_;
  back.erase(std::remove(back.begin(), back.end(), this), back.end());
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove) RemoveFreeNotification(component);
  // Owned components hear about their siblings, as references between them are common.
  std::vector<TComponent*> copy = components_;
  for (TComponent* c : copy)
    if (c != component) c->Notification(component, operation);
}

void TComponent::NotifyLoaded() {
  // Owner first, then its components in creation order, as a form reader would.
  state_ &= ~csLoading;
  Loaded();
  std::vector<TComponent*> copy = components_;
  for (TComponent* c : copy) c->NotifyLoaded();
}

}  // namespace fw

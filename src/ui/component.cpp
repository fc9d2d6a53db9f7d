#include "ui/component.h"

#include <algorithm>

namespace ui {

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner_)
    owner_->components_.push_back(this);
}

TComponent::~TComponent() {
  DestroyComponents();
  if (owner_)
    owner_->Remove(this);
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* last = components_.back();
    components_.pop_back();
    last->owner_ = nullptr; // already out of the list
    delete last;
  }
}

void TComponent::Remove(TComponent* component) {
  auto it = std::find(components_.begin(), components_.end(), component);
  if (it != components_.end())
    components_.erase(it);
}

} // namespace ui

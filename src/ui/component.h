#pragma once
// Ownership: every component is owned by another (or by the application) and is freed with its
// owner, newest first. Freeing a component on its own takes it out of its owner's list.
#include <string>
#include <vector>

namespace ui {

class TComponent {
public:
  explicit TComponent(TComponent* owner);
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;
  virtual ~TComponent();

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(index); }

  // Frees every owned component now, newest first.
  void DestroyComponents();

  // Called once the owner has set every property (the end of a window description).
  virtual void Loaded() {}

private:
  void Remove(TComponent* component);

  TComponent* owner_;
  std::string name_;
  int tag_ = 0;
  std::vector<TComponent*> components_;
};

} // namespace ui

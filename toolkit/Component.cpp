#include "Component.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner) : owner_(owner) {
    if (owner_) owner_->owned_.push_back(this);
}

TComponent::~TComponent() {
    // Destroy what this component owns, newest first; each one unlinks itself from owned_.
    while (!owned_.empty()) delete owned_.back();
    if (owner_) {
        auto& siblings = owner_->owned_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
}

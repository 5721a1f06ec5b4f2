#pragma once
// The component base of the form toolkit: a persistent object that can copy state from another
// (Assign), and a component that has an owner which destroys it.
#include <functional>
#include <string>
#include <vector>

class TPersistent {
public:
    virtual ~TPersistent() = default;
    // Copies state from source where the class knows how; anything else is left unchanged.
    virtual void Assign(const TPersistent& source) { (void)source; }
    virtual std::string ClassName() const { return "TPersistent"; }
};

class TComponent : public TPersistent {
public:
    // The owner, if any, destroys this component when it is destroyed itself.
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* GetOwner() const { return owner_; }
    std::string ClassName() const override { return "TComponent"; }

private:
    TComponent* owner_;
    std::vector<TComponent*> owned_;
};

using TNotifyEvent = std::function<void(TPersistent* sender)>;

#pragma once
// Every dialog exists at most once: a second request while it is open does nothing, also when
// the request comes from inside the dialog's own modal loop.
#include <utility>

namespace vx {

class OnceAtATime {
public:
    // Runs `show` unless a run is under way; false when the request was passed over.
    template <typename Show>
    bool Run(Show&& show) {
        if (busy_) return false;
        busy_ = true;
        struct Reset {
            bool& flag;
            ~Reset() { flag = false; }
        } reset{busy_};
        std::forward<Show>(show)();
        return true;
    }
    bool Busy() const { return busy_; }

private:
    bool busy_ = false;
};

}  // namespace vx

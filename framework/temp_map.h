// Wrappers made on demand for handles the program did not create (a control
// found by id, a device context, a menu). They own nothing; one is kept per
// handle value, so a pointer handed out stays valid for the whole run.
#pragma once

#include <map>
#include <memory>

template <typename Handle, typename Wrapper>
class TempMap {
public:
    Wrapper* Lookup(Handle handle)
    {
        std::unique_ptr<Wrapper>& slot = m_wrappers[handle];
        if (!slot) {
            slot = std::make_unique<Wrapper>();
            slot->AttachTemporary(handle);
        }
        return slot.get();
    }

private:
    std::map<Handle, std::unique_ptr<Wrapper>> m_wrappers;
};

#pragma once

#include <QPointer>

#include <functional>
#include <memory>
#include <utility>

// A window that is made the first time it is used, so that start-up pays
// only for the windows it shows. Copies share one window: whoever touches it
// first makes it, and everyone sees the same one from then on. Once made, it
// is never made again; after its owner has deleted it, it reads as null.
template <class Form>
class LazyForm
{
public:
    LazyForm() = default;
    explicit LazyForm(std::function<Form *()> make)
        : m_slot(std::make_shared<Slot>(std::move(make)))
    {
    }

    Form *Get() const
    {
        if (!m_slot)
            return nullptr;
        if (!m_slot->made) {
            m_slot->made = true;
            m_slot->form = m_slot->make();
        }
        return m_slot->form.data();
    }
    Form *operator->() const { return Get(); }
    operator Form *() const { return Get(); } // NOLINT: reads like the window pointer it stands for

    // True once the window exists, without making it.
    bool Made() const { return m_slot && m_slot->made; }

private:
    struct Slot
    {
        explicit Slot(std::function<Form *()> m)
            : make(std::move(m))
        {
        }
        std::function<Form *()> make;
        QPointer<Form> form;
        bool made = false;
    };
    std::shared_ptr<Slot> m_slot;
};

#pragma once
// Reading a window's fields as whole number texts: the circlip, serpentine and mandrel
// calculators convert each text strictly, so that a text the key filter lets through but that
// is no number ("1/2", "1.2.3", ".") stops the calculation with the input-error message
// before any result is written.

#include "common/Numbers.h"
#include "common/ui/Bindings.h"

namespace noncoil {

template <class S, std::size_t N>
S readStrict(const FormBase* form, const ui::In<S> (&map)[N], S start = {}) {
    for (const ui::In<S>& m : map) {
        const double value = num::strictOrFault(form->text(QString::fromLatin1(m.control)));
        std::visit(
            [&](auto member) {
                if constexpr (std::is_same_v<std::remove_reference_t<decltype(start.*member)>, float>)
                    start.*member = num::single(value);
                else
                    start.*member = value;
            },
            m.member);
    }
    return start;
}

} // namespace noncoil

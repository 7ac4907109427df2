// The program's compiled catalogues under ":/language/".
#pragma once

namespace translations {

// Registers the catalogues. They live in a static library, whose resource
// object the linker would drop unless something calls into it; safe to call often.
void Init();

} // namespace translations

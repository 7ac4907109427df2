// The program's embedded images under ":/image/".
#pragma once

namespace images {

// Registers the images. They live in a static library, whose resource object
// the linker would drop unless something calls into it; safe to call often.
void Init();

} // namespace images

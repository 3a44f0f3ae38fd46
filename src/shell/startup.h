#pragma once

namespace lendora {

// Opens the intro window; the program then works in the current working
// directory.
void startUp();

} // namespace lendora

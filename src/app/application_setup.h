#pragma once

namespace zn {

// What the program entry sets on the application before the first window:
// the organisation that names the settings folder. No display name is set, so
// the window system shows each caption exactly as the console writes it.
void ConfigureApplication();

} // namespace zn

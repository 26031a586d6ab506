// What the window checks and sets before it opens.
#pragma once

#include <optional>
#include <string>

namespace bevelmint::app {

// The one line to print when there is no display to open the window on, or nothing when
// there is one (or Qt was told which platform to use). `command` is how the user started
// the window, for the advice to run it under xvfb-run.
std::optional<std::string> missingDisplay(const std::string& command);

// The interface font asked for by name, so captions measure the same on every machine
// whatever fontconfig would pick for "sans-serif". Call after QApplication exists.
void useInterfaceFont();

// The family of the interface font.
inline constexpr const char* kInterfaceFamily = "Liberation Sans";

}  // namespace bevelmint::app

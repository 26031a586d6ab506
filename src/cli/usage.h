#pragma once

namespace bevelmint::cli {

// The synopsis, printed before a usage error's explanation too.
extern const char* const kUsage;

// The synopsis, every option and every field with the values it takes.
void printHelp();

}  // namespace bevelmint::cli

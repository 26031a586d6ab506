#pragma once

#include <optional>
#include <string>
#include <vector>

namespace bevelmint::exporter {

// One button of a set: its inscription and the slug its files are named by.
struct SetMember {
    std::string label;
    std::string slug;
};

// The labels of a labels file: one a line, UTF-8 (a byte order mark is
// skipped), surrounding blanks trimmed, blank lines skipped. The error names the
// first line that is not UTF-8.
std::optional<std::string> parseLabels(const std::string& text, std::vector<std::string>& labels);

// Lower-case ASCII letters, digits and single "-" between words; accented Latin
// letters lose their accents, other characters separate words. "button" when
// nothing is left.
std::string slugOf(const std::string& label);

// The members with slugs made unique: a slug taken before, or equal to another
// label's own slug, gets "-2", "-3", ... so every label keeps a stable name.
std::vector<SetMember> buttonSet(const std::vector<std::string>& labels);

// The members of the dark variant: the same labels, each slug followed by
// "-dark" ("dark" for the lone button), so its files sit beside the light ones.
std::vector<SetMember> darkMembers(const std::vector<SetMember>& members);

// "-slug" inserted before the file name's extension (b.png -> b-buy-now.png);
// the path as it is for an empty slug.
std::string withSlug(const std::string& path, const std::string& slug);

}  // namespace bevelmint::exporter

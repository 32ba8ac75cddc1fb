// "Did you mean": the known word nearest to a misspelt one.
#pragma once

#include <string>
#include <vector>

namespace vorna::check {

/// The candidate nearest to word (both compared upper-case) by the number
/// of single-character edits (insertion, deletion, change, swap of two
/// neighbours), if it is near enough to be a slip of the keyboard; empty
/// otherwise. Of equally near candidates the first wins.
std::string ClosestWord(const std::string& word, const std::vector<std::string>& candidates);

/// " (did you mean 'X'?)" for the closest word, or empty.
std::string DidYouMean(const std::string& word, const std::vector<std::string>& candidates);

}  // namespace vorna::check

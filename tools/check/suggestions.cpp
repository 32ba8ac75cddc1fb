#include "tools/check/suggestions.h"

#include <algorithm>
#include <cctype>

namespace vorna::check {

namespace {

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// Edits between a and b, counting the swap of two neighbours as one.
size_t EditDistance(const std::string& a, const std::string& b) {
  std::vector<std::vector<size_t>> d(a.size() + 1, std::vector<size_t>(b.size() + 1));
  for (size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    for (size_t j = 1; j <= b.size(); ++j) {
      size_t change = a[i - 1] == b[j - 1] ? 0 : 1;
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + change});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
      }
    }
  }
  return d[a.size()][b.size()];
}

// Short words allow one slip; longer ones a few more.
size_t AllowedEdits(size_t length) {
  if (length <= 4) return 1;
  return length <= 8 ? 2 : 3;
}

}  // namespace

std::string ClosestWord(const std::string& word, const std::vector<std::string>& candidates) {
  const std::string wanted = Upper(word);
  std::string best;
  size_t bestDistance = AllowedEdits(wanted.size()) + 1;
  for (const std::string& candidate : candidates) {
    size_t distance = EditDistance(wanted, Upper(candidate));
    if (distance > 0 && distance < bestDistance) {
      best = candidate;
      bestDistance = distance;
    }
  }
  return best;
}

std::string DidYouMean(const std::string& word, const std::vector<std::string>& candidates) {
  std::string closest = ClosestWord(word, candidates);
  return closest.empty() ? std::string() : " (did you mean '" + closest + "'?)";
}

}  // namespace vorna::check

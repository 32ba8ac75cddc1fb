// What vorna-pack verify checks of an image besides its file set: that the
// runtime finds its install data (the trailer where it belongs, a directory
// that reaches its end record) and, for a signed image, that its certificate
// table holds nothing but signatures.
#pragma once

#include <string>
#include <vector>

namespace vorna::pack {

/// Prints one line per problem of the image's layout ("IMAGE: ..."); answers
/// how many there were.
int ReportLayoutProblems(const std::string& image);

/// What the image's program resources say: its product, icon and execution
/// level, one line each; none for a stand-in that is no complete program.
std::vector<std::string> DescribeProgram(const std::string& image);

/// "signed: a certificate table of 1488 bytes at 3105096" for a signed
/// image, the empty text otherwise.
std::string DescribeSignature(const std::string& image);

}  // namespace vorna::pack

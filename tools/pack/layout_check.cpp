#include "tools/pack/layout_check.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "installdata/scramble.h"
#include "tools/pack/authoring/container_directory.h"
#include "tools/pack/authoring/product_identity.h"
#include "tools/pack/signature_table.h"

namespace vorna::pack {

namespace {

ImageLayout LayoutOf(const std::string& image) {
  std::ifstream in(image, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read '" + image + "'");
  return authoring::InspectImageStream(in);
}

/// The certificate table's bytes.
std::vector<uint8_t> ReadTable(const std::string& image, const CertificateTable& table) {
  std::ifstream in(image, std::ios::binary);
  std::vector<uint8_t> bytes(static_cast<size_t>(table.size));
  in.seekg(static_cast<std::streamoff>(table.offset));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!in) throw std::runtime_error("cannot read the certificate table of '" + image + "'");
  return bytes;
}

/// The directory's problem, or the empty text when it reaches its end record.
std::string DirectoryProblem(const std::string& image) {
  std::ifstream in(image, std::ios::binary);
  try {
    authoring::ReadImageDirectory(in, kInstallerKey);
  } catch (const std::runtime_error& error) {
    return error.what();
  }
  return std::string();
}

}  // namespace

int ReportLayoutProblems(const std::string& image) {
  ImageLayout layout = LayoutOf(image);
  std::vector<std::string> problems;
  if (layout.kind == ImageKind::Damaged) problems.push_back("damaged: " + layout.problem);
  if (layout.kind == ImageKind::BareRuntime)
    problems.push_back("no install data after the program");
  if (layout.kind == ImageKind::Setup) {
    std::string directory = DirectoryProblem(image);
    if (!directory.empty()) problems.push_back(directory);
  }
  if (layout.kind != ImageKind::Damaged && layout.certificates.size > 0) {
    std::string table = CheckSignatureTable(ReadTable(image, layout.certificates));
    if (!table.empty()) problems.push_back(table);
  }
  for (const std::string& problem : problems) {
    std::printf("%s: %s\n", image.c_str(), problem.c_str());
  }
  return static_cast<int>(problems.size());
}

std::vector<std::string> DescribeProgram(const std::string& image) {
  ImageLayout layout = LayoutOf(image);
  std::ifstream in(image, std::ios::binary);
  std::vector<uint8_t> bytes(static_cast<size_t>(layout.imageEnd));
  if (bytes.empty() ||
      !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()))) {
    return {};
  }
  std::optional<authoring::PeFile> program = authoring::PeFile::Parse(std::move(bytes));
  if (!program) return {};
  try {
    return authoring::DescribeIdentity(*program);
  } catch (const std::runtime_error& error) {
    return {std::string("resources: damaged (") + error.what() + ")"};
  }
}

std::string DescribeSignature(const std::string& image) {
  ImageLayout layout = LayoutOf(image);
  if (layout.certificates.size == 0) return std::string();
  return "signed: a certificate table of " + std::to_string(layout.certificates.size) +
         " bytes at " + std::to_string(layout.certificates.offset);
}

}  // namespace vorna::pack

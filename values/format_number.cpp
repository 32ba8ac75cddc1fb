#include "values/format_number.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace vorna {

namespace {

constexpr int kDecimals = 32;

// A little-endian unsigned big integer with just the operations the exact
// expansion of a double needs.
class BigUnsigned {
 public:
  explicit BigUnsigned(uint64_t number) {
    limbs_.push_back(static_cast<uint32_t>(number));
    limbs_.push_back(static_cast<uint32_t>(number >> 32));
    Trim();
  }

  void MultiplySmall(uint32_t factor) {
    uint64_t carry = 0;
    for (uint32_t& limb : limbs_) {
      uint64_t product = uint64_t(limb) * factor + carry;
      limb = static_cast<uint32_t>(product);
      carry = product >> 32;
    }
    if (carry) limbs_.push_back(static_cast<uint32_t>(carry));
  }

  void ShiftLeft(int bits) {
    int words = bits / 32;
    int rest = bits % 32;
    limbs_.insert(limbs_.begin(), static_cast<size_t>(words), 0u);
    if (rest == 0) return;
    uint32_t carry = 0;
    for (uint32_t& limb : limbs_) {
      uint32_t next = limb >> (32 - rest);
      limb = (limb << rest) | carry;
      carry = next;
    }
    if (carry) limbs_.push_back(carry);
  }

  void ShiftRight(int bits) {
    size_t words = static_cast<size_t>(bits / 32);
    int rest = bits % 32;
    if (words >= limbs_.size()) {
      limbs_.clear();
      return;
    }
    limbs_.erase(limbs_.begin(), limbs_.begin() + static_cast<std::ptrdiff_t>(words));
    if (rest != 0) {
      for (size_t i = 0; i < limbs_.size(); ++i) {
        uint32_t high = i + 1 < limbs_.size() ? limbs_[i + 1] << (32 - rest) : 0;
        limbs_[i] = (limbs_[i] >> rest) | high;
      }
    }
    Trim();
  }

  bool Bit(int index) const {
    size_t word = static_cast<size_t>(index / 32);
    return word < limbs_.size() && ((limbs_[word] >> (index % 32)) & 1u);
  }

  // True when any of the bits below index is set.
  bool AnyBitBelow(int index) const {
    for (int i = 0; i < index; ++i) {
      if (Bit(i)) return true;
    }
    return false;
  }

  void AddOne() {
    for (uint32_t& limb : limbs_) {
      if (++limb != 0) return;
    }
    limbs_.push_back(1);
  }

  // Decimal digits, most significant first; "0" for zero.
  std::string ToDecimal() const {
    std::vector<uint32_t> rest = limbs_;
    std::string digits;
    while (!rest.empty()) {
      uint32_t remainder = DivideBillion(rest);
      for (int i = 0; i < 9; ++i) {
        digits.push_back(static_cast<char>('0' + remainder % 10));
        remainder /= 10;
      }
    }
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    if (digits.empty()) digits = "0";
    return std::string(digits.rbegin(), digits.rend());
  }

 private:
  // Divides in place by 10^9 and answers the remainder.
  static uint32_t DivideBillion(std::vector<uint32_t>& limbs) {
    uint64_t remainder = 0;
    for (size_t i = limbs.size(); i-- > 0;) {
      uint64_t current = (remainder << 32) | limbs[i];
      limbs[i] = static_cast<uint32_t>(current / 1000000000u);
      remainder = current % 1000000000u;
    }
    while (!limbs.empty() && limbs.back() == 0) limbs.pop_back();
    return static_cast<uint32_t>(remainder);
  }

  void Trim() {
    while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
  }

  std::vector<uint32_t> limbs_;
};

// The number times 10^32, rounded half to even to an integer.
std::string ScaledDigits(uint64_t mantissa, int exponent) {
  BigUnsigned scaled(mantissa);
  for (int i = 0; i < kDecimals / 8; ++i) scaled.MultiplySmall(100000000u);
  if (exponent >= 0) {
    scaled.ShiftLeft(exponent);
    return scaled.ToDecimal();
  }
  int shift = -exponent;
  bool half = scaled.Bit(shift - 1);
  bool aboveHalf = half && scaled.AnyBitBelow(shift - 1);
  bool odd = scaled.Bit(shift);
  scaled.ShiftRight(shift);
  if (half && (aboveHalf || odd)) scaled.AddOne();
  return scaled.ToDecimal();
}

}  // namespace

std::string FormatFixed32(double number) {
  uint64_t bits;
  std::memcpy(&bits, &number, sizeof bits);
  bool negative = (bits >> 63) != 0;
  int biased = static_cast<int>((bits >> 52) & 0x7ff);
  uint64_t fraction = bits & ((uint64_t{1} << 52) - 1);
  std::string sign = negative ? "-" : "";
  if (biased == 0x7ff) return sign + (fraction ? "nan" : "inf");
  uint64_t mantissa = biased ? fraction | (uint64_t{1} << 52) : fraction;
  int exponent = (biased ? biased : 1) - 1075;
  std::string digits = ScaledDigits(mantissa, exponent);
  if (digits.size() <= kDecimals) digits.insert(0, kDecimals + 1 - digits.size(), '0');
  digits.insert(digits.size() - kDecimals, 1, '.');
  return sign + digits;
}

const char* FormatNumber(double number) {
  static char buffer[2048];
  std::string text = FormatFixed32(number);
  size_t length = text.size();
  if (text.find('.') != std::string::npos) {
    while (length > 0 && text[length - 1] == '0') --length;
    if (length > 0 && text[length - 1] == '.') --length;
  }
  // The longest expansion (DBL_MAX) has 309 integer digits, far below the buffer.
  if (length >= sizeof buffer) length = sizeof buffer - 1;
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
  return buffer;
}

}  // namespace vorna

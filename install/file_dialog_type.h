// The type word STDFILE of declarations (DIM name AS STDFILE), offered to the
// declaration through the extensions' MakeObject like any object type.
#pragma once

#include <memory>

#include "values/extension.h"

namespace vorna {

/// The extension that makes file dialog objects for the type word STDFILE.
/// Registered after every other extension, it is asked last, just as the
/// declaration falls back to STDFILE once no extension knew the word.
class FileDialogType : public Extension {
 public:
  /// Consumes STDFILE at the cursor and answers a new file dialog object.
  std::unique_ptr<Value> MakeObject(Activation& activation) override;
};

}  // namespace vorna

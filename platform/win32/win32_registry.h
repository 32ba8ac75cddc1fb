// The Windows registry, through the ANSI registry calls.
#pragma once

#include "platform/registry.h"

namespace vorna::platform {

class Win32Registry : public Registry {
 public:
  RegStatus OpenKey(KeyHandle parent, const std::string& subkey, uint32_t access,
                    KeyHandle* opened) override;
  RegStatus CreateKey(KeyHandle parent, const std::string& subkey, KeyHandle* opened) override;
  RegStatus QueryValue(KeyHandle key, const std::string& name, RegType* type, void* data,
                       uint32_t* size) override;
  RegStatus SetValue(KeyHandle key, const std::string& name, RegType type, const void* data,
                     uint32_t size) override;
  RegStatus CloseKey(KeyHandle key) override;
  RegStatus DeleteValue(KeyHandle key, const std::string& name) override;
  RegStatus DeleteKey(KeyHandle parent, const std::string& subkey) override;
  RegStatus CountEntries(KeyHandle key, uint32_t* subkeys, uint32_t* values) override;
};

}  // namespace vorna::platform

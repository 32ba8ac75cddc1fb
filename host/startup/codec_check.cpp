#include "host/startup/codec_check.h"

#include <string>

#include "host/startup/startup_message.h"
#include "installdata/container.h"
#include "installdata/fileset_codec.h"
#include "installdata/image_layout.h"
#include "installdata/scramble.h"

namespace vorna {

bool RefuseUnknownCodec(const platform::Platform& machine) {
  SetContainerKey(kInstallerKey);
  ContainerReader reader(*machine.files);
  if (ReadFileSetCodec(reader) != FileSetCodec::Unknown) return false;
  ShowStartupMessage(machine, kDamagedSetupText);
  platform::Emit(machine, platform::event::RunFailed{std::string(kDamagedSetupText) +
                                                     " (unknown file-set codec)"});
  return true;
}

}  // namespace vorna

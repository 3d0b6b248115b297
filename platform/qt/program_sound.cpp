#include "platform/qt/program_sound.h"

#include "platform/qt/resources.h"

namespace tessaro {

ProgramSound::ProgramSound(const Register& reg) : device_(resources::waveBytes), rules_(reg, device_) {}

}  // namespace tessaro

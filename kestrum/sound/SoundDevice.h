// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>
#include "kestrum/sound.h"

// The machine's default audio output, or null when it has none (or sound support was not built).
std::unique_ptr<ISoundDevice> CreateDefaultSoundDevice();

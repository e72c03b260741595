#pragma once
#include "platform/platform.h"
namespace kalv { int ProgramMain(Platform& platform); }

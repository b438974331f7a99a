#pragma once

#include "automation/SmartFormRecogniser.h"

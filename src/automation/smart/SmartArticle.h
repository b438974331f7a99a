#pragma once

#include "automation/smart/SmartFormRecogniser.h"

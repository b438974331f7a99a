#pragma once

#include "automation/smart/SmartFormAttribute.h"

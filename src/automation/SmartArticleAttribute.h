#pragma once

#include "automation/SmartFormAttribute.h"

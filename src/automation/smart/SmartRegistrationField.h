#pragma once

#include "automation/smart/SmartFormField.h"

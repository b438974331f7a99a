#pragma once

#include "automation/SmartFormField.h"

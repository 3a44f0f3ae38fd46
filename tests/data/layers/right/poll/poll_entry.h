#pragma once
#include "workspace/workspace.h"
#include <vector>

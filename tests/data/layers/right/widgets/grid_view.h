#pragma once
#include "storage/grid.h"

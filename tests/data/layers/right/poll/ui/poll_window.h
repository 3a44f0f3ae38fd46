#pragma once
#include "poll/poll_entry.h"
#include "widgets/grid_view.h"

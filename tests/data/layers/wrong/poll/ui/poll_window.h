#pragma once
#include "poll/poll_entry.h"
